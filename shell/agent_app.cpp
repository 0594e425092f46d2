#include "shell/agent_app.h"

CHidApp::CHidApp(platform::Platform& platform) : CWinApp(platform.desktop), platform_(platform) {}

CHidApp::~CHidApp() = default;

bool CHidApp::InitInstance() {
    const platform::NamedMutex mutex = platform_.instances.Create(kInstanceMutexName);
    instanceMutex_ = mutex.handle;
    if (mutex.alreadyExisted) {
        // Another agent runs: leave silently, without window, icon or launch.
        platform_.instances.Close(instanceMutex_);
        instanceMutex_ = 0;
        return false;
    }

    window_ = std::make_unique<CMyWnd>(platform_);
    if (!window_->CreateAgentWindow()) {
        // Running on without a window would hold the marker and block every
        // later start, so the process ends with an error instead.
        SetExitCode(kExitNoWindow);
        return false;
    }
    SetMainWindow(*window_);
    return true;
}

int CHidApp::ExitInstance() {
    if (instanceMutex_ != 0) {
        platform_.instances.Close(instanceMutex_);
        instanceMutex_ = 0;
    }
    window_.reset();
    return CWinApp::ExitInstance();
}
