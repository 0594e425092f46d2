#pragma once
// One step of feature report 4: the unit in which the mouse stores what a
// button does. Shared by the report's writer and its reader.

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "config/records.h"

// Kinds, in the high nibble of an entry's first byte.
inline constexpr std::uint8_t kKindButtonsDown = 0x20;
inline constexpr std::uint8_t kKindFunction = 0x40;
inline constexpr std::uint8_t kKindKeyboard = 0x60;
inline constexpr std::uint8_t kKindSystem = 0x80;
inline constexpr std::uint8_t kKindButtonsUp = 0xA0;
inline constexpr std::uint8_t kKindTwoByteStep = 0xC0;

// Action codes of a button assignment that the report treats apart from the
// one-entry actions.
inline constexpr std::uint8_t kActionRightButton = 0xA1;
inline constexpr std::uint8_t kActionDoubleClick = 0xA5;
inline constexpr std::uint8_t kActionMacroA6 = 0xA6;
inline constexpr std::uint8_t kActionMacroA7 = 0xA7;
inline constexpr std::uint8_t kActionWithoutEntry = 0xAB;  // what a slot without entries reads as

// Codes of macro events besides keys and mouse buttons.
inline constexpr std::uint8_t kEventDelay = 0xFF;
inline constexpr std::uint8_t kEventTwoByteStep = 12;
// A two-byte step's entry holds the high byte of its value less this.
inline constexpr std::uint8_t kTwoByteStepBias = 0x32;

struct ActionEntry {
    std::uint8_t KindSlot;  // kind in the high nibble, slot number (1 to 7) in the low
    std::array<std::uint8_t, 3> Param;
    std::array<std::uint8_t, 3> Unused;
    std::uint8_t Repeat;               // the RepeatByte in every entry of a macro, else 0
    std::array<std::uint8_t, 2> Time;  // little-endian: a macro step's delay, or a fixed time

    std::uint8_t Kind() const { return KindSlot & 0xF0; }
    std::uint16_t TimeValue() const { return static_cast<std::uint16_t>(Time[0] | (Time[1] << 8)); }
    void SetTime(std::uint16_t value) {
        Time = {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
    }
};

inline constexpr std::size_t kActionEntrySize = 10;
static_assert(sizeof(ActionEntry) == kActionEntrySize && std::is_trivially_copyable_v<ActionEntry>,
              "entries are copied to and from the report as raw bytes");

// The entries of one slot: at most one per macro event.
using SlotEntries = std::array<ActionEntry, kMacroEventCapacity>;
static_assert(sizeof(SlotEntries) == 920);

// Header of a macro: (RepeatMode + 1) in the high nibble; mode 1 adds the
// repeat count, held to 1..15 on the way out (the stored count is left alone).
constexpr std::uint8_t RepeatByte(std::uint8_t repeatMode, std::uint8_t repeatCount) {
    auto byte = static_cast<std::uint8_t>((repeatMode + 1) << 4);
    if (repeatMode == 1) {
        const std::uint8_t count = repeatCount < 1 ? 1 : (repeatCount > 15 ? 15 : repeatCount);
        byte = static_cast<std::uint8_t>(byte + count);
    }
    return byte;
}
