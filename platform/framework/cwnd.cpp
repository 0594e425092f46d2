#include "platform/framework/cwnd.h"

#include "platform/window_messages.h"

bool CWnd::CreateEx(const platform::WindowSpec& spec) {
    return desktop_.CreateHiddenWindow(spec, *this) != 0;
}

platform::LResult CWnd::WindowProc(std::uint32_t, platform::WParam, platform::LParam) {
    return Default();
}

platform::LResult CWnd::Default() {
    return desktop_.DefaultProcessing(window_, current_.id, current_.wParam, current_.lParam);
}

platform::LResult CWnd::OnMessage(platform::WindowHandle window, std::uint32_t message,
                                  platform::WParam wParam, platform::LParam lParam) {
    // The first message arrives while the desktop is still creating the window.
    if (window_ == 0) window_ = window;

    // Messages nest (default processing of WM_CLOSE sends WM_DESTROY), so the
    // message that Default() answers is saved and restored around each one.
    const Message outer = current_;
    current_ = {message, wParam, lParam};
    const platform::LResult result = WindowProc(message, wParam, lParam);
    current_ = outer;

    if (message == platform::kMsgNcDestroy) {
        window_ = 0;
        if (quitWhenDestroyed_) desktop_.PostQuit(0);
    }
    return result;
}
