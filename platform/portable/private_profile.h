#pragma once
// Our own private-profile engine: the system's functions rebuilt over this
// machine's files, reading and editing as Windows does (profile_document.h).
// Text is UTF-16 in a file that starts with its byte-order mark, else the
// Western code page (profile_encoding.h).
//
// The last file read is kept with its index. It is used again only while the
// file's time stamp is unchanged and lies clearly before the moment it was
// read, so that a write by another process, whatever the file system's clock
// resolution, always moves the stamp; otherwise the bytes are read again and
// the index is rebuilt only when they changed.

#include <chrono>
#include <filesystem>
#include <mutex>
#include <optional>

#include "platform/portable/profile_document.h"
#include "platform/portable/trace.h"
#include "platform/private_profile.h"

namespace platform::portable {

// A file as last read, with its index.
struct LoadedProfileFile {
    std::u16string path;
    std::filesystem::path nativePath;
    std::string bytes;
    bool utf16 = false;
    std::string oddByte;
    ProfileDocument document;
    std::filesystem::file_time_type modified;
    bool stampIsConclusive = false;  // the stamp lies well before the bytes were read
};

class PrivateProfile final : public platform::PrivateProfile {
  public:
    explicit PrivateProfile(Trace* trace = nullptr) : trace_(trace) {}

    std::int32_t GetInt(std::u16string_view path, std::u16string_view section,
                        std::u16string_view key, std::int32_t defaultValue) override;
    std::u16string GetString(std::u16string_view path, std::u16string_view section,
                             std::u16string_view key, std::u16string_view defaultValue,
                             std::size_t capacity) override;
    bool GetStruct(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                   std::span<std::uint8_t> destination) override;
    bool WriteString(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    bool WriteStruct(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                     std::span<const std::uint8_t> source) override;

  private:
    using LoadedFile = LoadedProfileFile;

    // The kept file for path, emptied when it was another one.
    LoadedFile& Entry(std::u16string_view path);
    // The file at path as it is now, or nullptr when there is no file to read.
    LoadedFile* Load(std::u16string_view path);
    bool Reload(LoadedFile& file);

    // The raw value of the key, up to its first NUL.
    std::optional<std::u16string> RawValue(std::u16string_view path, std::u16string_view section,
                                           std::u16string_view key);

    std::mutex mutex_;
    std::optional<LoadedFile> loaded_;
    Trace* trace_;
};

}  // namespace platform::portable
