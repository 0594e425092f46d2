#pragma once
// A command that cannot go on: its message for the user and the exit status.

#include <string>

inline constexpr int kExitFileProblem = 1;
inline constexpr int kExitBadCommandLine = 2;

struct ToolFailure {
    int status;
    std::string message;
};
