#pragma once
// An in-process desktop: windows registered by title, one message queue for
// the windows of this process, posting from any thread, and peer windows that
// stand for other programs and record what is posted to them.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/desktop.h"
#include "platform/portable/trace.h"

namespace platform::portable {

struct PostedMessage {
    std::uint32_t message = 0;
    WParam wParam = 0;
    LParam lParam = 0;
    bool operator==(const PostedMessage&) const = default;
};

class Desktop final : public platform::Desktop {
  public:
    explicit Desktop(Trace* trace = nullptr) : trace_(trace) {}

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

    // A window of another program; what is posted to it is recorded, in order.
    WindowHandle AddPeerWindow(std::u16string title);
    std::vector<PostedMessage> ReceivedBy(WindowHandle window) const;

    // Delivers a message at once on the calling thread and returns the
    // window's answer, as a sender waiting for it would get it.
    LResult Send(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

    // Delivers the queued messages on the calling thread, including those that
    // their handling posts, until the queue is empty. Returns how many.
    std::size_t DispatchPending();

    // Blocks until a message is queued or the time-out passes; true if one is.
    bool WaitForMessage(std::chrono::milliseconds timeout);

    std::size_t CountWindowsTitled(std::u16string_view title) const;
    std::optional<std::uint32_t> ExtendedStyleOf(WindowHandle window) const;
    // The period of a timer set on the window; tests post its WM_TIMER themselves.
    std::optional<std::uint32_t> TimerPeriod(WindowHandle window, std::uintptr_t id) const;

    // The next CreateHiddenWindow fails as if the system refused it.
    void RefuseNextCreation() { refuseNextCreation_ = true; }

  private:
    struct Window {
        std::u16string title;
        WindowProcedure* procedure = nullptr;  // null for a peer
        std::uint32_t extendedStyle = 0;
        std::vector<PostedMessage> received;
    };
    struct Queued {
        WindowHandle window;
        PostedMessage message;
    };

    WindowProcedure* ProcedureOf(WindowHandle window) const;
    void Destroy(WindowHandle window);
    bool DispatchOne();

    mutable std::mutex mutex_;
    std::condition_variable queued_;
    std::map<WindowHandle, Window> windows_;
    std::map<std::pair<WindowHandle, std::uintptr_t>, std::uint32_t> timers_;
    std::deque<Queued> queue_;
    WindowHandle nextHandle_ = 0x10000;
    std::optional<int> quitCode_;
    bool refuseNextCreation_ = false;
    Trace* trace_;
};

}  // namespace platform::portable
