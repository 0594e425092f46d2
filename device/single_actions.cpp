#include "device/single_actions.h"

#include <array>

namespace {

// Which parameter bytes tell the actions of one kind apart.
enum Compared : std::uint8_t { kParam1 = 1, kParam2 = 2, kParam3 = 4 };

struct SingleAction {
    std::uint8_t code;
    std::uint8_t kind;
    std::array<std::uint8_t, 3> param;
    std::uint16_t time;
    std::uint8_t compared;
};

constexpr std::uint16_t kHeldButton = 0xFFFF;
constexpr std::uint8_t kControl = 0x01;
constexpr std::uint8_t kAlt = 0x04;
constexpr std::uint8_t kGui = 0x08;
constexpr std::uint8_t kKeyChord = kParam1 | kParam2;

// Read in order, first match wins: 0xB9 comes before the other system actions,
// which it would otherwise match by its zero first parameter.
constexpr std::array kSingleActions = {
    SingleAction{0xA0, kKindButtonsDown, {0x01, 0, 0}, kHeldButton, kParam1},
    SingleAction{0xA1, kKindButtonsDown, {0x02, 0, 0}, kHeldButton, kParam1},
    SingleAction{0xA2, kKindButtonsDown, {0x04, 0, 0}, kHeldButton, kParam1},
    SingleAction{0xA3, kKindButtonsDown, {0x08, 0, 0}, kHeldButton, kParam1},
    SingleAction{0xA4, kKindButtonsDown, {0x10, 0, 0}, kHeldButton, kParam1},
    SingleAction{0xB0, kKindKeyboard, {kControl, 0x06, 0}, 0, kKeyChord},
    SingleAction{0xB1, kKindKeyboard, {kControl, 0x19, 0}, 0, kKeyChord},
    SingleAction{0xB2, kKindKeyboard, {kControl, 0x1B, 0}, 0, kKeyChord},
    SingleAction{0xB3, kKindKeyboard, {kControl, 0x04, 0}, 0, kKeyChord},
    SingleAction{0xB4, kKindKeyboard, {kControl, 0x09, 0}, 0, kKeyChord},
    SingleAction{0xB5, kKindKeyboard, {kControl, 0x11, 0}, 0, kKeyChord},
    SingleAction{0xB6, kKindKeyboard, {kControl, 0x13, 0}, 0, kKeyChord},
    SingleAction{0xB7, kKindKeyboard, {kControl, 0x16, 0}, 0, kKeyChord},
    // Control+Z (usage 0x1D) in both directions, so that an uploaded 0xB8
    // reads back as 0xB8.
    SingleAction{0xB8, kKindKeyboard, {kControl, 0x1D, 0}, 0, kKeyChord},
    SingleAction{0xB9, kKindSystem, {0, 0, 0x02}, 0, kParam2 | kParam3},
    SingleAction{0xBA, kKindKeyboard, {kGui, 0x00, 0}, 0, kKeyChord},
    SingleAction{0xC0, kKindFunction, {1, 0, 0}, 0, kParam1},
    SingleAction{0xC1, kKindFunction, {2, 0, 0}, 0, kParam1},
    SingleAction{0xC2, kKindFunction, {0, 0, 0}, 0, kParam1},
    SingleAction{0xC3, kKindKeyboard, {kAlt, 0x2B, 0}, 0, kKeyChord},
    SingleAction{0xC4, kKindKeyboard, {kAlt, 0x3D, 0}, 0, kKeyChord},
    SingleAction{0xC5, kKindKeyboard, {kGui, 0x08, 0}, 0, kKeyChord},
    SingleAction{0xC6, kKindKeyboard, {kGui, 0x07, 0}, 0, kKeyChord},
    SingleAction{0xC7, kKindKeyboard, {kGui, 0x0F, 0}, 0, kKeyChord},
    SingleAction{0xD0, kKindSystem, {0x08, 0, 0}, 0, kParam1},
    SingleAction{0xD1, kKindSystem, {0x04, 0, 0}, 0, kParam1},
    SingleAction{0xD2, kKindSystem, {0x01, 0, 0}, 0, kParam1},
    SingleAction{0xD3, kKindSystem, {0x02, 0, 0}, 0, kParam1},
    SingleAction{0xD4, kKindSystem, {0x40, 0, 0}, 0, kParam1},
    SingleAction{0xD5, kKindSystem, {0x80, 0, 0}, 0, kParam1},
    SingleAction{0xD6, kKindSystem, {0x10, 0, 0}, 0, kParam1},
};

bool Matches(const SingleAction& action, const ActionEntry& entry) {
    if (entry.Kind() != action.kind) return false;
    for (std::size_t i = 0; i < action.param.size(); ++i) {
        const bool compared = (action.compared & (1U << i)) != 0;
        if (compared && entry.Param[i] != action.param[i]) return false;
    }
    return true;
}

}  // namespace

std::optional<ActionEntry> SingleActionEntry(std::uint8_t actionCode) {
    for (const SingleAction& action : kSingleActions) {
        if (action.code != actionCode) continue;
        ActionEntry entry{};
        entry.KindSlot = action.kind;
        entry.Param = action.param;
        entry.SetTime(action.time);
        return entry;
    }
    return std::nullopt;
}

std::optional<std::uint8_t> SingleActionCode(const ActionEntry& entry) {
    for (const SingleAction& action : kSingleActions) {
        if (Matches(action, entry)) return action.code;
    }
    return std::nullopt;
}
