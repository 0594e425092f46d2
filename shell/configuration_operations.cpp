// The agent window's use of the configuration file, and of the pointer
// settings that the active profile carries.

#include "config/config_file.h"
#include "config/load_configuration.h"
#include "pointer/pointer_settings.h"
#include "shell/agent_window.h"

void CMyWnd::LoadConfiguration() {
    ::LoadConfiguration(platform_.profiles, platform_.folders, ConfigPath, Configuration,
                        SavedConfiguration, ActiveProfile);
}

void CMyWnd::WriteDevicePresence(std::int32_t value) {
    ::WriteDevicePresence(platform_.profiles, ConfigPath, value);
}

void CMyWnd::RefreshPointerSettings() {
    PointerPorts ports{platform_.registry, platform_.system, platform_.debug};
    ::RefreshPointerSettings(ports, pointerKey_, ActiveProfile);
}
