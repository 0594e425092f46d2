#include "device/button_report.h"
#include "device/key_usage_table.h"

namespace {

bool IsMouseButtonCode(std::uint8_t code) {
    return code == 1 || code == 2 || code == 4 || code == 8 || code == 16;
}

// Parameters of the entry before, which a release without its own data repeats.
std::array<std::uint8_t, 3> ParamsBefore(const SlotEntries& entries, int count) {
    return count > 0 ? entries[static_cast<std::size_t>(count - 1)].Param
                     : std::array<std::uint8_t, 3>{};
}

ActionEntry StepA6(const MacroEvent& event, const std::array<std::uint8_t, 3>& before) {
    ActionEntry entry{};
    const bool press = (event.Value & 1) != 0;
    if (IsMouseButtonCode(event.Code)) {
        entry.KindSlot = press ? kKindButtonsDown : kKindButtonsUp;
        entry.Param[0] = press ? event.Code : before[0];
    } else {
        // Modifiers are keys of their own, so the modifier byte stays 0.
        entry.KindSlot = kKindKeyboard;
        if (press) entry.Param[1] = static_cast<std::uint8_t>(KeyCodeToUsage(event.Code) & 0xFF);
    }
    return entry;
}

ActionEntry StepA7(const MacroEvent& event, const std::array<std::uint8_t, 3>& before) {
    ActionEntry entry{};
    const bool down = event.Value != 0;
    if (IsMouseButtonCode(event.Code)) {
        entry.KindSlot = down ? kKindButtonsDown : kKindButtonsUp;
        entry.Param[0] = down ? event.Code : before[0];
    } else if (event.Code == kEventTwoByteStep) {
        entry.KindSlot = down ? kKindTwoByteStep : kKindButtonsUp;
        entry.Param[0] =
            down ? static_cast<std::uint8_t>((event.Value >> 8) - kTwoByteStepBias) : before[0];
        entry.Param[1] = down ? static_cast<std::uint8_t>(event.Value & 0xFF) : before[1];
    } else {
        // Keys are not carried by this kind of macro.
        entry.KindSlot = kKindKeyboard;
    }
    return entry;
}

// One entry per step; a delay is stored in the entry of the step before it,
// so a run of delays keeps the last, and a leading delay becomes a step.
template <typename Step>
int EncodeMacro(const ButtonAssignment& assignment, SlotEntries& entries, Step step) {
    const std::uint8_t repeat = RepeatByte(assignment.RepeatMode, assignment.RepeatCount);
    int count = 0;
    for (std::size_t i = 0; i < assignment.Events.size() && assignment.Events[i].Code != 0; ++i) {
        const MacroEvent& event = assignment.Events[i];
        if (event.Code == kEventDelay && count > 0) {
            entries[static_cast<std::size_t>(count - 1)].SetTime(event.Value);
            continue;
        }
        ActionEntry entry = step(event, ParamsBefore(entries, count));
        entry.Repeat = repeat;
        entries[static_cast<std::size_t>(count++)] = entry;
    }
    return count;
}

}  // namespace

int EncodeMacroA6(ButtonAssignment assignment, SlotEntries& entries) {
    return EncodeMacro(assignment, entries, StepA6);
}

int EncodeMacroA7(ButtonAssignment assignment, SlotEntries& entries) {
    return EncodeMacro(assignment, entries, StepA7);
}
