#pragma once
// The running agent, reached from outside: requests posted to its window, and
// the controls of the emulated agent's mouse. Only the Windows build reaches
// an agent; elsewhere the tool has none.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/desktop.h"
#include "platform/portable/emulation_protocol.h"

struct AgentRemote {
    platform::Desktop& desktop;  // finds the agent window by its title and posts to it
    // False when no emulated agent runs.
    std::function<bool(emulation::Control control, std::int32_t argument)> controlMouse;
    // The reports the emulated mouse holds, one line each; none without an emulated agent.
    std::function<std::optional<std::string>()> dumpMouse;
};
