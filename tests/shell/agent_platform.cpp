#include "agent_platform.h"

#include <atomic>
#include <random>
#include <string>

namespace agent_test {

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("gm-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

AgentPlatform::AgentPlatform(Session& session) : AgentPlatform(session, session.appData) {}

AgentPlatform::AgentPlatform(Session& session, std::optional<std::u16string> roamingAppData)
    : debug(&session.trace),
      folders(session.moduleFolder, std::move(roamingAppData), &session.trace),
      libraries(&session.trace),
      ports{clock, session.desktop, debug, session.mutexes, folders, libraries} {}

Session::Session() {
    const std::filesystem::path roaming = home.Path() / "AppData" / "Roaming";
    std::filesystem::create_directories(roaming / "kavrim" / "Gamingmouse");
    std::filesystem::create_directories(home.Path() / "Program");
    appData = AgentPath(roaming);
    moduleFolder = AgentPath(home.Path() / "Program");
}

}  // namespace agent_test
