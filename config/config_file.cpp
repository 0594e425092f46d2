#include "config/config_file.h"

#include <array>
#include <bit>

#include "config/defaults.h"
#include "config/file_keys.h"
#include "config/ini_file.h"

namespace {

using AssignmentBytes = std::array<std::uint8_t, sizeof(ButtonAssignment)>;

// Reads each key with the field's present value as its default.
struct KeyReader {
    const IniFile& file;
    std::u16string_view section;

    void operator()(std::u16string_view key, std::int32_t& field) const {
        field = file.GetInt(section, key, field);
    }
    template <std::size_t Capacity>
    void operator()(std::u16string_view key, FixedText<Capacity>& field) const {
        AssignText(field, file.GetString(section, key, TextOf(field)));
    }
    void operator()(std::u16string_view key, ButtonAssignment& field) const {
        AssignmentBytes bytes{};
        if (!file.GetStruct(section, key, bytes)) bytes.fill(0);
        field = std::bit_cast<ButtonAssignment>(bytes);
    }
};

struct KeyWriter {
    const IniFile& file;
    std::u16string_view section;

    void operator()(std::u16string_view key, std::int32_t field) const {
        file.WriteInt(section, key, field);
    }
    template <std::size_t Capacity>
    void operator()(std::u16string_view key, const FixedText<Capacity>& field) const {
        file.WriteString(section, key, TextOf(field));
    }
    void operator()(std::u16string_view key, const ButtonAssignment& field) const {
        file.WriteStruct(section, key, std::bit_cast<AssignmentBytes>(field));
    }
};

}  // namespace

void ReadGlobalSettings(platform::PrivateProfile& profiles, std::u16string_view path,
                        GlobalSettings& global) {
    const IniFile file(profiles, path);
    GlobalSettings read = DefaultGlobalSettings();
    ForEachGlobalKey(read, KeyReader{file, kSettingSection});
    for (auto slot = static_cast<std::size_t>(ProfileSlotsInUse(read.Totle)); slot < kProfileSlots;
         ++slot) {
        read.ProfileIds[slot] = global.ProfileIds[slot];
    }
    global = read;
}

void WriteGlobalSettings(platform::PrivateProfile& profiles, std::u16string_view path,
                         const GlobalSettings& global) {
    const IniFile file(profiles, path);
    ForEachGlobalKey(global, KeyWriter{file, kSettingSection});
}

void ReadProfile(platform::PrivateProfile& profiles, std::u16string_view path, int sectionNumber,
                 ProfileRecord& profile) {
    const IniFile file(profiles, path);
    const std::u16string section = ProfileSectionName(sectionNumber);
    ProfileRecord read = DefaultProfileRecord();
    ForEachProfileKey(read, KeyReader{file, section});
    profile = read;
}

void WriteProfile(platform::PrivateProfile& profiles, std::u16string_view path, int sectionNumber,
                  const ProfileRecord& profile) {
    const IniFile file(profiles, path);
    ForEachProfileKey(profile, KeyWriter{file, ProfileSectionName(sectionNumber)});
}

void ReadConfigDocument(platform::PrivateProfile& profiles, std::u16string_view path,
                        ConfigDocument& document) {
    ReadGlobalSettings(profiles, path, document.Global);
    const int slots = ProfileSlotsInUse(document.Global.Totle);
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(slots); ++slot) {
        ReadProfile(profiles, path, document.Global.ProfileIds[slot], document.Profiles[slot]);
    }
}

void WriteConfigDocument(platform::PrivateProfile& profiles, std::u16string_view path,
                         const ConfigDocument& document) {
    WriteGlobalSettings(profiles, path, document.Global);
    const int slots = ProfileSlotsInUse(document.Global.Totle);
    for (std::size_t slot = 0; slot < static_cast<std::size_t>(slots); ++slot) {
        WriteProfile(profiles, path, document.Global.ProfileIds[slot], document.Profiles[slot]);
    }
}

int WriteProfileDpiStage(platform::PrivateProfile& profiles, std::u16string_view path,
                         int sectionNumber, std::int32_t stage) {
    IniFile(profiles, path).WriteInt(ProfileSectionName(sectionNumber), u"DPI_Cur", stage);
    return 1;
}

int WriteDevicePresence(platform::PrivateProfile& profiles, std::u16string_view path,
                        std::int32_t value) {
    IniFile(profiles, path).WriteInt(kSettingSection, u"Device", value);
    return 1;
}
