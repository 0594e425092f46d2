#include "agent_platform.h"

#include <atomic>
#include <random>
#include <string>

#include "config/defaults.h"
#include "device/button_report.h"
#include "device/settings_report.h"

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

MouseReports DefaultMouseReports() {
    const ProfileRecord profile = DefaultProfileRecord();
    const SettingsReport settings = BuildSettingsReport(profile);
    ButtonReport buttons{};
    BuildButtonReport(profile, buttons);
    return {{settings.begin(), settings.end()}, {buttons.begin(), buttons.end()}};
}

AgentPlatform::AgentPlatform(Session& session) : AgentPlatform(session, session.appData) {}

AgentPlatform::AgentPlatform(Session& session, std::optional<std::u16string> roamingAppData)
    : debug(&session.trace),
      folders(session.moduleFolder, std::move(roamingAppData), &session.trace),
      libraries(&session.trace),
      profiles(&session.trace),
      shell(session.desktop, &session.trace),
      registry(&session.trace),
      system(&session.trace),
      ports{clock,         session.desktop, debug, session.mutexes, folders,  libraries,
            session.mouse, profiles,        shell, version,         registry, system} {}

Session::Session() {
    const std::filesystem::path roaming = home.Path() / "AppData" / "Roaming";
    std::filesystem::create_directories(roaming / "kavrim" / "Gamingmouse");
    std::filesystem::create_directories(home.Path() / "Program");
    appData = AgentPath(roaming);
    moduleFolder = AgentPath(home.Path() / "Program");
}

std::u16string Session::ConfigPath() const {
    return appData + u"\\kavrim\\Gamingmouse\\GamingMouse";
}

}  // namespace agent_test
