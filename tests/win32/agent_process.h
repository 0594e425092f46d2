#pragma once
// Black-box helpers for the built agent under Wine: starting it as a process
// of its own, finding its window, and peer windows that record what the
// agent posts to them.

#include <windows.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace agent_test {

// A started program; the handle is closed on destruction.
class Process {
  public:
    explicit Process(const std::wstring& commandLine);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    // The exit code, or STILL_ACTIVE when the program still runs after the wait.
    DWORD WaitForExit(std::chrono::milliseconds timeout);

  private:
    PROCESS_INFORMATION info_{};
};

// The Windows path of a file of this machine (Wine maps / to drive Z:).
std::wstring WindowsPath(const std::string& unixPath);

// Polls the condition until it holds; false after the time-out.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// Polls for a top-level window with this title; nullptr after the time-out.
HWND WaitForWindow(const wchar_t* title, std::chrono::milliseconds timeout);

// Top-level windows with exactly this title.
int CountWindowsTitled(const wchar_t* title);

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Windows of other programs (the configuration program, the on-screen
// display), run on a thread of their own, recording every posted message.
class PeerWindows {
  public:
    explicit PeerWindows(std::vector<std::wstring> titles);
    ~PeerWindows();
    PeerWindows(const PeerWindows&) = delete;
    PeerWindows& operator=(const PeerWindows&) = delete;

    std::vector<Received> ReceivedBy(const std::wstring& title) const;

    // Waits until the window has received at least this many messages.
    bool WaitForMessages(const std::wstring& title, std::size_t count,
                         std::chrono::milliseconds timeout) const;

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Run(std::vector<std::wstring> titles);

    mutable std::mutex mutex_;
    std::vector<std::pair<HWND, std::wstring>> windows_;
    std::vector<std::pair<std::wstring, Received>> received_;
    DWORD threadId_ = 0;
    HANDLE ready_ = nullptr;
    std::thread thread_;
};

}  // namespace agent_test
