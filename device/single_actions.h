#pragma once
// The action codes that the mouse stores as one fixed entry, and that entry.
// The same table builds the entry and recognises it when it is read back.

#include <cstdint>
#include <optional>

#include "device/action_entry.h"

// The fixed entry of an action code (slot number not yet added), or nothing
// when the code is not a one-entry action.
std::optional<ActionEntry> SingleActionEntry(std::uint8_t actionCode);

// The action code whose fixed entry the given entry matches, or nothing. Only
// the kind and the bytes that tell the actions of a kind apart are compared.
std::optional<std::uint8_t> SingleActionCode(const ActionEntry& entry);
