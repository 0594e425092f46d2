#pragma once
// Reading feature report 4 back into the seven button assignments of a
// profile. Whatever offsets the report holds, nothing is read outside the
// report and nothing is written outside the staging area or the records.

#include "config/records.h"
#include "device/action_entry.h"
#include "device/button_report.h"

// Replaces the seven assignments of `active` with what the report holds. A
// macro keeps the MacroRef of the same assignment in `stored` when the two
// match, else it gets -1.
void DecodeButtonReport(const ButtonReport& report, ProfileRecord& active,
                        const ProfileRecord& stored);

// Fill the events, repeat mode and count of a macro from its first
// `entryCount` entries (at most 92 are read); each returns the number of
// events written, at most 92.
int DecodeMacroA6(ButtonAssignment& assignment, const SlotEntries& entries, int entryCount);
int DecodeMacroA7(ButtonAssignment& assignment, const SlotEntries& entries, int entryCount);

// True when the action, the event count and every event that is not a delay
// on either side match; delays are never compared.
bool SameButtonAssignment(const ButtonAssignment& a, const ButtonAssignment& b);
