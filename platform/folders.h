#pragma once
// The folders the agent is told about by the system.

#include <optional>
#include <string>

namespace platform {

class Folders {
  public:
    virtual ~Folders() = default;

    // The folder of the running executable, without a trailing backslash.
    virtual std::u16string ModuleFolder() = 0;

    // The user's roaming application-data folder, created when missing; no
    // value when the system cannot name it.
    virtual std::optional<std::u16string> RoamingAppData() = 0;

    // True when something, file or folder, exists at exactly this path.
    virtual bool FileExists(std::u16string_view path) = 0;
};

}  // namespace platform
