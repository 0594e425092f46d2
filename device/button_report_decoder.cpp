#include "device/button_report_decoder.h"

#include <algorithm>
#include <cstring>

#include "device/single_actions.h"

namespace {

constexpr std::size_t kPayloadSize = kButtonReportSize - 1;
constexpr std::size_t kHighestOffset = 2049;
constexpr std::size_t kEmptyOffset = 0xFF;  // what an empty slot's 0xFFFF becomes
constexpr std::size_t kLastSlot = kButtonSlots - 1;

constexpr std::size_t kDoubleClickLength = 4 * kActionEntrySize;

struct SlotSpan {
    std::size_t offset;
    std::size_t length;
};

std::array<std::size_t, kButtonSlots> SlotOffsets(const ButtonReport& report) {
    const SlotTable table = ReadSlotTable(report);
    std::array<std::size_t, kButtonSlots> offsets{};
    for (std::size_t k = 0; k < offsets.size(); ++k) {
        offsets[k] = table[k] > kHighestOffset ? (table[k] & 0xFFU) : table[k];
    }
    return offsets;
}

// The last slot is measured by its entries: on until an entry whose first
// byte is 0, or the end of the report.
std::size_t MeasuredLength(const ButtonReport& report, std::size_t offset) {
    std::size_t end = offset + kActionEntrySize;
    while (end < kPayloadSize && report[1 + end] != 0) end += kActionEntrySize;
    return end - offset;
}

// Each slot reaches to the next non-empty slot's offset when that is greater,
// else it is one entry long.
std::array<SlotSpan, kButtonSlots> SlotSpans(const ButtonReport& report) {
    const auto offsets = SlotOffsets(report);
    std::array<SlotSpan, kButtonSlots> spans{};
    for (std::size_t k = 0; k < spans.size(); ++k) {
        spans[k].offset = offsets[k];
        if (offsets[k] == kEmptyOffset) continue;
        const auto next =
            std::find_if(offsets.begin() + static_cast<std::ptrdiff_t>(k) + 1, offsets.end(),
                         [](std::size_t offset) { return offset != kEmptyOffset; });
        const bool reachesNext = next != offsets.end() && *next > offsets[k];
        spans[k].length = reachesNext ? *next - offsets[k] : kActionEntrySize;
    }
    // Measured even when the slot is empty.
    spans[kLastSlot].length = MeasuredLength(report, offsets[kLastSlot]);
    return spans;
}

// Copies a slot into the zeroed staging area and returns the bytes taken. A
// slot is cut at the end of the report and at 92 entries: a longer macro keeps
// its first 92 steps, and a slot that runs past the end is read as far as the
// report goes (a single entry cut short that way reads as a slot without entry).
std::size_t StageSlot(const ButtonReport& report, const SlotSpan& span, SlotEntries& staging) {
    staging = {};
    const std::size_t inReport = span.offset < kPayloadSize ? kPayloadSize - span.offset : 0;
    const std::size_t taken = std::min({span.length, inReport, sizeof staging});
    if (taken > 0) std::memcpy(staging.data(), report.data() + 1 + span.offset, taken);
    return taken;
}

void DecodeMacroSlot(const SlotEntries& staging, std::size_t length, int assignmentIndex,
                     ButtonAssignment& assignment, const ButtonAssignment& stored) {
    const int entryCount = static_cast<int>(length / kActionEntrySize);
    int events = 0;
    if (staging[2].Kind() == kKindTwoByteStep) {
        assignment.ActionCode = kActionMacroA7;
        events = DecodeMacroA7(assignment, staging, entryCount);
    } else {
        assignment.ActionCode = kActionMacroA6;
        events = DecodeMacroA6(assignment, staging, entryCount);
    }
    assignment.EventCount = static_cast<std::uint8_t>(events);
    assignment.ButtonNo = static_cast<std::uint8_t>(assignmentIndex + 1);
    assignment.MacroRef = SameButtonAssignment(assignment, stored) ? stored.MacroRef : -1;
}

std::uint8_t PlainAction(const SlotEntries& staging, std::size_t length) {
    if (length == kDoubleClickLength) return kActionDoubleClick;
    if (length == kActionEntrySize) return SingleActionCode(staging[0]).value_or(0);
    return kActionWithoutEntry;
}

}  // namespace

void DecodeButtonReport(const ButtonReport& report, ProfileRecord& active,
                        const ProfileRecord& stored) {
    const auto spans = SlotSpans(report);
    active.ButtonAssigned = {};
    SlotEntries staging;
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        const int j = AssignmentOfSlot(slot);
        ButtonAssignment& assignment = active.ButtonAssigned[static_cast<std::size_t>(j)];
        const std::size_t length =
            StageSlot(report, spans[static_cast<std::size_t>(slot)], staging);
        if (length == 0) {
            assignment.ActionCode = kActionWithoutEntry;
        } else if (staging[0].Repeat != 0) {
            DecodeMacroSlot(staging, length, j, assignment,
                            stored.ButtonAssigned[static_cast<std::size_t>(j)]);
        } else {
            assignment.ActionCode = PlainAction(staging, length);
        }
    }
}
