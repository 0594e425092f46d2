#include "device/settings_report.h"

namespace {

constexpr std::size_t kDpiValueByte = 8;
constexpr std::size_t kDpiColourByte = 16;
constexpr std::size_t kLightColourByte = 5;
constexpr std::int32_t kFullBrightness = 5;
constexpr std::uint8_t kDeviceCommand = 0x5A;

// Fields of any value reach one byte as their low 8 bits, computed without overflow.
std::uint8_t Low8(std::int64_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

// The lighting colour entry of an effect: effect t uses entry t-1, effect 0
// entry 0. An effect number beyond the table has no colour entry.
std::size_t LightColourIndex(std::int32_t lightType) {
    return lightType > 0 ? static_cast<std::size_t>(lightType - 1) : 0;
}

void PutColour(std::int32_t colour, SettingsReport& report, std::size_t at) {
    for (std::size_t i = 0; i < 3; ++i) report[at + i] = Low8(colour >> (8 * i));
}

std::int32_t GetColour(const SettingsReport& report, std::size_t at) {
    return report[at] | (report[at + 1] << 8) | (report[at + 2] << 16);
}

std::uint8_t LightByte(const ProfileRecord& profile) {
    std::int64_t byte = std::int64_t{profile.light_type} * 16;
    if (profile.light_type == 0 || profile.light_type == 5) byte += profile.Cycle_enable;
    if (profile.light_type == 1) byte += profile.light_bright_colorID;
    return Low8(byte);
}

void PutLightColour(const ProfileRecord& profile, SettingsReport& report) {
    const std::size_t index = LightColourIndex(profile.light_type);
    if (index >= profile.light_Color.size()) return;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::int64_t channel = Low8(profile.light_Color[index] >> (8 * i));
        report[kLightColourByte + i] = Low8(channel * profile.light_bright / kFullBrightness);
    }
}

void GetLightColour(const SettingsReport& report, ProfileRecord& profile) {
    const std::int32_t sent = GetColour(report, kLightColourByte);
    std::int32_t colour = sent;
    if (sent == 0) {
        profile.Enable_light = 0;
        profile.light_bright = 0;
    } else if (profile.light_bright > 0) {
        // Undoes the brightness scaling as well as integer division allows.
        colour = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            const std::int32_t channel = report[kLightColourByte + i];
            colour |= Low8(channel * kFullBrightness / profile.light_bright) << (8 * i);
        }
    } else {
        profile.light_bright = kFullBrightness;
    }
    // An effect number beyond the table (the light byte carries up to 15) has
    // no colour entry to hold the colour, which is then dropped.
    const std::size_t index = LightColourIndex(profile.light_type);
    if (index < profile.light_Color.size()) profile.light_Color[index] = colour;
}

}  // namespace

SettingsReport BuildSettingsReport(const ProfileRecord& profile) {
    SettingsReport report{};
    report[0] = kSettingsReportId;
    report[1] = Low8(profile.DPI_Cur);
    report[2] = Low8(profile.POLLRATE_VALUE);
    if (profile.Enable_light != 0) {
        report[3] = LightByte(profile);
        PutLightColour(profile, report);
    }
    report[4] = Low8(std::int64_t{kFullBrightness} - profile.light_speed);
    for (std::size_t k = 0; k < profile.DPI_Value.size(); ++k) {
        report[kDpiValueByte + k] = Low8(profile.DPI_Value[k]);
        PutColour(profile.DPI_Color[k], report, kDpiColourByte + 3 * k);
    }
    return report;
}

void DecodeSettingsReport(const SettingsReport& report, ProfileRecord& profile) {
    profile.DPI_Cur = report[1];
    profile.POLLRATE_VALUE = report[2];
    profile.light_type = report[3] >> 4;
    profile.Cycle_enable = report[3] & 0x0F;
    profile.light_speed = kFullBrightness - report[4];
    GetLightColour(report, profile);
    for (std::size_t k = 0; k < profile.DPI_Value.size(); ++k) {
        profile.DPI_Value[k] = report[kDpiValueByte + k];
        profile.DPI_Color[k] = GetColour(report, kDpiColourByte + 3 * k);
    }
}

CommandReport BuildCommandReport() {
    CommandReport report{};
    report[0] = kCommandReportId;
    report[1] = kDeviceCommand;
    return report;
}
