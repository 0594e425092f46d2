#pragma once
// Reading and writing the configuration file, one key per call, in the key
// order of the file (file_keys.h). A key that is missing takes its default; a
// button whose struct value is missing or damaged reads as zero bytes, which
// validation turns into the button's default assignment. Writes report no
// failure: the agent goes on with what it has in memory.

#include <cstdint>
#include <string_view>

#include "config/records.h"
#include "platform/private_profile.h"

// Section "Setting": the global block and ids of the slots in use. Id entries
// beyond the slots read keep their values.
void ReadGlobalSettings(platform::PrivateProfile& profiles, std::u16string_view path,
                        GlobalSettings& global);
void WriteGlobalSettings(platform::PrivateProfile& profiles, std::u16string_view path,
                         const GlobalSettings& global);

// Section "Profile%dSetting" of this number.
void ReadProfile(platform::PrivateProfile& profiles, std::u16string_view path, int sectionNumber,
                 ProfileRecord& profile);
void WriteProfile(platform::PrivateProfile& profiles, std::u16string_view path, int sectionNumber,
                  const ProfileRecord& profile);

// The global block, then each slot in use from the section its id names.
// Slots beyond those read keep what they held.
void ReadConfigDocument(platform::PrivateProfile& profiles, std::u16string_view path,
                        ConfigDocument& document);
void WriteConfigDocument(platform::PrivateProfile& profiles, std::u16string_view path,
                         const ConfigDocument& document);

// Key "DPI_Cur" of section "Profile%dSetting" of this number; always 1.
int WriteProfileDpiStage(platform::PrivateProfile& profiles, std::u16string_view path,
                         int sectionNumber, std::int32_t stage);

// Key "Device" of section "Setting"; always 1.
int WriteDevicePresence(platform::PrivateProfile& profiles, std::u16string_view path,
                        std::int32_t value);
