#include "device/button_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/defaults.h"
#include "device/report_hex.h"
#include "tests/device/macro_fixtures.h"

namespace {

std::string Zeros(std::size_t bytes) { return std::string(2 * bytes, '0'); }

ButtonReport Build(const ProfileRecord& profile) {
    ButtonReport report;
    report.fill(0xEE);  // the build must not rely on a zeroed buffer
    BuildButtonReport(profile, report);
    return report;
}

std::string EntriesAt(const ButtonReport& report, std::size_t offset, std::size_t count) {
    return ReportToHex(std::span(report).subspan(1 + offset, count * kActionEntrySize));
}

using Encoder = int (*)(ButtonAssignment, SlotEntries&);

std::string Encoded(Encoder encode, const ButtonAssignment& assignment) {
    SlotEntries entries{};
    const auto count = static_cast<std::size_t>(encode(assignment, entries));
    std::vector<std::uint8_t> bytes(count * kActionEntrySize);
    if (!bytes.empty()) std::memcpy(bytes.data(), entries.data(), bytes.size());
    return ReportToHex(bytes);
}

TEST(ButtonReport, DefaultAssignmentsFillSevenSlotsInSwappedOrder) {
    EXPECT_EQ(ReportToHex(Build(DefaultProfileRecord())),
              "04"
              "30003a0044004e00580062006c00" +
                  Zeros(34) +
                  "2101000000000000ffff"    // slot 0: left button
                  "2202000000000000ffff"    // slot 1 carries assignment 2: right button
                  "2304000000000000ffff"    // slot 2 carries assignment 1: middle button
                  "44000000000000000000"    // 0xC2
                  "2510000000000000ffff"    // button 5
                  "2608000000000000ffff"    // button 4
                  "2702000000000000ffff" +  // slot 6 always the right button
                  Zeros(2049 - 119));
}

TEST(ButtonReport, CodesWithoutEntryLeaveTheSlotEmptyAndTheNextFollowsOn) {
    for (const std::uint8_t code : {0x00, 0x9F, 0xA8, 0xAB, 0xAF, 0xBB, 0xC8, 0xD7, 0xFF}) {
        ProfileRecord profile = DefaultProfileRecord();
        profile.ButtonAssigned[0] = Action(code);
        const ButtonReport report = Build(profile);
        const SlotTable table = ReadSlotTable(report);
        EXPECT_EQ(table[0], kEmptySlot) << "code " << int{code};
        EXPECT_EQ(table[1], 48);
        EXPECT_EQ(EntriesAt(report, 48, 1), "2202000000000000ffff");
    }
}

TEST(ButtonReport, LastSlotIsTheRightButtonWhateverItsAssignment) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.ButtonAssigned[6] = Macro(0xA6, {Press(0x14), Release(0x14)});
    const ButtonReport report = Build(profile);
    EXPECT_EQ(ReadSlotTable(report)[6], 108);
    EXPECT_EQ(EntriesAt(report, 108, 2), "2702000000000000ffff" + Zeros(10));
}

TEST(ButtonReport, DoubleClickOfAssignmentOneGoesToSlotTwo) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.ButtonAssigned[1] = Action(0xA5);
    const ButtonReport report = Build(profile);
    const SlotTable table = ReadSlotTable(report);
    EXPECT_EQ(table[2], 68);
    EXPECT_EQ(table[3], 108);
    EXPECT_EQ(EntriesAt(report, 68, 4),
              "23010000000000000f00"
              "a3010000000000000f00"
              "23010000000000000f00"
              "a3010000000000000f00");
}

TEST(ButtonReport, MacroEntriesCarryTheSlotNumber) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.ButtonAssigned[3] = Macro(0xA6, {Press(0x14), Wait(50), Release(0x14), Wait(30)});
    const ButtonReport report = Build(profile);
    EXPECT_EQ(EntriesAt(report, 78, 2),
              "64000400000000103200"
              "64000000000000101e00");
    EXPECT_EQ(ReadSlotTable(report)[4], 98);
}

TEST(ButtonReport, MacroWithoutEventsPointsAtTheNextSlotsEntries) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.ButtonAssigned[0] = Macro(0xA7, {});
    const SlotTable table = ReadSlotTable(Build(profile));
    EXPECT_EQ(table[0], 48);
    EXPECT_EQ(table[1], 48);
}

ButtonAssignment LongMacro(std::size_t events) {
    ButtonAssignment assignment = Action(0xA6);
    for (std::size_t i = 0; i < events; ++i) assignment.Events[i] = Press(0x14);
    return assignment;
}

TEST(ButtonReport, MacroThatDoesNotFitIsLeftOutWholeAndPlainActionsKeepTheirRoom) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.ButtonAssigned[0] = LongMacro(92);
    profile.ButtonAssigned[2] = LongMacro(92);  // slot 1
    profile.ButtonAssigned[1] = LongMacro(15);  // slot 2: 15 > the 200 - 184 - 13 left
    profile.ButtonAssigned[3] = Action(0xA5);
    profile.ButtonAssigned[4] = Action(0xA5);
    profile.ButtonAssigned[5] = Action(0xA5);
    const ButtonReport report = Build(profile);
    const SlotTable table = ReadSlotTable(report);
    EXPECT_EQ(table, (SlotTable{48, 968, kEmptySlot, 1888, 1928, 1968, 2008}));
    EXPECT_EQ(EntriesAt(report, 2008, 1), "2702000000000000ffff");
    EXPECT_EQ(report[1 + 2008 + 10 + 0], 0);
}

TEST(ButtonReport, SmallerMacroStillFitsAfterALargerOneWasLeftOut) {
    ProfileRecord profile = DefaultProfileRecord();
    for (const std::size_t slot : {0, 1, 2, 3, 4, 5}) profile.ButtonAssigned[slot] = LongMacro(92);
    profile.ButtonAssigned[5] = LongMacro(15);
    const ButtonReport report = Build(profile);
    const SlotTable table = ReadSlotTable(report);
    EXPECT_EQ(table, (SlotTable{48, 968, kEmptySlot, kEmptySlot, kEmptySlot, 1888, 2038}));
    EXPECT_EQ(EntriesAt(report, 2038, 1), "2702000000000000ffff");  // the report's last bytes
}

struct MacroCase {
    const char* what;
    ButtonAssignment assignment;
    const char* entries;
};

TEST(EncodeMacroA6, OneEntryPerStepWithTheFollowingDelay) {
    const MacroCase cases[] = {
        {"worked example", Macro(0xA6, {Press(0x14), Wait(50), Release(0x14), Wait(30)}),
         "60000400000000103200"
         "60000000000000101e00"},
        {"leading delay becomes a keyboard step", Macro(0xA6, {Wait(41), Press(0x14)}),
         "60000000000000100000"
         "60000400000000100000"},
        {"two delays keep the second",
         Macro(0xA6, {Press(0x14), Wait(10), Wait(20), Release(0x14)}),
         "60000400000000101400"
         "60000000000000100000"},
        {"mouse buttons; a release repeats the button before",
         Macro(0xA6, {Press(1), Release(1), Press(4), Wait(5), Release(4)}),
         "20010000000000100000"
         "a0010000000000100000"
         "20040000000000100500"
         "a0040000000000100000"},
        {"usage above a byte is cut to its low byte", Macro(0xA6, {Press(0x99)}),
         "60002300000000100000"},
        {"press is bit 0 of the value", Macro(0xA6, {{0x14, 0, 3}, {0x14, 0, 2}}),
         "60000400000000100000"
         "60000000000000100000"},
        {"repeat byte in every entry", Macro(0xA6, {Press(0x14), Release(0x14)}, 1, 3),
         "60000400000000230000"
         "60000000000000230000"},
        {"no events", Macro(0xA6, {}), ""},
    };
    for (const MacroCase& c : cases)
        EXPECT_EQ(Encoded(EncodeMacroA6, c.assignment), c.entries) << c.what;
}

TEST(EncodeMacroA7, ButtonsAndTwoByteStepsButNoKeys) {
    const MacroCase cases[] = {
        {"buttons, two-byte steps and their release, a key",
         Macro(0xA7, {Press(2), Release(2), {12, 0, 0x3412}, Wait(7), {12, 0, 0}, Press(0x14)}),
         "20020000000000100000"
         "a0020000000000100000"
         "c0021200000000100700"
         "a0021200000000100000"
         "60000000000000100000"},
        {"high byte below 0x32 wraps", Macro(0xA7, {{12, 0, 0x0105}}), "c0cf0500000000100000"},
        {"any non-zero value presses", Macro(0xA7, {{4, 0, 2}}), "20040000000000100000"},
    };
    for (const MacroCase& c : cases)
        EXPECT_EQ(Encoded(EncodeMacroA7, c.assignment), c.entries) << c.what;
}

TEST(EncodeMacro, WalksEventsToTheFirstZeroCodeOrTheNinetySecond) {
    ButtonAssignment assignment = LongMacro(92);
    assignment.EventCount = 1;  // not consulted
    SlotEntries entries{};
    EXPECT_EQ(EncodeMacroA6(assignment, entries), 92);
    assignment.Events[40].Code = 0;
    EXPECT_EQ(EncodeMacroA6(assignment, entries), 40);
}

TEST(RepeatByte, ModePlusOneWithTheCountHeldToOneToFifteenInModeOne) {
    struct Case {
        std::uint8_t mode, count, byte;
    };
    for (const Case c : {Case{0, 5, 0x10},
                         {1, 0, 0x21},
                         {1, 1, 0x21},
                         {1, 3, 0x23},
                         {1, 15, 0x2F},
                         {1, 20, 0x2F},
                         {2, 9, 0x30}}) {
        EXPECT_EQ(RepeatByte(c.mode, c.count), c.byte) << int{c.mode} << "/" << int{c.count};
    }
}

}  // namespace
