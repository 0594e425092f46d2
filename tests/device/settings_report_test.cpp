#include "device/settings_report.h"

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "device/report_hex.h"
#include "tests/device/report_bytes.h"

namespace {

TEST(SettingsReport, DefaultProfileLayout) {
    EXPECT_EQ(ReportToHex(BuildSettingsReport(DefaultProfileRecord())),
              "03"              // identifier
              "0302"            // DPI stage, polling rate
              "0002"            // light byte (effect 0, no cycle), 5 - speed 3
              "ff0000"          // light colour 0x0000FF at full brightness
              "02040506070809"  // DPI levels
              "00"
              "ff0000"
              "00ff00"
              "0000ff"
              "00ffff"
              "ff00ff"
              "ffff00"
              "ffffff"  // DPI colours
              "000000");
}

struct LightCase {
    int type, cycle, colourId;
    std::uint8_t lightByte;
};

TEST(SettingsReport, LightByteAddsCycleOrColourIdByEffect) {
    const LightCase cases[] = {
        {2, 1, 4, 0x20}, {5, 1, 4, 0x51}, {1, 1, 3, 0x13}, {0, 1, 4, 0x01}, {6, 1, 4, 0x60},
    };
    for (const LightCase& c : cases) {
        ProfileRecord profile = DefaultProfileRecord();
        profile.light_type = c.type;
        profile.Cycle_enable = c.cycle;
        profile.light_bright_colorID = c.colourId;
        EXPECT_EQ(BuildSettingsReport(profile)[3], c.lightByte) << "light_type " << c.type;
    }
}

struct ColourCase {
    int type, bright;
    std::size_t entry;
    std::int32_t colour;
    const char* bytes5to7;
};

TEST(SettingsReport, LightColourComesFromTheEffectsEntryScaledByBrightness) {
    const ColourCase cases[] = {
        {2, 3, 1, 0x00FF80, "4c9900"},  // the worked value
        {0, 5, 0, 0x123456, "563412"},  // full brightness sends the colour unchanged
        {1, 5, 0, 0x123456, "563412"},  // effects 0 and 1 share entry 0
        {6, 5, 5, 0xABCDEF, "efcdab"}, {3, 0, 2, 0xFFFFFF, "000000"},  // brightness 0
    };
    for (const ColourCase& c : cases) {
        ProfileRecord profile = DefaultProfileRecord();
        profile.light_Color.fill(0x010101);
        profile.light_type = c.type;
        profile.light_bright = c.bright;
        profile.light_Color[c.entry] = c.colour;
        const SettingsReport report = BuildSettingsReport(profile);
        EXPECT_EQ(ReportToHex(std::span(report).subspan(5, 3)), c.bytes5to7)
            << "light_type " << c.type;
    }
}

TEST(SettingsReport, LightingOffClearsLightByteAndColourButKeepsSpeed) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.Enable_light = 0;
    profile.light_type = 5;
    profile.Cycle_enable = 1;
    for (const auto& [speed, byte4] : {std::pair{5, 0}, {1, 4}}) {
        profile.light_speed = speed;
        const SettingsReport report = BuildSettingsReport(profile);
        EXPECT_EQ(ReportToHex(std::span(report).subspan(3, 5)),
                  ReportToHex(std::array<std::uint8_t, 5>{0, static_cast<std::uint8_t>(byte4)}));
    }
}

TEST(SettingsReport, FieldsOutOfRangeStayInsideTheirBytes) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.light_type = 9;  // no colour entry for this effect
    profile.light_bright = INT32_MAX;
    profile.light_speed = INT32_MIN;
    profile.DPI_Cur = 0x1234;
    const SettingsReport report = BuildSettingsReport(profile);
    EXPECT_EQ(report[1], 0x34);
    EXPECT_EQ(report[3], 0x90);
    EXPECT_EQ(ReportToHex(std::span(report).subspan(4, 4)), "05000000");
}

TEST(CommandReport, IsTheFixedCommand) {
    EXPECT_EQ(ReportToHex(BuildCommandReport()), "065a000000000000");
}

struct LightByteBack {
    std::uint8_t lightByte;
    int type, cycle;
};

TEST(SettingsReadBack, LightByteSplitsIntoEffectAndCycleWhateverTheEffect) {
    for (const LightByteBack& c : {LightByteBack{0x01, 0, 1}, {0x13, 1, 3}, {0x50, 5, 0}}) {
        ProfileRecord profile = DefaultProfileRecord();
        profile.light_bright_colorID = 6;
        SettingsReport report = BuildSettingsReport(profile);
        report[3] = c.lightByte;
        DecodeSettingsReport(report, profile);
        EXPECT_EQ(profile.light_type, c.type);
        EXPECT_EQ(profile.Cycle_enable, c.cycle);
        EXPECT_EQ(profile.light_bright_colorID, 6);
    }
}

struct ColourBack {
    std::uint8_t lightByte;
    int brightBefore;
    std::array<std::uint8_t, 3> sent;
    std::size_t entry;
    std::int32_t colour;
    int brightAfter, enableAfter;
};

TEST(SettingsReadBack, ColourIsScaledBackByTheProfilesBrightness) {
    const ColourBack cases[] = {
        {0x20, 3, {0x4C, 0x99, 0x00}, 1, 0x00FF7E, 3, 1},  // not exactly the colour sent
        {0x00, 0, {0x11, 0x22, 0x33}, 0, 0x332211, 5, 1},  // stored as read, brightness 5
        {0x40, 4, {0x00, 0x00, 0x00}, 3, 0, 0, 0},         // black turns the lighting off
        {0x00, -2, {0x01, 0x00, 0x00}, 0, 0x000001, 5, 1},
    };
    for (const ColourBack& c : cases) {
        ProfileRecord profile = DefaultProfileRecord();
        profile.light_bright = c.brightBefore;
        SettingsReport report{};
        report[3] = c.lightByte;
        std::copy(c.sent.begin(), c.sent.end(), report.begin() + 5);
        DecodeSettingsReport(report, profile);
        EXPECT_EQ(profile.light_Color[c.entry], c.colour) << "light byte " << int{c.lightByte};
        EXPECT_EQ(profile.light_bright, c.brightAfter);
        EXPECT_EQ(profile.Enable_light, c.enableAfter);
    }
}

TEST(SettingsReadBack, EffectWithoutColourEntryDropsTheColour) {
    ProfileRecord profile = DefaultProfileRecord();
    const auto colours = profile.light_Color;
    SettingsReport report{};
    report[3] = 0xF0;
    report[5] = 0x80;
    DecodeSettingsReport(report, profile);
    EXPECT_EQ(profile.light_type, 15);
    EXPECT_EQ(profile.light_Color, colours);
}

TEST(SettingsReadBack, DpiAndSpeedFields) {
    ProfileRecord profile = DefaultProfileRecord();
    const SettingsReport report = ReportOf<kSettingsReportSize>(
        "0307030004000000"
        "0a000102030405"
        "00"
        "010203"
        "040506"
        "070809"
        "0a0b0c"
        "0d0e0f"
        "101112"
        "131415"
        "000000");
    DecodeSettingsReport(report, profile);
    EXPECT_EQ(profile.DPI_Cur, 7);
    EXPECT_EQ(profile.POLLRATE_VALUE, 3);
    EXPECT_EQ(profile.light_speed, 1);
    EXPECT_EQ(profile.DPI_Value, (std::array<std::int32_t, 7>{10, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(profile.DPI_Color[0], 0x030201);
    EXPECT_EQ(profile.DPI_Color[6], 0x151413);
}

}  // namespace
