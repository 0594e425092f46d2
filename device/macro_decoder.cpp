#include <algorithm>

#include "device/button_report_decoder.h"
#include "device/key_usage_table.h"

namespace {

struct Step {
    std::uint8_t data;  // 0: a release that names nothing
    std::uint8_t code;
    std::uint16_t value;
};

Step KeyStep(const ActionEntry& entry) {
    return {entry.Param[1], UsageToKeyCode(entry.Param[1]), 1};
}

Step StepA6(const ActionEntry& entry) {
    if (entry.Kind() == kKindButtonsDown) return {entry.Param[0], entry.Param[0], 1};
    return KeyStep(entry);
}

Step StepA7(const ActionEntry& entry) {
    switch (entry.Kind()) {
        case kKindButtonsDown:
            return {entry.Param[0], entry.Param[0], 1};
        case kKindButtonsUp:
            return {entry.Param[0], entry.Param[0], 0};
        case kKindTwoByteStep: {
            const auto high = static_cast<std::uint8_t>(entry.Param[0] + kTwoByteStepBias);
            return {kEventTwoByteStep, kEventTwoByteStep,
                    static_cast<std::uint16_t>((high << 8) | entry.Param[1])};
        }
        default:
            return KeyStep(entry);
    }
}

// Appends events to an assignment; the record's 92 events are the limit, and
// a macro that decodes to more (up to two events per entry) is cut there.
class EventList {
  public:
    explicit EventList(ButtonAssignment& assignment) : assignment_(assignment) {}

    int Count() const { return count_; }
    void Add(std::uint8_t code, std::uint16_t value) {
        if (count_ == kMacroEventCapacity) return;
        assignment_.Events[static_cast<std::size_t>(count_++)] = MacroEvent{code, 0, value};
    }
    // The last event that is not a delay, which a release without data releases.
    const MacroEvent* LastStep() const {
        for (int i = count_ - 1; i >= 0; --i) {
            const MacroEvent& event = assignment_.Events[static_cast<std::size_t>(i)];
            if (event.Code != kEventDelay) return &event;
        }
        return nullptr;
    }

  private:
    ButtonAssignment& assignment_;
    int count_ = 0;
};

template <typename ReadStep>
int DecodeMacro(ButtonAssignment& assignment, const SlotEntries& entries, int entryCount,
                ReadStep readStep) {
    const std::uint8_t repeat = entries[0].Repeat;
    if (repeat == 0) return 0;
    assignment.RepeatMode = static_cast<std::uint8_t>((repeat >> 4) - 1);
    assignment.RepeatCount = repeat & 0x0F;

    const int entriesRead = entryCount < 0 ? 0 : std::min(entryCount, kMacroEventCapacity);
    EventList events(assignment);
    for (int i = 0; i < entriesRead; ++i) {
        const ActionEntry& entry = entries[static_cast<std::size_t>(i)];
        const Step step = readStep(entry);
        if (step.data != 0) {
            events.Add(step.code, step.value);
        } else if (const MacroEvent* released = events.LastStep()) {
            // A release carries no code of its own: it releases the last key or
            // button before it, skipping a delay between them. (Taking the
            // event two back whenever this entry has a delay would release a
            // delay, or end the list with code 0, when a press is followed at
            // once by its release.)
            events.Add(released->Code, 0);
        }
        const std::uint16_t delay = entry.TimeValue();
        if (delay != 0) events.Add(kEventDelay, delay);
    }
    return events.Count();
}

}  // namespace

int DecodeMacroA6(ButtonAssignment& assignment, const SlotEntries& entries, int entryCount) {
    const int count = DecodeMacro(assignment, entries, entryCount, StepA6);
    // This kind of macro reads back with the value of its last event cleared.
    if (count > 0) assignment.Events[static_cast<std::size_t>(count - 1)].Value = 0;
    return count;
}

int DecodeMacroA7(ButtonAssignment& assignment, const SlotEntries& entries, int entryCount) {
    return DecodeMacro(assignment, entries, entryCount, StepA7);
}

bool SameButtonAssignment(const ButtonAssignment& a, const ButtonAssignment& b) {
    if (a.ActionCode != b.ActionCode || a.EventCount != b.EventCount) return false;
    for (std::size_t i = 0; i < a.Events.size(); ++i) {
        const MacroEvent& x = a.Events[i];
        const MacroEvent& y = b.Events[i];
        if (x.Code == kEventDelay || y.Code == kEventDelay) continue;
        if (x.Code != y.Code || x.Value != y.Value) return false;
    }
    return true;
}
