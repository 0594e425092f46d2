#pragma once
// The active profile's pointer settings applied to the running session and to
// the user's registry: double-click time, pointer precision and speed, wheel
// scrolling. Every value is applied each time, changed or not. Failures are
// silent: a refused call or registry write is skipped and the next step runs.

#include "config/records.h"
#include "platform/debug_output.h"
#include "platform/registry.h"
#include "platform/system_parameters.h"
#include "pointer/registry_path_key.h"

struct PointerPorts {
    platform::Registry& registry;
    platform::SystemParameters& system;
    platform::DebugOutput& debug;
};

// The three operations below in order, each followed by its debugger line.
void RefreshPointerSettings(PointerPorts& ports, RegistryPathKey& mouseKey,
                            const ProfileRecord& profile);

// Sets the double-click time and writes it to the registry's existing mouse
// key, which is never created here.
void RefreshDoubleClickSpeed(PointerPorts& ports, const ProfileRecord& profile);

// Writes the precision values through mouseKey (opened, or created, afresh and
// left open), then sets the acceleration and the pointer speed.
void RefreshMouseMoveSpeed(PointerPorts& ports, RegistryPathKey& mouseKey,
                           const ProfileRecord& profile);

// Sets the wheel's lines per notch, or a page per notch.
void RefreshScrollLine(PointerPorts& ports, const ProfileRecord& profile);
