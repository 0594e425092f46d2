#pragma once
// The desktop: top-level windows found by title, posted messages, and the
// message loop of the calling thread. The application framework
// (platform/framework) builds CWnd and CWinApp on this port.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/handles.h"

namespace platform {

// Receives every message sent or posted to one window, on the thread that
// created it.
class WindowProcedure {
  public:
    virtual LResult OnMessage(WindowHandle window, std::uint32_t message, WParam wParam,
                              LParam lParam) = 0;

  protected:
    ~WindowProcedure() = default;
};

struct WindowSpec {
    std::u16string title;
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // The top-level window whose title is exactly this text, or 0.
    virtual WindowHandle FindWindowByTitle(std::u16string_view title) = 0;

    // Queues a message for the window and returns at once; false when the
    // window does not exist. Safe from any thread.
    virtual bool Post(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) = 0;

    // Creates a window of a plain class (no class style, cursor, brush or
    // icon) that is never shown. The creation messages, WM_CREATE among them,
    // reach the procedure before this returns, with the new handle. 0 when
    // creation failed, also when WM_CREATE answered -1.
    virtual WindowHandle CreateHiddenWindow(const WindowSpec& spec, WindowProcedure& procedure) = 0;

    // What the system does with a message the window does not handle itself:
    // WM_CLOSE destroys the window (WM_DESTROY, then WM_NCDESTROY reach its
    // procedure), everything the agent sees otherwise answers 0.
    virtual LResult DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam,
                                      LParam lParam) = 0;

    virtual void SetTitle(WindowHandle window, std::u16string_view title) = 0;

    // Posts WM_TIMER with this identifier to the window every period.
    virtual void SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) = 0;
    virtual void SetExtendedStyle(WindowHandle window, std::uint32_t extendedStyle) = 0;

    // Dispatches the calling thread's messages until PostQuit; returns its code.
    virtual int RunMessageLoop() = 0;
    virtual void PostQuit(int exitCode) = 0;
};

}  // namespace platform
