// The agent's entry point: the platform and the application object are
// constructed before the main routine runs, as the framework expects.

#include <windows.h>

#include "platform/win32/system_platform.h"
#include "shell/agent_app.h"

namespace {
platform::win32::SystemPlatform thePlatform;
CHidApp theApp(thePlatform.Ports());
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return theApp.Run(); }
