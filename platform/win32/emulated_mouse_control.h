#pragma once
// The control window of the emulated agent: lets another program plug and
// unplug the emulated mouse, press its DPI button, make it refuse reports and
// read the reports it holds.

#include <windows.h>

#include "platform/portable/emulated_mouse.h"

namespace platform::win32 {

class EmulatedMouseControl {
  public:
    explicit EmulatedMouseControl(portable::EmulatedMouse& mouse);
    ~EmulatedMouseControl();
    EmulatedMouseControl(const EmulatedMouseControl&) = delete;
    EmulatedMouseControl& operator=(const EmulatedMouseControl&) = delete;

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Apply(HWND sender, const COPYDATASTRUCT& data);

    portable::EmulatedMouse& mouse_;
    HWND window_ = nullptr;
};

}  // namespace platform::win32
