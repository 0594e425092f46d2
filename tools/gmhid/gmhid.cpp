#include "tools/gmhid/gmhid.h"

#include <array>
#include <vector>

#include "tools/gmhid/commands.h"
#include "tools/gmhid/tool_failure.h"
#include "tools/gmhid/utf8.h"

namespace {

// The commands in the order --help lists them.
std::array<const Command*, 5> Commands() {
    return {&ReportCommand(), &ReadBackCommand(), &ConfigCommand(), &EmulateCommand(),
            &PostCommand()};
}

void PrintToolHelp(std::ostream& out) {
    out << "Usage: gmhid <command> [options]\n"
           "\n"
           "Shows what the gaming-mouse agent sends to the mouse and what it makes of\n"
           "the mouse's answers, with the agent's own code; report, readback and config\n"
           "talk to no device. On Windows, emulate and post drive a running agent.\n"
           "\n"
           "Commands:\n";
    for (const Command* command : Commands()) {
        out << "  " << command->name << std::string(10 - command->name.size(), ' ')
            << command->summary << '\n';
    }
    out << "\nRun \"gmhid <command> --help\" for the options of a command.\n";
}

const Command* FindCommand(const std::string& name) {
    for (const Command* command : Commands()) {
        if (command->name == name) return command;
    }
    return nullptr;
}

}  // namespace

std::string RequiredOption(const CommandLine& line, const std::string& name) {
    if (auto value = line.Option(name)) return *value;
    throw ToolFailure{kExitBadCommandLine, "option --" + name + " is required"};
}

int RunGmhid(std::span<const std::u16string> arguments, ToolPorts& ports, std::ostream& out,
             std::ostream& err) {
    std::vector<std::string> words;
    for (const std::u16string& argument : arguments) words.push_back(Utf8(argument));
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        PrintToolHelp(words.empty() ? err : out);
        return words.empty() ? kExitBadCommandLine : 0;
    }
    const Command* command = FindCommand(words[0]);
    if (command == nullptr) {
        err << "gmhid: unknown command " << words[0] << "; see gmhid --help\n";
        return kExitBadCommandLine;
    }
    try {
        const CommandLine line = ParseCommandLine(std::span(words).subspan(1), command->options);
        if (line.help) {
            out << command->usage;
            return 0;
        }
        command->run(line, ports, out);
        return 0;
    } catch (const ToolFailure& failure) {
        err << "gmhid " << command->name << ": " << failure.message << '\n';
        if (failure.status == kExitBadCommandLine) {
            err << "see gmhid " << command->name << " --help\n";
        }
        return failure.status;
    }
}
