#include "shell/agent_window.h"

#include "platform/window_messages.h"
#include "shell/messages.h"

CMyWnd::CMyWnd(platform::Platform& platform)
    : CWnd(platform.desktop),
      platform_(platform),
      link_(platform.hid, platform.desktop, platform.debug, platform.clock),
      pointerKey_(platform.registry) {}

CMyWnd::~CMyWnd() = default;

bool CMyWnd::CreateAgentWindow() {
    platform::WindowSpec spec;
    spec.title = kAgentWindowTitle;
    spec.style = platform::kStylePopup;  // never visible
    spec.x = 100;
    spec.y = 100;
    spec.width = 100;
    spec.height = 100;
    return CreateEx(spec);
}

platform::LResult CMyWnd::WindowProc(std::uint32_t message, platform::WParam wParam,
                                     platform::LParam lParam) {
    // The taskbar's message is registered at run time, so it has no case label.
    if (message == taskbarCreatedMessage_ && message != 0) {
        OnTaskbarCreated();
        return Default();
    }
    switch (message) {
        case platform::kMsgCreate:
            return OnCreate();
        case platform::kMsgDestroy:
            OnDestroy();
            return 0;
        case platform::kMsgTimer:
            return OnTimer(wParam);
        case platform::kMsgDeviceChange:
            return OnDeviceChange();
        case platform::kMsgSessionChange:
            return OnSessionChange(wParam);
        case WM_APPLY_ALL:
            return OnApplyAll();
        case WM_DEVICE_DPI_STAGE:
            return OnDeviceDpiStage(wParam);
        case WM_DEVICE_COMMAND:
            return OnDeviceCommand();
        case WM_TRAY_CALLBACK:
            return OnTrayCallback(lParam);
        case platform::kMsgCommand:
            if (wParam == ID_TRAY_OPEN) {
                LaunchCompanion();
                return 0;
            }
            if (wParam == ID_TRAY_HIDE) {
                RemoveTrayIcon();
                return 0;
            }
            return Default();
        default:
            return Default();
    }
}
