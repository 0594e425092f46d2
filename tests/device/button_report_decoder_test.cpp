#include "device/button_report_decoder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "config/defaults.h"
#include "tests/device/macro_fixtures.h"
#include "tests/device/report_bytes.h"

namespace {

using ::testing::ElementsAreArray;

// Reads the report of `uploaded` back, with `uploaded` as the stored profile.
ProfileRecord ReadBack(const ProfileRecord& uploaded) {
    ButtonReport report;
    BuildButtonReport(uploaded, report);
    ProfileRecord back = DefaultProfileRecord();
    DecodeButtonReport(report, back, uploaded);
    return back;
}

ProfileRecord Decoded(const ButtonReport& report) {
    ProfileRecord back = DefaultProfileRecord();
    DecodeButtonReport(report, back, DefaultProfileRecord());
    return back;
}

std::vector<std::uint8_t> ActionCodes(const ProfileRecord& profile) {
    std::vector<std::uint8_t> codes;
    for (const ButtonAssignment& assignment : profile.ButtonAssigned) {
        codes.push_back(assignment.ActionCode);
    }
    return codes;
}

std::vector<std::pair<int, int>> Events(const ButtonAssignment& assignment) {
    std::vector<std::pair<int, int>> events;
    for (std::size_t i = 0; i < assignment.EventCount; ++i) {
        events.emplace_back(assignment.Events[i].Code, assignment.Events[i].Value);
    }
    return events;
}

TEST(ButtonReadBack, DefaultsComeBackWithTheForcedRightButtonInTheLastSlot) {
    EXPECT_THAT(ActionCodes(ReadBack(DefaultProfileRecord())),
                ElementsAreArray({0xA0, 0xA2, 0xA1, 0xC2, 0xA4, 0xA3, 0xA1}));
}

TEST(ButtonReadBack, PlainSlotsKeepNothingButTheirCode) {
    ProfileRecord uploaded = DefaultProfileRecord();
    uploaded.ButtonAssigned[0].MacroRef = 5;
    uploaded.ButtonAssigned[0].reserved1 = 9;
    const ButtonAssignment back = ReadBack(uploaded).ButtonAssigned[0];
    ButtonAssignment expected{};
    expected.ActionCode = 0xA0;
    EXPECT_EQ(std::memcmp(&back, &expected, sizeof back), 0);
}

TEST(ButtonReadBack, EmptyOffsetsAndOddLengthsReadAsNoEntry) {
    // Slot 0 empty; slot 1 at 0x10FF, which becomes 0xFF (empty); slot 2 at 48
    // with 30 bytes to slot 3 at 78.
    const ButtonReport report = ReportOf<kButtonReportSize>(
        "04"
        "ffff"
        "ff10"
        "3000"
        "4e00"
        "5800"
        "6200"
        "6c00" +
        std::string(2 * 34, '0') + "2101");
    const ProfileRecord back = Decoded(report);
    EXPECT_EQ(back.ButtonAssigned[0].ActionCode, 0xAB);
    EXPECT_EQ(back.ButtonAssigned[2].ActionCode, 0xAB);  // slot 1
    EXPECT_EQ(back.ButtonAssigned[1].ActionCode, 0xAB);  // slot 2: 30 bytes
}

TEST(ButtonReadBack, SlotSharingTheNextSlotsOffsetTakesItsFirstEntry) {
    ProfileRecord uploaded = DefaultProfileRecord();
    uploaded.ButtonAssigned[0] = Macro(0xA6, {});
    uploaded.ButtonAssigned[2] = Action(0xC0);  // slot 1
    EXPECT_EQ(ReadBack(uploaded).ButtonAssigned[0].ActionCode, 0xC0);
}

struct MacroBack {
    const char* what;
    ButtonAssignment uploaded;
    std::uint8_t code;
    std::vector<std::pair<int, int>> events;
};

TEST(ButtonReadBack, MacrosComeBackAsEvents) {
    const MacroBack cases[] = {
        {"worked example",
         Macro(0xA6, {Press(0x14), Wait(50), Release(0x14), Wait(30)}),
         0xA6,
         {{0x14, 1}, {0xFF, 50}, {0x14, 0}, {0xFF, 0}}},
        {"release straight after its press releases that key",
         Macro(0xA6, {Press(0x14), Release(0x14), Wait(30), Press(0x15), Release(0x15)}),
         0xA6,
         {{0x14, 1}, {0x14, 0}, {0xFF, 30}, {0x15, 1}, {0x15, 0}}},
        {"the last event's value is cleared",
         Macro(0xA6, {Press(1), Release(1), Press(0x14)}),
         0xA6,
         {{1, 1}, {1, 0}, {0x14, 0}}},
        {"shared usage reads back as the later key code",
         Macro(0xA6, {Press(0x7D), Wait(9)}),
         0xA6,
         {{0x8F, 1}, {0xFF, 0}}},
        {"usage cut to a byte", Macro(0xA6, {Press(0x99), Wait(9)}), 0xA6, {{0x30, 1}, {0xFF, 0}}},
        {"usage no key has", Macro(0xA6, {Press(0x90), Wait(9)}), 0xA6, {{0, 1}, {0xFF, 0}}},
        {"two-byte step third makes an 0xA7 macro",
         Macro(0xA7, {Press(2), Release(2), {12, 0, 0x3412}, Wait(7), Press(4)}),
         0xA7,
         {{2, 1}, {2, 0}, {12, 0x3412}, {0xFF, 7}, {4, 1}}},
        {"an 0xA7 macro without it reads as 0xA6",
         Macro(0xA7, {Press(2), Release(2), Press(4)}),
         0xA6,
         {{2, 1}, {2, 0}, {4, 0}}},
    };
    for (const MacroBack& c : cases) {
        ProfileRecord uploaded = DefaultProfileRecord();
        uploaded.ButtonAssigned[3] = c.uploaded;
        const ButtonAssignment back = ReadBack(uploaded).ButtonAssigned[3];
        EXPECT_EQ(back.ActionCode, c.code) << c.what;
        EXPECT_EQ(back.ButtonNo, 4) << c.what;
        EXPECT_EQ(Events(back), c.events) << c.what;
        EXPECT_EQ(back.Events[back.EventCount].Code, 0) << c.what;
    }
}

TEST(ButtonReadBack, RepeatModeAndCountComeFromTheFirstEntry) {
    ProfileRecord uploaded = DefaultProfileRecord();
    uploaded.ButtonAssigned[1] = Macro(0xA6, {Press(0x14)}, 1, 20);
    const ButtonAssignment back = ReadBack(uploaded).ButtonAssigned[1];
    EXPECT_EQ(back.RepeatMode, 1);
    EXPECT_EQ(back.RepeatCount, 15);
    EXPECT_EQ(back.ButtonNo, 2);
}

struct RefCase {
    const char* what;
    ButtonAssignment stored;
    std::int32_t macroRef;
};

TEST(ButtonReadBack, MacroKeepsItsStoredReferenceOnlyWhenUnchanged) {
    const ButtonAssignment uploaded = Macro(0xA6, {Press(0x14), Wait(50), Release(0x14), Wait(30)});
    auto withRef = [](ButtonAssignment assignment) {
        assignment.MacroRef = 7;
        return assignment;
    };
    const RefCase cases[] = {
        {"the same macro (last delay's value is not compared)", withRef(uploaded), 7},
        {"another delay", withRef(Macro(0xA6, {Press(0x14), Wait(5), Release(0x14), Wait(3)})), 7},
        {"another key", withRef(Macro(0xA6, {Press(0x15), Wait(50), Release(0x15), Wait(30)})), -1},
        {"another event count", withRef(Macro(0xA6, {Press(0x14), Wait(50), Release(0x14)})), -1},
        {"another action", withRef(Macro(0xA7, {Press(0x14), Wait(50), Release(0x14), Wait(30)})),
         -1},
    };
    for (const RefCase& c : cases) {
        ProfileRecord profile = DefaultProfileRecord();
        profile.ButtonAssigned[3] = uploaded;
        ProfileRecord storedProfile = profile;
        storedProfile.ButtonAssigned[3] = c.stored;
        ButtonReport report;
        BuildButtonReport(profile, report);
        DecodeButtonReport(report, profile, storedProfile);
        EXPECT_EQ(profile.ButtonAssigned[3].MacroRef, c.macroRef) << c.what;
    }
}

TEST(SameButtonAssignment, DelaysAreNeverCompared) {
    const ButtonAssignment a = Macro(0xA6, {Press(0x14), Wait(5), Release(0x14)});
    EXPECT_TRUE(SameButtonAssignment(a, a));
    EXPECT_TRUE(SameButtonAssignment(a, Macro(0xA6, {Press(0x14), Press(0x77), Release(0x14)})));
    EXPECT_FALSE(SameButtonAssignment(a, Macro(0xA6, {Press(0x14), Wait(5), Press(0x14)})));
    ButtonAssignment other = a;
    other.Events[50] = Press(3);  // beyond EventCount, still compared
    EXPECT_FALSE(SameButtonAssignment(a, other));
}

// Entries of one macro step each: key 0x14 down with a delay of 1, repeat 0x10.
void FillWithMacroSteps(ButtonReport& report, std::size_t from) {
    for (std::size_t at = from; at + kActionEntrySize <= kButtonReportSize - 1;
         at += kActionEntrySize) {
        const std::uint8_t step[] = {0x61, 0, 0x04, 0, 0, 0, 0, 0x10, 1, 0};
        std::copy(std::begin(step), std::end(step), report.begin() + 1 + at);
    }
}

TEST(ButtonReadBack, OversizeSlotKeepsItsFirst92EntriesAndEventsStopAt92) {
    ButtonReport report{};
    report[0] = 4;
    WriteSlotTable({48, 2000, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot}, report);
    FillWithMacroSteps(report, 48);
    const ButtonAssignment back = Decoded(report).ButtonAssigned[0];
    EXPECT_EQ(back.ActionCode, 0xA6);
    EXPECT_EQ(back.EventCount, 92);  // 92 entries would give 184 events
    EXPECT_EQ(back.Events[90].Code, 0x14);
    EXPECT_EQ(back.Events[91].Code, 0xFF);
    EXPECT_EQ(back.Events[91].Value, 0);  // the last event's value is cleared
}

TEST(ButtonReadBack, SlotsAtTheEndOfTheReportAreReadOnlyAsFarAsItGoes) {
    ButtonReport report{};
    report[0] = 4;
    FillWithMacroSteps(report, 48);
    // Slot 0 past the end, slot 1 with one byte in the report, slot 6 measured
    // through entries that run to the last byte.
    WriteSlotTable({2049, 2047, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, 1848}, report);
    const ProfileRecord back = Decoded(report);
    EXPECT_EQ(back.ButtonAssigned[0].ActionCode, 0xAB);
    EXPECT_EQ(back.ButtonAssigned[2].ActionCode, 0xAB);
    EXPECT_EQ(back.ButtonAssigned[6].ActionCode, 0xA6);
    EXPECT_EQ(back.ButtonAssigned[6].EventCount, 40);  // 20 entries to the end
}

TEST(DecodeMacro, EntryCountIsHeldToTheStagingArea) {
    SlotEntries entries{};
    for (ActionEntry& entry : entries) {
        entry = ActionEntry{0x21, {0x01, 0, 0}, {}, 0x10, {0, 0}};
    }
    ButtonAssignment assignment{};
    EXPECT_EQ(DecodeMacroA6(assignment, entries, 1000), 92);
    EXPECT_EQ(DecodeMacroA7(assignment, entries, -3), 0);
}

}  // namespace
