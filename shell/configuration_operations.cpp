// The agent window's use of the configuration file.

#include "config/config_file.h"
#include "config/load_configuration.h"
#include "shell/agent_window.h"

void CMyWnd::LoadConfiguration() {
    ::LoadConfiguration(platform_.profiles, platform_.folders, ConfigPath, Configuration,
                        SavedConfiguration, ActiveProfile);
}

void CMyWnd::WriteDevicePresence(std::int32_t value) {
    ::WriteDevicePresence(platform_.profiles, ConfigPath, value);
}
