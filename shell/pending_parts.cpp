// Operations whose subsystems are still being built: they behave as with no
// mouse attached and no configuration file. Removed part by part as the
// subsystems land.

#include "config/defaults.h"
#include "config/validation.h"
#include "shell/agent_window.h"

void CMyWnd::StartDeviceLink() {}

void CMyWnd::LoadConfiguration() {
    Configuration = DefaultConfigDocument();
    ValidateConfigDocument(Configuration);
    SavedConfiguration = Configuration;
    ActiveProfile = Configuration.Profiles[static_cast<std::size_t>(Configuration.Global.Active)];
}

void CMyWnd::FillTrayRecord() {}

int CMyWnd::ReadBackProfile() { return 0; }

void CMyWnd::LaunchCompanion() {}

void CMyWnd::WriteDevicePresence(std::int32_t) {}

int CMyWnd::ShowTrayIcon() { return 0; }

void CMyWnd::RemoveTrayIcon() {}

void CMyWnd::RefreshPointerSettings() {}
