#pragma once
// Bringing a loaded configuration into range. Values are corrected, never
// rejected: anything outside its range takes a fixed replacement.

#include "config/records.h"

// True for the action codes a button assignment may hold.
bool IsAcceptedActionCode(std::uint8_t code);

// Brings one profile into range; button slots with an unknown action are reset.
void NormaliseProfile(ProfileRecord& profile);

// Brings the global block and every profile in use into range. Slots from
// Totle to 5 are left as they are.
void ValidateConfigDocument(ConfigDocument& document);
