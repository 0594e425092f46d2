#include "tools/gmhid/command_line.h"

#include <algorithm>

#include "tools/gmhid/tool_failure.h"

namespace {

[[noreturn]] void BadCommandLine(const std::string& message) {
    throw ToolFailure{kExitBadCommandLine, message};
}

}  // namespace

std::optional<std::string> CommandLine::Option(const std::string& name) const {
    const auto found = options.find(name);
    if (found == options.end()) return std::nullopt;
    return found->second;
}

CommandLine ParseCommandLine(std::span<const std::string> arguments,
                             std::span<const std::string> optionNames) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--help" || word == "-h") {
            line.help = true;
            continue;
        }
        if (!word.starts_with("--")) {
            line.words.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (std::find(optionNames.begin(), optionNames.end(), name) == optionNames.end()) {
            BadCommandLine("unknown option " + word);
        }
        if (i + 1 == arguments.size()) BadCommandLine("option " + word + " needs a value");
        if (!line.options.emplace(name, arguments[++i]).second) {
            BadCommandLine("option " + word + " is given twice");
        }
    }
    return line;
}
