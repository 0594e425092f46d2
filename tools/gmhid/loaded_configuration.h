#pragma once
// The configuration file as the agent loads it.

#include <string>

#include "config/records.h"
#include "tools/gmhid/gmhid.h"

struct LoadedConfiguration {
    std::u16string path;
    bool fileExists = false;
    ConfigDocument configuration{};
    ProfileRecord active{};  // slot Active after the load
};

enum class MissingFile { kLeaveMissing, kCreate };

// Reads and validates the file as the agent's load does. A missing file gives
// the defaults, and is created with them only when asked to. Throws
// ToolFailure when the path names something that is not a readable file.
LoadedConfiguration LoadAsTheAgentDoes(ToolPorts& ports, const std::string& path,
                                       MissingFile missing = MissingFile::kLeaveMissing);

// The profile of slot `slot`, which must be in use; throws ToolFailure otherwise.
const ProfileRecord& ProfileOfSlot(const LoadedConfiguration& loaded, int slot);
