// Any bytes as the configuration file: a whole load through our private-profile
// engine, then one write of a key and a read of it. The load must end on
// validated values without writing to the file; the value read must be the
// one written; every character outside the changed line must stay.

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "config/config_file.h"
#include "config/file_keys.h"
#include "config/ini_file.h"
#include "config/load_configuration.h"
#include "config/validation.h"
#include "platform/portable/folders.h"
#include "platform/portable/private_profile.h"
#include "platform/portable/profile_encoding.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void Require(bool condition) {
    if (!condition) std::abort();
}

// Only one line may differ: what was removed holds no line break.
void RequireOneLineChanged(const std::string& before, const std::string& after) {
    const auto old = platform::portable::DecodeProfileText(before);
    const auto now = platform::portable::DecodeProfileText(after);
    Require(old.utf16 == now.utf16 && old.oddByte == now.oddByte);
    std::size_t prefix = 0;
    while (prefix < old.text.size() && prefix < now.text.size() &&
           old.text[prefix] == now.text[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < old.text.size() - prefix && suffix < now.text.size() - prefix &&
           old.text[old.text.size() - 1 - suffix] == now.text[now.text.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::u16string_view removed =
        std::u16string_view(old.text).substr(prefix, old.text.size() - prefix - suffix);
    Require(removed.find_first_of(u"\r\n") == std::u16string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path folder = [] {
        const fs::path path =
            fs::temp_directory_path() / ("gm-profile-fuzz-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    static platform::portable::PrivateProfile profiles;
    static platform::portable::Folders folders(u"", folder.u16string());
    const fs::path file = folder / "GamingMouse";
    const std::u16string path = file.u16string();

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    // As a file saved a while ago: the engine then reads it once per load.
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));

    ConfigDocument configuration{};
    ConfigDocument saved{};
    ProfileRecord active{};
    LoadConfiguration(profiles, folders, path, configuration, saved, active);
    ConfigDocument again = configuration;
    ValidateConfigDocument(again);
    Require(std::memcmp(&again, &configuration, sizeof again) == 0);
    Require(ReadAll(file) == bytes);

    const int section = size > 0 ? data[0] % kProfileSlots : 0;
    const std::int32_t stage = size > 1 ? static_cast<std::int8_t>(data[1]) : 4;
    WriteProfileDpiStage(profiles, path, section, stage);
    Require(IniFile(profiles, path).GetInt(ProfileSectionName(section), u"DPI_Cur", -99) == stage);
    RequireOneLineChanged(bytes, ReadAll(file));
    return 0;
}
