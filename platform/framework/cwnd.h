#pragma once
// CWnd: a window object bound to one window of the desktop. A subclass
// overrides WindowProc as its message map, answers the messages it handles and
// hands every other one to Default().

#include <cstdint>

#include "platform/desktop.h"

class CWnd : protected platform::WindowProcedure {
  public:
    explicit CWnd(platform::Desktop& desktop) : desktop_(desktop) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window, or 0 before creation and after destruction.
    platform::WindowHandle GetSafeHwnd() const { return window_; }

    // Creates the window; its creation messages reach WindowProc before this
    // returns. False when the window could not be created.
    bool CreateEx(const platform::WindowSpec& spec);

    // Makes the end of this window end the calling thread's message loop.
    void QuitWhenDestroyed() { quitWhenDestroyed_ = true; }

  protected:
    virtual platform::LResult WindowProc(std::uint32_t message, platform::WParam wParam,
                                         platform::LParam lParam);

    // Default processing of the message being handled.
    platform::LResult Default();

    platform::Desktop& Desktop() const { return desktop_; }

  private:
    platform::LResult OnMessage(platform::WindowHandle window, std::uint32_t message,
                                platform::WParam wParam, platform::LParam lParam) final;

    struct Message {
        std::uint32_t id = 0;
        platform::WParam wParam = 0;
        platform::LParam lParam = 0;
    };

    platform::Desktop& desktop_;
    platform::WindowHandle window_ = 0;
    Message current_;
    bool quitWhenDestroyed_ = false;
};
