#include "platform/win32/desktop.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The procedure of the window being created on this thread: the messages of
// creation arrive before the window can carry a pointer to it.
thread_local WindowProcedure* windowInCreation = nullptr;

LRESULT CALLBACK RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* procedure = reinterpret_cast<WindowProcedure*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (procedure == nullptr && windowInCreation != nullptr) {
        procedure = windowInCreation;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(procedure));
    }
    if (procedure == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result =
        procedure->OnMessage(reinterpret_cast<WindowHandle>(hwnd), message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return result;
}

// A plain class: no class style, cursor, background brush or icon.
const wchar_t* PlainWindowClass() {
    static const wchar_t* const name = [] {
        static constexpr wchar_t kName[] = L"GamingMouseHidPlainWindow";
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = RouteMessage;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kName;
        RegisterClassW(&windowClass);
        return kName;
    }();
    return name;
}

}  // namespace

WindowHandle Desktop::FindWindowByTitle(std::u16string_view title) {
    return reinterpret_cast<WindowHandle>(FindWindowW(nullptr, Wide(title).c_str()));
}

bool Desktop::Post(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    return PostMessageW(Hwnd(window), message, wParam, lParam) != FALSE;
}

WindowHandle Desktop::CreateHiddenWindow(const WindowSpec& spec, WindowProcedure& procedure) {
    windowInCreation = &procedure;
    HWND hwnd = CreateWindowExW(spec.extendedStyle, PlainWindowClass(), Wide(spec.title).c_str(),
                                spec.style, spec.x, spec.y, spec.width, spec.height, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    windowInCreation = nullptr;
    return reinterpret_cast<WindowHandle>(hwnd);
}

LResult Desktop::DefaultProcessing(WindowHandle window, std::uint32_t message, WParam wParam,
                                   LParam lParam) {
    return DefWindowProcW(Hwnd(window), message, wParam, lParam);
}

void Desktop::SetTitle(WindowHandle window, std::u16string_view title) {
    SetWindowTextW(Hwnd(window), Wide(title).c_str());
}

void Desktop::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    ::SetTimer(Hwnd(window), id, milliseconds, nullptr);
}

void Desktop::SetExtendedStyle(WindowHandle window, std::uint32_t extendedStyle) {
    SetWindowLongPtrW(Hwnd(window), GWL_EXSTYLE, static_cast<LONG_PTR>(extendedStyle));
}

int Desktop::RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Desktop::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

}  // namespace platform::win32
