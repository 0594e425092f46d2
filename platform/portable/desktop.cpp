#include "platform/portable/desktop.h"

#include <string>

#include "platform/window_messages.h"

namespace platform::portable {

WindowHandle Desktop::FindWindowByTitle(std::u16string_view title) {
    std::lock_guard lock(mutex_);
    for (const auto& [handle, window] : windows_) {
        if (window.title == title) return handle;
    }
    return 0;
}

bool Desktop::Post(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    std::lock_guard lock(mutex_);
    const auto found = windows_.find(window);
    if (found == windows_.end()) return false;
    if (found->second.procedure == nullptr) {
        found->second.received.push_back({message, wParam, lParam});
    } else {
        queue_.push_back({window, {message, wParam, lParam}});
        queued_.notify_all();
    }
    return true;
}

WindowHandle Desktop::CreateHiddenWindow(const WindowSpec& spec, WindowProcedure& procedure) {
    WindowHandle handle = 0;
    {
        std::lock_guard lock(mutex_);
        if (refuseNextCreation_) {
            refuseNextCreation_ = false;
            return 0;
        }
        handle = nextHandle_++;
        windows_[handle] = Window{spec.title, &procedure, spec.extendedStyle, {}};
    }
    if (procedure.OnMessage(handle, kMsgCreate, 0, 0) == -1) {
        Destroy(handle);
        return 0;
    }
    return handle;
}

LResult Desktop::DefaultProcessing(WindowHandle window, std::uint32_t message, WParam, LParam) {
    if (message == kMsgClose) Destroy(window);
    return 0;
}

void Desktop::Destroy(WindowHandle window) {
    WindowProcedure* procedure = ProcedureOf(window);
    if (procedure == nullptr) return;
    procedure->OnMessage(window, kMsgDestroy, 0, 0);
    procedure->OnMessage(window, kMsgNcDestroy, 0, 0);
    std::lock_guard lock(mutex_);
    windows_.erase(window);
}

void Desktop::SetTitle(WindowHandle window, std::u16string_view title) {
    if (trace_) trace_->Record("desktop: set title");
    std::lock_guard lock(mutex_);
    if (auto found = windows_.find(window); found != windows_.end()) found->second.title = title;
}

void Desktop::SetExtendedStyle(WindowHandle window, std::uint32_t extendedStyle) {
    if (trace_) trace_->Record("desktop: set extended style");
    std::lock_guard lock(mutex_);
    if (auto found = windows_.find(window); found != windows_.end()) {
        found->second.extendedStyle = extendedStyle;
    }
}

void Desktop::SetTimer(WindowHandle window, std::uintptr_t id, std::uint32_t milliseconds) {
    if (trace_) trace_->Record("desktop: set timer " + std::to_string(id));
    std::lock_guard lock(mutex_);
    timers_[{window, id}] = milliseconds;
}

std::optional<std::uint32_t> Desktop::TimerPeriod(WindowHandle window, std::uintptr_t id) const {
    std::lock_guard lock(mutex_);
    const auto found = timers_.find({window, id});
    if (found == timers_.end()) return std::nullopt;
    return found->second;
}

int Desktop::RunMessageLoop() {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            queued_.wait(lock, [this] { return !queue_.empty() || quitCode_.has_value(); });
            if (queue_.empty()) return *quitCode_;
        }
        DispatchOne();
    }
}

void Desktop::PostQuit(int exitCode) {
    std::lock_guard lock(mutex_);
    quitCode_ = exitCode;
    queued_.notify_all();
}

WindowHandle Desktop::AddPeerWindow(std::u16string title) {
    std::lock_guard lock(mutex_);
    const WindowHandle handle = nextHandle_++;
    windows_[handle] = Window{std::move(title), nullptr, 0, {}};
    return handle;
}

std::vector<PostedMessage> Desktop::ReceivedBy(WindowHandle window) const {
    std::lock_guard lock(mutex_);
    const auto found = windows_.find(window);
    return found == windows_.end() ? std::vector<PostedMessage>{} : found->second.received;
}

LResult Desktop::Send(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    WindowProcedure* procedure = ProcedureOf(window);
    return procedure == nullptr ? 0 : procedure->OnMessage(window, message, wParam, lParam);
}

std::size_t Desktop::DispatchPending() {
    std::size_t count = 0;
    while (DispatchOne()) ++count;
    return count;
}

bool Desktop::WaitForMessage(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return queued_.wait_for(lock, timeout, [this] { return !queue_.empty(); });
}

bool Desktop::DispatchOne() {
    Queued next{};
    {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) return false;
        next = queue_.front();
        queue_.pop_front();
    }
    // A message for a window destroyed since it was posted is dropped.
    if (WindowProcedure* procedure = ProcedureOf(next.window)) {
        procedure->OnMessage(next.window, next.message.message, next.message.wParam,
                             next.message.lParam);
    }
    return true;
}

std::size_t Desktop::CountWindowsTitled(std::u16string_view title) const {
    std::lock_guard lock(mutex_);
    std::size_t count = 0;
    for (const auto& entry : windows_) count += entry.second.title == title ? 1 : 0;
    return count;
}

std::optional<std::uint32_t> Desktop::ExtendedStyleOf(WindowHandle window) const {
    std::lock_guard lock(mutex_);
    const auto found = windows_.find(window);
    if (found == windows_.end()) return std::nullopt;
    return found->second.extendedStyle;
}

WindowProcedure* Desktop::ProcedureOf(WindowHandle window) const {
    std::lock_guard lock(mutex_);
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.procedure;
}

}  // namespace platform::portable
