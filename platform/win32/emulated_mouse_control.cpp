#include "platform/win32/emulated_mouse_control.h"

#include <cstring>
#include <string>

#include "device/report_hex.h"
#include "platform/portable/emulation_protocol.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kClassName[] = L"GamingMouseHidEmulatedMouse";

std::string Dump(const portable::EmulatedMouse& mouse) {
    std::string text;
    for (std::uint8_t id : {3, 4, 6}) {
        // Report 6 is shown only once the agent has sent one.
        if (id == 6 && !mouse.ReportReceived(id)) continue;
        text += "report " + std::to_string(id) + ": " + ReportToHex(mouse.Report(id)) + "\n";
    }
    return text;
}

}  // namespace

EmulatedMouseControl::EmulatedMouseControl(portable::EmulatedMouse& mouse) : mouse_(mouse) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &EmulatedMouseControl::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, kClassName, Wide(emulation::kControlWindowTitle).c_str(), WS_POPUP,
                              0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

EmulatedMouseControl::~EmulatedMouseControl() {
    if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK EmulatedMouseControl::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    auto* self = reinterpret_cast<EmulatedMouseControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && self != nullptr) {
        self->Apply(reinterpret_cast<HWND>(wParam), *reinterpret_cast<COPYDATASTRUCT*>(lParam));
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void EmulatedMouseControl::Apply(HWND sender, const COPYDATASTRUCT& data) {
    switch (static_cast<emulation::Control>(data.dwData)) {
        case emulation::Control::kPlug:
            mouse_.Plug();
            break;
        case emulation::Control::kUnplug:
            mouse_.Unplug();
            break;
        case emulation::Control::kPressDpiButton:
            mouse_.PressDpiButton();
            break;
        case emulation::Control::kRefuse:
            if (data.cbData == sizeof(std::int32_t) && data.lpData != nullptr) {
                std::int32_t count = 0;
                std::memcpy(&count, data.lpData, sizeof count);
                mouse_.RefuseNextSets(count);
            }
            break;
        case emulation::Control::kDump: {
            std::string text = Dump(mouse_);
            COPYDATASTRUCT answer{emulation::kDumpText, static_cast<DWORD>(text.size()),
                                  text.data()};
            SendMessageW(sender, WM_COPYDATA, reinterpret_cast<WPARAM>(window_),
                         reinterpret_cast<LPARAM>(&answer));
            break;
        }
    }
}

}  // namespace platform::win32
