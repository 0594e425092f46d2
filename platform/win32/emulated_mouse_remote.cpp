#include "platform/win32/emulated_mouse_remote.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HWND ControlWindow() { return FindWindowW(nullptr, Wide(emulation::kControlWindowTitle).c_str()); }

LRESULT Send(HWND control, HWND replyTo, emulation::Control what, std::int32_t argument) {
    COPYDATASTRUCT data{static_cast<ULONG_PTR>(what), sizeof argument, &argument};
    return SendMessageW(control, WM_COPYDATA, reinterpret_cast<WPARAM>(replyTo),
                        reinterpret_cast<LPARAM>(&data));
}

// Receives the dump, which the control window sends back while our own send
// is still waiting for it.
LRESULT CALLBACK ReceiveDump(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        auto* text = reinterpret_cast<std::string*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (data->dwData == emulation::kDumpText && text != nullptr) {
            text->assign(static_cast<const char*>(data->lpData), data->cbData);
        }
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

bool SendMouseControl(emulation::Control control, std::int32_t argument) {
    HWND window = ControlWindow();
    return window != nullptr && Send(window, nullptr, control, argument) != 0;
}

std::optional<std::string> DumpMouseReports() {
    HWND control = ControlWindow();
    if (control == nullptr) return std::nullopt;
    static constexpr wchar_t kClass[] = L"GamingMouseHidDumpReceiver";
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ReceiveDump;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassW(&windowClass);
    HWND receiver = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    if (receiver == nullptr) return std::nullopt;
    std::string text;
    SetWindowLongPtrW(receiver, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&text));
    const bool answered = Send(control, receiver, emulation::Control::kDump, 0) != 0;
    DestroyWindow(receiver);
    if (!answered) return std::nullopt;
    return text;
}

}  // namespace platform::win32
