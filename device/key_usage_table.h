#pragma once
// Key codes of the configuration program's macros and the keyboard usage
// values the mouse understands. One table serves both directions.

#include <array>
#include <cstddef>
#include <cstdint>

struct KeyUsagePair {
    std::uint8_t KeyCode;
    std::uint32_t Usage;  // 0 when the key has no usage
};

inline constexpr std::size_t kKeyUsagePairs = 145;

// One pair for every key code from 0x10 to 0xA0, in that order. Several key
// codes share a usage, and a few usages do not fit the report's usage byte.
extern const std::array<KeyUsagePair, kKeyUsagePairs> KeyUsageTable;

// The usage of the last pair whose key code matches, or 0 when none does.
std::uint32_t KeyCodeToUsage(std::uint8_t keyCode);

// The key code of the last pair whose usage matches, or 0 when none does. As
// the last match wins, a shared usage reads back as the later key code.
std::uint8_t UsageToKeyCode(std::uint32_t usage);
