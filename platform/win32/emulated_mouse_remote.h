#pragma once
// The other end of the emulated agent's control window: sends it the
// controls of its mouse and reads its dump. Used by `gmhid emulate` and the
// end-to-end tests.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/portable/emulation_protocol.h"

namespace platform::win32 {

// False when no emulated agent runs.
bool SendMouseControl(emulation::Control control, std::int32_t argument = 0);

// The reports the emulated mouse holds, one line each; no value when no
// emulated agent runs.
std::optional<std::string> DumpMouseReports();

}  // namespace platform::win32
