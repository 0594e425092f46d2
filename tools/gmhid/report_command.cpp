#include "config/records.h"
#include "device/button_report.h"
#include "device/report_hex.h"
#include "device/settings_report.h"
#include "tools/gmhid/commands.h"
#include "tools/gmhid/loaded_configuration.h"
#include "tools/gmhid/tool_failure.h"

namespace {

int SlotNumber(const std::string& text) {
    const bool digits = !text.empty() && text.size() <= 2 &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits)
        throw ToolFailure{kExitBadCommandLine, "--profile needs a slot number, not " + text};
    return std::stoi(text);
}

std::string ReportText(const std::string& which, const ProfileRecord& profile) {
    if (which == "settings") return ReportToHex(BuildSettingsReport(profile));
    if (which == "command") return ReportToHex(BuildCommandReport());
    ButtonReport buttons;
    BuildButtonReport(profile, buttons);
    return ReportToHex(buttons);
}

void RunReport(const CommandLine& line, ToolPorts& ports, std::ostream& out) {
    if (line.words.size() != 1 ||
        (line.words[0] != "settings" && line.words[0] != "buttons" && line.words[0] != "command")) {
        throw ToolFailure{kExitBadCommandLine, "name one report: settings, buttons or command"};
    }
    const LoadedConfiguration loaded = LoadAsTheAgentDoes(ports, RequiredOption(line, "config"));
    const auto slot = line.Option("profile");
    const ProfileRecord& profile = slot ? ProfileOfSlot(loaded, SlotNumber(*slot)) : loaded.active;
    out << ReportText(line.words[0], profile) << '\n';
}

}  // namespace

const Command& ReportCommand() {
    static const Command command{
        "report",
        "print the report the agent would send to the mouse",
        "Usage: gmhid report settings|buttons|command --config FILE [--profile N]\n"
        "\n"
        "Loads and validates FILE as the agent does (a missing FILE means the\n"
        "defaults; it is not created), takes profile slot N (default: the active\n"
        "slot) and prints the report the agent would send for it: feature report 3\n"
        "(settings, 40 bytes), 4 (buttons and macros, 2049 bytes) or 6 (command,\n"
        "8 bytes), as one line of two lower-case hexadecimal digits per byte,\n"
        "the report identifier first.\n",
        {"config", "profile"},
        RunReport};
    return command;
}
