#include "platform/portable/private_profile.h"

#include <fstream>
#include <system_error>

#include "platform/portable/native_path.h"
#include "platform/portable/profile_encoding.h"
#include "platform/portable/profile_values.h"

namespace platform::portable {
namespace {

namespace fs = std::filesystem;
using FileTime = fs::file_time_type;

// Time stamps within this distance of the moment of reading may still be
// shared by a later write: FAT keeps them to 2 seconds.
constexpr auto kStampResolution = std::chrono::milliseconds(2100);

std::u16string_view UpToNul(std::u16string_view text) { return text.substr(0, text.find(u'\0')); }

// The value as a read returns it: one pair of matching outer quotes removed.
std::u16string_view Unquoted(std::u16string_view value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::string> ReadBytes(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary | std::ios::ate);
    if (!stream) return std::nullopt;
    const std::streamoff size = stream.tellg();
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    stream.seekg(0);
    stream.read(bytes.data(), size);
    // A file that shrank meanwhile ends where reading ended.
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    if (stream.bad()) return std::nullopt;
    return bytes;
}

bool WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    if (!stream) return false;
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    return !stream.fail();
}

bool IsReadOnly(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::exists(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

PrivateProfile::LoadedFile& PrivateProfile::Entry(std::u16string_view path) {
    if (!loaded_ || loaded_->path != path) {
        loaded_.emplace();
        loaded_->path = path;
        loaded_->nativePath = NativePath(path);
    }
    return *loaded_;
}

PrivateProfile::LoadedFile* PrivateProfile::Load(std::u16string_view path) {
    LoadedFile& file = Entry(path);
    if (file.stampIsConclusive) {
        std::error_code error;
        // A later write gives a later stamp; one look at it is enough.
        const FileTime modified = fs::last_write_time(file.nativePath, error);
        if (!error && modified == file.modified) return &file;
    }
    if (Reload(file)) return &file;
    loaded_.reset();
    return nullptr;
}

bool PrivateProfile::Reload(LoadedFile& file) {
    std::error_code error;
    if (!fs::is_regular_file(file.nativePath, error)) return false;
    const FileTime readAt = FileTime::clock::now();
    const FileTime modified = fs::last_write_time(file.nativePath, error);
    if (error) return false;
    std::optional<std::string> bytes = ReadBytes(file.nativePath);
    if (!bytes) return false;
    file.modified = modified;
    file.stampIsConclusive = modified + kStampResolution < readAt;
    if (*bytes == file.bytes) return true;
    ProfileText text = DecodeProfileText(*bytes);
    file.bytes = std::move(*bytes);
    file.utf16 = text.utf16;
    file.oddByte = std::move(text.oddByte);
    file.document = ProfileDocument(std::move(text.text));
    return true;
}

std::optional<std::u16string> PrivateProfile::RawValue(std::u16string_view path,
                                                       std::u16string_view section,
                                                       std::u16string_view key) {
    std::lock_guard lock(mutex_);
    const LoadedFile* file = Load(UpToNul(path));
    if (!file) return std::nullopt;
    const std::optional<std::u16string_view> value = file->document.Find(section, key);
    if (!value) return std::nullopt;
    return std::u16string(UpToNul(*value));
}

std::int32_t PrivateProfile::GetInt(std::u16string_view path, std::u16string_view section,
                                    std::u16string_view key, std::int32_t defaultValue) {
    try {
        const std::optional<std::u16string> value = RawValue(path, section, key);
        if (!value || Unquoted(*value).empty()) return defaultValue;
        return ParseProfileInteger(Unquoted(*value));
    } catch (const std::exception&) {
        return defaultValue;
    }
}

std::u16string PrivateProfile::GetString(std::u16string_view path, std::u16string_view section,
                                         std::u16string_view key, std::u16string_view defaultValue,
                                         std::size_t capacity) {
    if (capacity == 0) return {};
    std::u16string_view result = UpToNul(defaultValue);
    while (!result.empty() && result.back() == u' ') result.remove_suffix(1);
    std::optional<std::u16string> value;
    try {
        value = RawValue(path, section, key);
    } catch (const std::exception&) {
    }
    if (value) result = Unquoted(*value);
    return std::u16string(result.substr(0, capacity - 1));
}

bool PrivateProfile::GetStruct(std::u16string_view path, std::u16string_view section,
                               std::u16string_view key, std::span<std::uint8_t> destination) {
    try {
        const std::optional<std::u16string> value = RawValue(path, section, key);
        return value && DecodeStructValue(*value, destination);
    } catch (const std::exception&) {
        return false;
    }
}

bool PrivateProfile::WriteString(std::u16string_view path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view value) {
    if (trace_) {
        trace_->Record("profile: write " + std::string(section.begin(), section.end()) + " " +
                       std::string(key.begin(), key.end()));
    }
    std::lock_guard lock(mutex_);
    path = UpToNul(path);
    try {
        LoadedFile* file = Load(path);
        if (!file) {
            // No file to edit: start an empty one, unless something else is in the way.
            file = &Entry(path);
            std::error_code error;
            if (fs::exists(file->nativePath, error) || error) {
                loaded_.reset();
                return false;
            }
        }
        if (IsReadOnly(file->nativePath)) return false;
        if (!file->document.Set(Representable(section, file->utf16),
                                Representable(key, file->utf16),
                                Representable(value, file->utf16))) {
            return true;
        }
        const FileTime writtenAt = FileTime::clock::now();
        std::string bytes = EncodeProfileText({file->utf16, file->document.Text(), file->oddByte});
        std::error_code error;
        if (!WriteBytes(file->nativePath, bytes)) {
            loaded_.reset();
            return false;
        }
        file->modified = fs::last_write_time(file->nativePath, error);
        file->bytes = std::move(bytes);
        file->stampIsConclusive = !error && file->modified + kStampResolution < writtenAt;
        return true;
    } catch (const std::exception&) {
        loaded_.reset();
        return false;
    }
}

bool PrivateProfile::WriteStruct(std::u16string_view path, std::u16string_view section,
                                 std::u16string_view key, std::span<const std::uint8_t> source) {
    try {
        return WriteString(path, section, key, EncodeStructValue(source));
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace platform::portable
