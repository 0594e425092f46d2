#pragma once
// The gmhid tool: shows what the agent would send to the mouse and what it
// makes of the mouse's answers, with the agent's own code, without a device.

#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "platform/folders.h"
#include "platform/private_profile.h"
#include "tools/gmhid/agent_remote.h"

// The configuration file as the build's platform reaches it.
struct ToolPorts {
    platform::PrivateProfile& profiles;
    platform::Folders& folders;
    // True when the path names a file whose bytes can be read.
    std::function<bool(std::u16string_view)> isReadableFile;
    // The running agent, where the build can reach one.
    AgentRemote* agent = nullptr;
};

// Runs the command line (without the program name). Output and messages are
// UTF-8. Returns the exit status: 0 done, 1 a file could not be used, 2 a bad
// command line.
int RunGmhid(std::span<const std::u16string> arguments, ToolPorts& ports, std::ostream& out,
             std::ostream& err);
