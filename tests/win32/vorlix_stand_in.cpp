// A stand-in for the configuration program, Vorlix.exe, for end-to-end tests:
// it notes in the file named by GM_VORLIX_LOG that it was started and every
// message of the protocol its window "kavrim Gaming Mouse" receives, one line
// each ("started", or "<message> <wParam> <lParam>" in hexadecimal). It ends
// on WM_CLOSE.

#include <windows.h>

#include <cstdio>

namespace {

wchar_t logPath[MAX_PATH];

void Note(const char* text) {
    if (logPath[0] == L'\0') return;
    FILE* log = _wfopen(logPath, L"a");
    if (log == nullptr) return;
    std::fputs(text, log);
    std::fclose(log);
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message >= WM_USER || message == WM_COMMAND) {
        char line[80];
        std::snprintf(line, sizeof line, "%x %llx %llx\n", message,
                      static_cast<unsigned long long>(wParam),
                      static_cast<unsigned long long>(lParam));
        Note(line);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    GetEnvironmentVariableW(L"GM_VORLIX_LOG", logPath, MAX_PATH);
    Note("started\n");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"VorlixStandIn";
    RegisterClassW(&windowClass);
    CreateWindowExW(0, L"VorlixStandIn", L"kavrim Gaming Mouse", WS_POPUP, 0, 0, 10, 10, nullptr,
                    nullptr, instance, nullptr);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
