#pragma once
// The desktop port on the real window manager.

#include "platform/desktop.h"

namespace platform::win32 {

class Desktop final : public platform::Desktop {
  public:
    WindowHandle FindWindowByTitle(std::u16string_view title) override;
    bool Post(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) override;
    WindowHandle CreateHiddenWindow(const WindowSpec& spec, WindowProcedure& procedure) override;
    LResult DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam,
                              LParam lParam) override;
    void SetTitle(WindowHandle window, std::u16string_view title) override;
    void SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) override;
    void SetExtendedStyle(WindowHandle window, std::uint32_t extendedStyle) override;
    int RunMessageLoop() override;
    void PostQuit(int exitCode) override;
};

}  // namespace platform::win32
