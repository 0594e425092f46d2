// Random valid profiles built into reports 3 and 4 and read back. What comes
// back equals what went out, except for what the reports cannot carry:
// - the light colour, scaled by brightness/5 on the way out and by
//   5/brightness on the way back, loses what the integer divisions drop;
// - the light byte carries Cycle_enable for effects 0 and 5 only, and
//   light_bright_colorID for effect 1, which reads back as Cycle_enable;
// - an 0xA6 macro reads back with the value of its last event cleared;
// - key codes that share a usage read back as the later code of the table
//   (and the macro then loses its stored MacroRef);
// - the repeat count travels only in repeat mode 1, held to 1..15;
// - plain actions keep only their code; codes without entries read back as
//   0xAB, and the last slot always as 0xA1.
// The generator leaves out what the reports cannot carry back at all: a delay
// that follows nothing, key codes without a usage or with one above a byte,
// and 0xA7 macros whose third step is not a two-byte step.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "config/defaults.h"
#include "config/validation.h"
#include "device/button_report.h"
#include "device/button_report_decoder.h"
#include "device/key_usage_table.h"
#include "device/settings_report.h"

namespace {

class RandomProfiles {
  public:
    explicit RandomProfiles(unsigned seed) : random_(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    // A colour bright enough that its scaled form is never black.
    std::int32_t Colour() { return Between(0, 0xFFFFFF) | (0x80 << (8 * Between(0, 2))); }

    ProfileRecord Settings() {
        ProfileRecord profile = DefaultProfileRecord();
        profile.DPI_Cur = Between(0, 7);
        profile.POLLRATE_VALUE = Between(0, 3);
        profile.light_type = Between(0, 6);
        profile.Cycle_enable = Between(0, 1);
        profile.light_bright_colorID = Between(0, 6);
        profile.light_bright = Between(1, 5);
        profile.light_speed = Between(1, 5);
        for (auto& value : profile.DPI_Value) value = Between(0, 10);
        for (auto& colour : profile.DPI_Color) colour = Between(0, 0xFFFFFF);
        for (auto& colour : profile.light_Color) colour = Colour();
        return profile;
    }

    std::uint8_t Key() {
        static const std::vector<std::uint8_t> keys = [] {
            std::vector<std::uint8_t> codes;
            for (const KeyUsagePair& pair : KeyUsageTable) {
                // 0x10 is also the code of mouse button 5.
                if (pair.Usage != 0 && pair.Usage <= 0xFF && pair.KeyCode != 0x10) {
                    codes.push_back(pair.KeyCode);
                }
            }
            return codes;
        }();
        return keys[static_cast<std::size_t>(Between(0, static_cast<int>(keys.size()) - 1))];
    }

    std::uint8_t MouseButton() { return static_cast<std::uint8_t>(1 << Between(0, 4)); }

    void MaybeWait(std::vector<MacroEvent>& events) {
        if (Between(0, 1) != 0)
            events.push_back({0xFF, 0, static_cast<std::uint16_t>(Between(1, 0xFFFF))});
    }

    // Presses each followed by its release, with delays between some steps.
    void PressAndRelease(std::uint8_t code, std::vector<MacroEvent>& events) {
        events.push_back({code, 0, 1});
        MaybeWait(events);
        events.push_back({code, 0, 0});
        MaybeWait(events);
    }

    void TwoByteStep(std::vector<MacroEvent>& events) {
        events.push_back({12, 0, static_cast<std::uint16_t>(Between(1, 0xFFFF))});
        MaybeWait(events);
    }

    std::vector<MacroEvent> EventsA6() {
        std::vector<MacroEvent> events;
        for (int steps = Between(1, 8); steps > 0; --steps) {
            PressAndRelease(Between(0, 3) == 0 ? MouseButton() : Key(), events);
        }
        return events;
    }

    // A button step and then a two-byte step, so that the third entry tells
    // the read-back that this is an 0xA7 macro.
    std::vector<MacroEvent> EventsA7() {
        std::vector<MacroEvent> events;
        PressAndRelease(MouseButton(), events);
        TwoByteStep(events);
        for (int steps = Between(0, 6); steps > 0; --steps) {
            if (Between(0, 1) != 0) {
                PressAndRelease(MouseButton(), events);
            } else {
                TwoByteStep(events);
            }
        }
        return events;
    }

    ButtonAssignment Macro(std::uint8_t code) {
        ButtonAssignment assignment{};
        assignment.ActionCode = code;
        const auto events = code == 0xA6 ? EventsA6() : EventsA7();
        std::copy(events.begin(), events.end(), assignment.Events.begin());
        assignment.EventCount = static_cast<std::uint8_t>(events.size());
        assignment.RepeatMode = static_cast<std::uint8_t>(Between(0, 2));
        assignment.RepeatCount =
            static_cast<std::uint8_t>(assignment.RepeatMode == 1 ? Between(1, 15) : 0);
        assignment.MacroRef = Between(0, 1000);
        return assignment;
    }

    ButtonAssignment Assignment() {
        static const std::vector<std::uint8_t> codes = [] {
            std::vector<std::uint8_t> accepted;
            for (int code = 0xA0; code <= 0xD6; ++code) {
                if (code != 0xA6 && code != 0xA7 &&
                    IsAcceptedActionCode(static_cast<std::uint8_t>(code))) {
                    accepted.push_back(static_cast<std::uint8_t>(code));
                }
            }
            return accepted;
        }();
        switch (Between(0, 3)) {
            case 0:
                return Macro(0xA6);
            case 1:
                return Macro(0xA7);
            default: {
                ButtonAssignment assignment{};
                assignment.ActionCode =
                    codes[static_cast<std::size_t>(Between(0, static_cast<int>(codes.size()) - 1))];
                assignment.ButtonNo = 3;
                assignment.MacroRef = -1;
                return assignment;
            }
        }
    }

  private:
    std::mt19937 random_;
};

bool IsMouseButtonCode(std::uint8_t code) {
    return code == 1 || code == 2 || code == 4 || code == 8 || code == 16;
}

ButtonAssignment ExpectedBack(const ButtonAssignment& sent, int index) {
    ButtonAssignment expected{};
    if (index == kButtonSlots - 1) {
        expected.ActionCode = 0xA1;
        return expected;
    }
    if (sent.ActionCode != 0xA6 && sent.ActionCode != 0xA7) {
        const bool hasEntries = sent.ActionCode < 0xA8 || sent.ActionCode > 0xAB;
        expected.ActionCode = hasEntries ? sent.ActionCode : 0xAB;
        return expected;
    }
    expected = sent;
    expected.ButtonNo = static_cast<std::uint8_t>(index + 1);
    bool changed = false;
    for (std::size_t i = 0; i < sent.EventCount; ++i) {
        MacroEvent& event = expected.Events[i];
        if (sent.ActionCode == 0xA6 && event.Code != 0xFF && !IsMouseButtonCode(event.Code)) {
            event.Code = UsageToKeyCode(KeyCodeToUsage(event.Code));
            changed = changed || event.Code != sent.Events[i].Code;
        }
    }
    if (sent.ActionCode == 0xA6) expected.Events[sent.EventCount - 1u].Value = 0;
    if (changed) expected.MacroRef = -1;
    return expected;
}

std::int32_t ExpectedCycle(const ProfileRecord& sent) {
    if (sent.light_type == 0 || sent.light_type == 5) return sent.Cycle_enable;
    return sent.light_type == 1 ? sent.light_bright_colorID : 0;
}

// Each channel comes back at most 4 below what was sent: the scaling loses
// less than one step of 5/brightness.
void ExpectScaledBack(std::int32_t sent, std::int32_t back) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int was = (sent >> shift) & 0xFF;
        const int is = (back >> shift) & 0xFF;
        EXPECT_LE(is, was);
        EXPECT_LE(was - is, 4);
    }
    EXPECT_EQ(back >> 24, 0);
}

TEST(ReportRoundTrip, RandomProfilesComeBackButForWhatTheReportsCannotCarry) {
    RandomProfiles random(20261211);
    for (int round = 0; round < 3000; ++round) {
        ProfileRecord sent = random.Settings();
        for (ButtonAssignment& assignment : sent.ButtonAssigned) assignment = random.Assignment();

        ProfileRecord back = sent;
        DecodeSettingsReport(BuildSettingsReport(sent), back);
        ButtonReport report;
        BuildButtonReport(sent, report);
        DecodeButtonReport(report, back, sent);

        ProfileRecord expected = sent;
        expected.Cycle_enable = ExpectedCycle(sent);
        const std::size_t colour =
            sent.light_type == 0 ? 0 : static_cast<std::size_t>(sent.light_type - 1);
        ExpectScaledBack(sent.light_Color[colour], back.light_Color[colour]);
        expected.light_Color[colour] = back.light_Color[colour];
        for (int j = 0; j < kButtonSlots; ++j) {
            const auto index = static_cast<std::size_t>(j);
            expected.ButtonAssigned[index] = ExpectedBack(sent.ButtonAssigned[index], j);
            EXPECT_EQ(std::memcmp(&back.ButtonAssigned[index], &expected.ButtonAssigned[index],
                                  sizeof(ButtonAssignment)),
                      0)
                << "round " << round << ", assignment " << j << ", action "
                << int{sent.ButtonAssigned[index].ActionCode};
        }
        ASSERT_EQ(std::memcmp(&back, &expected, sizeof back), 0) << "round " << round;
    }
}

}  // namespace
