#pragma once
// The agent's platform for tests: the portable ports, one ordered trace of
// what they are asked, and a temporary user profile on disk.

#include <filesystem>

#include "platform/platform.h"
#include "platform/portable/desktop.h"
#include "platform/portable/emulated_mouse.h"
#include "platform/portable/fixed_system_version.h"
#include "platform/portable/folders.h"
#include "platform/portable/manual_clock.h"
#include "platform/portable/memory_registry.h"
#include "platform/portable/mutex_registry.h"
#include "platform/portable/native_path.h"
#include "platform/portable/private_profile.h"
#include "platform/portable/recorded_debug_output.h"
#include "platform/portable/recorded_system_parameters.h"
#include "platform/portable/recording_shell.h"
#include "platform/portable/shared_libraries.h"
#include "platform/portable/trace.h"

namespace agent_test {

using namespace platform::portable;

// A fresh folder below the system's temporary folder, removed afterwards.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// The reports a new mouse holds: those of the default profile.
MouseReports DefaultMouseReports();

// A user's session: one desktop, its named mutexes, the mouse (plugged in),
// the user's folders on disk, and one trace of what every port of the session
// was asked, in order.
struct Session {
    Session();

    // The configuration file as the agent names it.
    std::u16string ConfigPath() const;

    TemporaryFolder home;
    std::u16string appData;
    std::u16string moduleFolder;
    Trace trace;
    Desktop desktop{&trace};
    MutexRegistry mutexes;
    EmulatedMouse mouse{desktop, GamingMouseDescription(), DefaultMouseReports(), &trace};
};

// The ports of one agent process in the session.
struct AgentPlatform {
    explicit AgentPlatform(Session& session);
    AgentPlatform(Session& session, std::optional<std::u16string> roamingAppData);

    ManualClock clock;
    RecordedDebugOutput debug;
    Folders folders;
    SharedLibraries libraries;
    PrivateProfile profiles;
    RecordingShell shell;
    FixedSystemVersion version;
    MemoryRegistry registry;
    RecordedSystemParameters system;
    platform::Platform ports;
};

}  // namespace agent_test
