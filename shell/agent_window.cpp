#include "shell/agent_window.h"

#include "platform/window_messages.h"
#include "shell/messages.h"

CMyWnd::CMyWnd(platform::Platform& platform)
    : CWnd(platform.desktop),
      platform_(platform),
      link_(platform.hid, platform.desktop, platform.debug, platform.clock) {}

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
    switch (message) {
        case platform::kMsgCreate:
            return OnCreate();
        case platform::kMsgDestroy:
            OnDestroy();
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}
