#include "tools/gmhid/loaded_configuration.h"

#include "config/defaults.h"
#include "config/load_configuration.h"
#include "tools/gmhid/tool_failure.h"
#include "tools/gmhid/utf8.h"

LoadedConfiguration LoadAsTheAgentDoes(ToolPorts& ports, const std::string& path,
                                       MissingFile missing) {
    LoadedConfiguration loaded;
    loaded.path = Utf16FromUtf8(path);
    loaded.fileExists = !loaded.path.empty() && ports.folders.FileExists(loaded.path);
    if (loaded.fileExists && !ports.isReadableFile(loaded.path)) {
        throw ToolFailure{kExitFileProblem, "cannot read " + path};
    }
    loaded.configuration = DefaultConfigDocument();
    ConfigDocument saved{};
    // An empty path makes the load validate the defaults and touch no file.
    const bool touchFile = loaded.fileExists || missing == MissingFile::kCreate;
    LoadConfiguration(ports.profiles, ports.folders, touchFile ? loaded.path : u"",
                      loaded.configuration, saved, loaded.active);
    return loaded;
}

const ProfileRecord& ProfileOfSlot(const LoadedConfiguration& loaded, int slot) {
    const int slots = loaded.configuration.Global.Totle;
    if (slot < 0 || slot >= slots) {
        throw ToolFailure{kExitBadCommandLine,
                          "profile slot " + std::to_string(slot) + " is not in use: the file has " +
                              std::to_string(slots) + " profile(s), slots 0 to " +
                              std::to_string(slots - 1)};
    }
    return loaded.configuration.Profiles[static_cast<std::size_t>(slot)];
}
