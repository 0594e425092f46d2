#pragma once
// The commands of the tool. Each takes its parsed command line and throws
// ToolFailure when it cannot do what was asked.

#include <ostream>
#include <string>
#include <vector>

#include "tools/gmhid/command_line.h"
#include "tools/gmhid/gmhid.h"

struct Command {
    std::string name;
    std::string summary;
    std::string usage;  // the text of "gmhid <name> --help"
    std::vector<std::string> options;
    void (*run)(const CommandLine& line, ToolPorts& ports, std::ostream& out);
};

const Command& ReportCommand();
const Command& ReadBackCommand();
const Command& ConfigCommand();
const Command& EmulateCommand();
const Command& PostCommand();

// The value of an option the command cannot do without.
std::string RequiredOption(const CommandLine& line, const std::string& name);
