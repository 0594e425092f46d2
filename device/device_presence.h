#pragma once
// The presence check: asks the library Petruna.dll, beside the agent, whether
// the mouse is attached.

#include <cstdint>

#include "platform/folders.h"
#include "platform/libraries.h"

// The library's answer: 0 when the mouse is absent or the library or its
// function is missing, any other value when the mouse is present. The library
// is loaded and freed on every call.
std::int32_t QueryDevicePresence(platform::Folders& folders, platform::Libraries& libraries);
