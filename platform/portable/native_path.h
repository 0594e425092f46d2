#pragma once
// The agent builds paths the Windows way ("folder\\file"); the portable
// platform keeps its files on this machine's file system.

#include <filesystem>
#include <string>
#include <string_view>

namespace platform::portable {

// The path with every backslash taken as a folder separator.
std::filesystem::path NativePath(std::u16string_view path);

// A path of this machine in the agent's text form.
std::u16string AgentPath(const std::filesystem::path& path);

}  // namespace platform::portable
