// Commands that drive a running agent: `emulate` controls the emulated
// agent's mouse, `post` sends the agent a request as another program would.

#include <charconv>
#include <ostream>

#include "platform/window_messages.h"
#include "shell/messages.h"
#include "tools/gmhid/commands.h"
#include "tools/gmhid/tool_failure.h"

namespace {

AgentRemote& RemoteOf(ToolPorts& ports) {
    if (ports.agent == nullptr) {
        throw ToolFailure{kExitFileProblem,
                          "this build reaches no agent; use the Windows build of gmhid"};
    }
    return *ports.agent;
}

const std::string& OnlyWord(const CommandLine& line, std::size_t count) {
    if (line.words.empty() || line.words.size() != count) {
        throw ToolFailure{kExitBadCommandLine, "see the usage with --help"};
    }
    return line.words[0];
}

std::int32_t CountOf(const std::string& text) {
    std::int32_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < 0) {
        throw ToolFailure{kExitBadCommandLine, "refuse takes a count of 0 or more, not " + text};
    }
    return count;
}

void RunEmulate(const CommandLine& line, ToolPorts& ports, std::ostream& out) {
    const std::string& action =
        OnlyWord(line, !line.words.empty() && line.words[0] == "refuse" ? 2 : 1);
    AgentRemote& remote = RemoteOf(ports);
    if (action == "dump") {
        const std::optional<std::string> dump = remote.dumpMouse();
        if (!dump) throw ToolFailure{kExitFileProblem, "no emulated agent is running"};
        out << *dump;
        return;
    }
    emulation::Control control{};
    std::int32_t argument = 0;
    if (action == "plug") {
        control = emulation::Control::kPlug;
    } else if (action == "unplug") {
        control = emulation::Control::kUnplug;
    } else if (action == "dpi") {
        control = emulation::Control::kPressDpiButton;
    } else if (action == "refuse") {
        control = emulation::Control::kRefuse;
        argument = CountOf(line.words[1]);
    } else {
        throw ToolFailure{kExitBadCommandLine, "unknown emulate action " + action};
    }
    if (!remote.controlMouse(control, argument)) {
        throw ToolFailure{kExitFileProblem, "no emulated agent is running"};
    }
}

struct Request {
    const char* name;
    std::uint32_t message;
    platform::WParam wParam;
};

// What another program may ask of the agent, as the messages it posts.
constexpr Request kRequests[] = {
    {"apply", WM_APPLY_ALL, 0},
    {"command", WM_DEVICE_COMMAND, 0},
    {"devicechange", platform::kMsgDeviceChange, 0x0007},  // DBT_DEVNODES_CHANGED
    {"lock", platform::kMsgSessionChange, 7},              // WTS_SESSION_LOCK
    {"unlock", platform::kMsgSessionChange, 8},            // WTS_SESSION_UNLOCK
    {"close", platform::kMsgClose, 0},
};

void RunPost(const CommandLine& line, ToolPorts& ports, std::ostream&) {
    const std::string& name = OnlyWord(line, 1);
    for (const Request& request : kRequests) {
        if (name != request.name) continue;
        platform::Desktop& desktop = RemoteOf(ports).desktop;
        const platform::WindowHandle agent = desktop.FindWindowByTitle(kAgentWindowTitle);
        if (agent == 0 || !desktop.Post(agent, request.message, request.wParam, 0)) {
            throw ToolFailure{kExitFileProblem, "no agent is running"};
        }
        return;
    }
    throw ToolFailure{kExitBadCommandLine, "unknown request " + name};
}

}  // namespace

const Command& EmulateCommand() {
    static const Command command{
        "emulate",
        "control the mouse of the running emulated agent",
        "Usage: gmhid emulate plug|unplug|dpi|refuse N|dump\n"
        "\n"
        "Controls the mouse of GamingMouseHid-emulated.exe while it runs:\n"
        "  plug       plug the mouse in\n"
        "  unplug     unplug it\n"
        "  dpi        press its DPI button once (stage 1 to 7, then 1 again)\n"
        "  refuse N   make it refuse the next N reports sent to it\n"
        "  dump       print each report it holds: report 3, report 4, and report 6\n"
        "             once a command report was received\n",
        {},
        RunEmulate};
    return command;
}

const Command& PostCommand() {
    static const Command command{
        "post",
        "send the running agent a request, as another program would",
        "Usage: gmhid post apply|command|devicechange|lock|unlock|close\n"
        "\n"
        "Posts to the window \"GamingMouseHid_kavrim\":\n"
        "  apply         reload the configuration and apply the active profile\n"
        "  command       send the command report to the mouse\n"
        "  devicechange  a device arrived or left: read the mouse back\n"
        "  lock, unlock  the session was locked or unlocked\n"
        "  close         end the agent\n",
        {},
        RunPost};
    return command;
}
