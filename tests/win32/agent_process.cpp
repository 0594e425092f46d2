#include "agent_process.h"

#include <algorithm>

namespace agent_test {

namespace {

// Peer windows record only the messages of the protocol, not the system's
// own traffic of window creation.
bool IsRecorded(UINT message) {
    return message == WM_COMMAND || message == WM_DESTROY || message == WM_CLOSE ||
           message >= WM_USER;
}

PeerWindows* activePeers = nullptr;

}  // namespace

Process::Process(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring mutableLine = commandLine;
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_)) {
        info_ = {};
    }
}

Process::~Process() {
    if (info_.hProcess != nullptr) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 99);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

DWORD Process::WaitForExit(std::chrono::milliseconds timeout) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0) {
        GetExitCodeProcess(info_.hProcess, &code);
    }
    return code;
}

std::wstring WindowsPath(const std::string& unixPath) {
    std::wstring path = L"Z:";
    for (char c : unixPath) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
    return path;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Sleep(20);
    }
    return true;
}

HWND WaitForWindow(const wchar_t* title, std::chrono::milliseconds timeout) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindWindowW(nullptr, title)) != nullptr; }, timeout);
    return window;
}

int CountWindowsTitled(const wchar_t* title) {
    struct Search {
        const wchar_t* title;
        int count;
    } search{title, 0};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* state = reinterpret_cast<Search*>(parameter);
            wchar_t text[256] = {};
            GetWindowTextW(window, text, 256);
            if (std::wstring_view(text) == state->title) ++state->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

PeerWindows::PeerWindows(std::vector<std::wstring> titles) {
    activePeers = this;
    ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread(&PeerWindows::Run, this, std::move(titles));
    WaitForSingleObject(ready_, 10000);
}

PeerWindows::~PeerWindows() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    CloseHandle(ready_);
    activePeers = nullptr;
}

void PeerWindows::Run(std::vector<std::wstring> titles) {
    threadId_ = GetCurrentThreadId();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &PeerWindows::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"AgentTestPeer";
    RegisterClassW(&windowClass);
    for (const std::wstring& title : titles) {
        HWND window = CreateWindowExW(0, L"AgentTestPeer", title.c_str(), WS_POPUP, 0, 0, 10, 10,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        std::lock_guard lock(mutex_);
        windows_.emplace_back(window, title);
    }
    SetEvent(ready_);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    for (const auto& entry : windows_) DestroyWindow(entry.first);
}

LRESULT CALLBACK PeerWindows::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PeerWindows* self = activePeers;
    if (self != nullptr && IsRecorded(message)) {
        std::lock_guard lock(self->mutex_);
        const auto window = std::find_if(self->windows_.begin(), self->windows_.end(),
                                         [hwnd](const auto& entry) { return entry.first == hwnd; });
        if (window != self->windows_.end()) {
            self->received_.emplace_back(window->second, Received{message, wParam, lParam});
            return 0;  // a posted WM_CLOSE or WM_DESTROY is recorded, not acted on
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::vector<Received> PeerWindows::ReceivedBy(const std::wstring& title) const {
    std::lock_guard lock(mutex_);
    std::vector<Received> messages;
    for (const auto& entry : received_) {
        if (entry.first == title) messages.push_back(entry.second);
    }
    return messages;
}

bool PeerWindows::WaitForMessages(const std::wstring& title, std::size_t count,
                                  std::chrono::milliseconds timeout) const {
    return WaitUntil([&] { return ReceivedBy(title).size() >= count; }, timeout);
}

}  // namespace agent_test
