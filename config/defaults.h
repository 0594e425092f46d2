#pragma once
// The values a record takes where the configuration file has nothing.

#include "config/records.h"

inline constexpr std::array<std::int32_t, kDpiStages> kDefaultDpiValues = {2, 4, 5, 6, 7, 8, 9};
inline constexpr std::array<std::int32_t, kDpiStages> kDefaultDpiColours = {
    0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
inline constexpr std::array<std::int32_t, kColourSlots> kDefaultCycleColours = {
    0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xFFFFFF};
inline constexpr std::int32_t kDefaultLightColour = 0x0000FF;

// Default action of each button slot. Slot 6 holds 0x00, which is no accepted
// code: the button report always sends a fixed action for that button.
inline constexpr std::array<std::uint8_t, kButtonSlots> kDefaultActionCodes = {
    0xA0, 0xA2, 0xA1, 0xC2, 0xA4, 0xA3, 0x00};

// Resets a slot to its default assignment; the reserved bytes keep their values.
void ResetButtonAssignment(ButtonAssignment& assignment, int slot);

ButtonAssignment DefaultButtonAssignment(int slot);
ProfileRecord DefaultProfileRecord();
GlobalSettings DefaultGlobalSettings();
ConfigDocument DefaultConfigDocument();
