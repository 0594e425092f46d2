#include "device/button_report.h"

#include <cstring>

#include "device/single_actions.h"

namespace {

constexpr std::uint16_t kDoubleClickTime = 15;

struct SlotContent {
    SlotEntries entries{};
    int count = 0;
    bool present = false;  // false: the slot gets no entry and the empty offset
    bool macro = false;
};

int WriteDoubleClick(SlotEntries& entries) {
    const std::array<std::uint8_t, 4> kinds = {kKindButtonsDown, kKindButtonsUp, kKindButtonsDown,
                                               kKindButtonsUp};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        entries[i] = ActionEntry{};
        entries[i].KindSlot = kinds[i];
        entries[i].Param[0] = 0x01;
        entries[i].SetTime(kDoubleClickTime);
    }
    return static_cast<int>(kinds.size());
}

SlotContent ContentOf(std::uint8_t code, const ButtonAssignment& assignment) {
    SlotContent content;
    content.present = true;
    if (code == kActionMacroA6 || code == kActionMacroA7) {
        content.macro = true;
        content.count = code == kActionMacroA6 ? EncodeMacroA6(assignment, content.entries)
                                               : EncodeMacroA7(assignment, content.entries);
    } else if (code == kActionDoubleClick) {
        content.count = WriteDoubleClick(content.entries);
    } else if (const auto entry = SingleActionEntry(code)) {
        content.entries[0] = *entry;
        content.count = 1;
    } else {
        content.present = false;
    }
    return content;
}

// The report holds 200 entries and seven macros can ask for far more. Plain
// actions (at most four entries each) always get their room; macros then take
// what is left in slot order, and a macro that does not fit is left out whole:
// its button does nothing, which a user minds less than a macro cut short that
// may leave a key held down, or losing a basic button such as the forced right
// button of the last slot.
void LeaveOutMacrosThatDoNotFit(std::array<SlotContent, kButtonSlots>& slots) {
    int room = static_cast<int>(kReportEntryCapacity);
    for (const SlotContent& slot : slots) {
        if (slot.present && !slot.macro) room -= slot.count;
    }
    for (SlotContent& slot : slots) {
        if (!slot.macro) continue;
        if (slot.count > room) {
            slot.present = false;
        } else {
            room -= slot.count;
        }
    }
}

}  // namespace

SlotTable ReadSlotTable(const ButtonReport& report) {
    SlotTable table{};
    for (std::size_t slot = 0; slot < table.size(); ++slot) {
        table[slot] =
            static_cast<std::uint16_t>(report[1 + 2 * slot] | (report[2 + 2 * slot] << 8));
    }
    return table;
}

void WriteSlotTable(const SlotTable& table, ButtonReport& report) {
    for (std::size_t slot = 0; slot < table.size(); ++slot) {
        report[1 + 2 * slot] = static_cast<std::uint8_t>(table[slot] & 0xFF);
        report[2 + 2 * slot] = static_cast<std::uint8_t>(table[slot] >> 8);
    }
}

void BuildButtonReport(const ProfileRecord& profile, ButtonReport& report) {
    std::array<SlotContent, kButtonSlots> slots;
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        const ButtonAssignment& assignment =
            profile.ButtonAssigned[static_cast<std::size_t>(AssignmentOfSlot(slot))];
        // The last slot is always the right button, whatever its assignment says.
        const std::uint8_t code =
            slot == kButtonSlots - 1 ? kActionRightButton : assignment.ActionCode;
        slots[static_cast<std::size_t>(slot)] = ContentOf(code, assignment);
    }
    LeaveOutMacrosThatDoNotFit(slots);

    report.fill(0);
    report[0] = kButtonReportId;
    SlotTable table{};
    std::size_t offset = kSlotTableBytes;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (!slots[slot].present) {
            table[slot] = kEmptySlot;
            continue;
        }
        table[slot] = static_cast<std::uint16_t>(offset);
        for (int i = 0; i < slots[slot].count; ++i) {
            ActionEntry entry = slots[slot].entries[static_cast<std::size_t>(i)];
            entry.KindSlot = static_cast<std::uint8_t>(entry.KindSlot | (slot + 1));
            std::memcpy(report.data() + 1 + offset, &entry, sizeof entry);
            offset += sizeof entry;
        }
    }
    WriteSlotTable(table, report);
}
