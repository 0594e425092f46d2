#pragma once
// Feature report 3 (the profile's DPI, polling and lighting settings) and the
// one-shot command report 6. Byte 0 of each is its identifier.

#include <array>
#include <cstddef>
#include <cstdint>

#include "config/records.h"

inline constexpr std::uint8_t kSettingsReportId = 3;
inline constexpr std::size_t kSettingsReportSize = 40;
using SettingsReport = std::array<std::uint8_t, kSettingsReportSize>;

inline constexpr std::uint8_t kCommandReportId = 6;
inline constexpr std::size_t kCommandReportSize = 8;
using CommandReport = std::array<std::uint8_t, kCommandReportSize>;

SettingsReport BuildSettingsReport(const ProfileRecord& profile);

// Reads the settings report back into the profile. Only the fields the report
// carries change; the colour is scaled back by the profile's own brightness.
void DecodeSettingsReport(const SettingsReport& report, ProfileRecord& profile);

CommandReport BuildCommandReport();
