// The emulated flavour of the agent, for demonstrations and end-to-end tests:
// the real agent on the real system, except that its HID devices are one
// emulated mouse, controlled from outside through a window of its own
// (`gmhid emulate ...`).

#include <windows.h>

#include "config/defaults.h"
#include "device/button_report.h"
#include "device/settings_report.h"
#include "platform/portable/emulated_mouse.h"
#include "platform/win32/emulated_mouse_control.h"
#include "platform/win32/system_platform.h"
#include "shell/agent_app.h"

namespace {

// A new mouse holds the reports of the default profile.
platform::portable::MouseReports DefaultProfileReports() {
    const ProfileRecord profile = DefaultProfileRecord();
    const SettingsReport settings = BuildSettingsReport(profile);
    ButtonReport buttons{};
    BuildButtonReport(profile, buttons);
    return {{settings.begin(), settings.end()}, {buttons.begin(), buttons.end()}};
}

platform::win32::Desktop theMouseDesktop;
platform::portable::EmulatedMouse theMouse(theMouseDesktop,
                                           platform::portable::GamingMouseDescription(),
                                           DefaultProfileReports());
platform::win32::SystemPlatform thePlatform(theMouse);
CHidApp theApp(thePlatform.Ports());

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::win32::EmulatedMouseControl control(theMouse);
    return theApp.Run();
}
