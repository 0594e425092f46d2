#pragma once
// Feature report 4: what each of the mouse's seven button slots does.
// Byte 0 is the identifier; offsets in the slot table count from byte 1.

#include <array>
#include <cstddef>
#include <cstdint>

#include "config/records.h"
#include "device/action_entry.h"

inline constexpr std::uint8_t kButtonReportId = 4;
inline constexpr std::size_t kButtonReportSize = 2049;
using ButtonReport = std::array<std::uint8_t, kButtonReportSize>;

// The slot table: the offset of each slot's first entry, 0xFFFF for a slot
// without entries. It takes the first 48 bytes after the identifier.
using SlotTable = std::array<std::uint16_t, kButtonSlots>;
inline constexpr std::uint16_t kEmptySlot = 0xFFFF;
inline constexpr std::size_t kSlotTableBytes = 48;
inline constexpr std::size_t kReportEntryCapacity =
    (kButtonReportSize - 1 - kSlotTableBytes) / kActionEntrySize;
static_assert(kReportEntryCapacity == 200 &&
              1 + kSlotTableBytes + kReportEntryCapacity * kActionEntrySize == kButtonReportSize);

// The assignment each slot carries: slots 1 and 2 are swapped.
constexpr int AssignmentOfSlot(int slot) { return slot == 1 ? 2 : (slot == 2 ? 1 : slot); }

SlotTable ReadSlotTable(const ButtonReport& report);
void WriteSlotTable(const SlotTable& table, ButtonReport& report);

// Fills the report from the seven assignments of the profile. The report is
// zeroed first; nothing is written beyond its end.
void BuildButtonReport(const ProfileRecord& profile, ButtonReport& report);

// The entries of a macro, kind alone in the first byte (the caller adds the
// slot number). Each returns the number of entries written.
int EncodeMacroA6(ButtonAssignment assignment, SlotEntries& entries);
int EncodeMacroA7(ButtonAssignment assignment, SlotEntries& entries);
