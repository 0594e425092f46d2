#include <cstring>

#include "config/config_file.h"
#include "device/button_report.h"
#include "device/button_report_decoder.h"
#include "device/report_hex.h"
#include "device/settings_report.h"
#include "tools/gmhid/commands.h"
#include "tools/gmhid/loaded_configuration.h"
#include "tools/gmhid/tool_failure.h"

namespace {

// The report given as text: its exact length, its identifier first.
template <std::size_t Size>
std::array<std::uint8_t, Size> ReportOption(const CommandLine& line, const std::string& name,
                                            std::uint8_t id) {
    const auto bytes = ReportFromHex(RequiredOption(line, name));
    if (!bytes || bytes->size() != Size || (*bytes)[0] != id) {
        throw ToolFailure{kExitBadCommandLine, "--" + name + " needs report " + std::to_string(id) +
                                                   ": " + std::to_string(2 * Size) +
                                                   " hexadecimal digits starting with " +
                                                   ReportToHex({&id, 1})};
    }
    std::array<std::uint8_t, Size> report{};
    std::copy(bytes->begin(), bytes->end(), report.begin());
    return report;
}

void RunReadBack(const CommandLine& line, ToolPorts& ports, std::ostream&) {
    if (!line.words.empty())
        throw ToolFailure{kExitBadCommandLine, "readback takes no " + line.words[0]};
    const std::string path = RequiredOption(line, "config");
    const auto settings = ReportOption<kSettingsReportSize>(line, "settings", kSettingsReportId);
    const auto buttons = ReportOption<kButtonReportSize>(line, "buttons", kButtonReportId);

    // The agent has loaded the file, creating it when missing, before any read-back.
    const LoadedConfiguration loaded = LoadAsTheAgentDoes(ports, path, MissingFile::kCreate);
    const int current = loaded.configuration.Global.Current;
    ProfileRecord active = loaded.active;
    DecodeSettingsReport(settings, active);
    DecodeButtonReport(buttons, active, loaded.active);
    WriteProfile(ports.profiles, loaded.path, current, active);

    // The writes report no failure; reading the section back shows whether they took.
    ProfileRecord written = active;
    ReadProfile(ports.profiles, loaded.path, current, written);
    if (!ports.folders.FileExists(loaded.path) ||
        std::memcmp(&written, &active, sizeof active) != 0) {
        throw ToolFailure{kExitFileProblem, "cannot write " + path};
    }
}

}  // namespace

const Command& ReadBackCommand() {
    static const Command command{
        "readback",
        "apply two reports read from the mouse to a configuration file",
        "Usage: gmhid readback --config FILE --settings HEX --buttons HEX\n"
        "\n"
        "Does to FILE what the agent's read-back of these two reports does: the\n"
        "active profile of FILE is decoded from feature report 3 (--settings, 40\n"
        "bytes) and 4 (--buttons, 2049 bytes), then written into the profile\n"
        "section that \"Current\" names. A missing FILE is created with the defaults\n"
        "first, as the agent does at start. Reports are given as two hexadecimal\n"
        "digits per byte, the report identifier first. Prints nothing on success.\n",
        {"config", "settings", "buttons"},
        RunReadBack};
    return command;
}
