#pragma once
// The words after a command: options of the form "--name value", the words
// that are not options, and --help.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct CommandLine {
    std::vector<std::string> words;
    std::map<std::string, std::string> options;  // name without the dashes
    bool help = false;

    std::optional<std::string> Option(const std::string& name) const;
};

// Parses the words of one command, which takes the named options (each with a
// value, each at most once). Throws ToolFailure for anything else.
CommandLine ParseCommandLine(std::span<const std::string> arguments,
                             std::span<const std::string> optionNames);
