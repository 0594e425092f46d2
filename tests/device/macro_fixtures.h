#pragma once
// Button assignments written compactly in tests.

#include <cstdint>
#include <initializer_list>

#include "config/records.h"

inline constexpr std::uint8_t kDelay = 0xFF;

inline MacroEvent Press(std::uint8_t code) { return {code, 0, 1}; }
inline MacroEvent Release(std::uint8_t code) { return {code, 0, 0}; }
inline MacroEvent Wait(std::uint16_t milliseconds) { return {kDelay, 0, milliseconds}; }

inline ButtonAssignment Action(std::uint8_t code) {
    ButtonAssignment assignment{};
    assignment.ActionCode = code;
    return assignment;
}

inline ButtonAssignment Macro(std::uint8_t code, std::initializer_list<MacroEvent> events,
                              std::uint8_t repeatMode = 0, std::uint8_t repeatCount = 0) {
    ButtonAssignment assignment = Action(code);
    std::size_t i = 0;
    for (const MacroEvent& event : events) assignment.Events[i++] = event;
    assignment.EventCount = static_cast<std::uint8_t>(events.size());
    assignment.RepeatMode = repeatMode;
    assignment.RepeatCount = repeatCount;
    return assignment;
}
