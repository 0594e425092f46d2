#include "platform/portable/recording_shell.h"

#include "platform/window_messages.h"

namespace platform::portable {

bool RecordingShell::AddTrayIcon(const TrayIconRecord& record) {
    if (trace_) trace_->Record("shell: add icon");
    std::lock_guard lock(mutex_);
    ++adds_;
    lastRecord_ = record;
    return taskbarPresent_;
}

bool RecordingShell::DeleteTrayIcon(const TrayIconRecord& record) {
    if (trace_) trace_->Record("shell: delete icon");
    std::lock_guard lock(mutex_);
    ++deletes_;
    lastRecord_ = record;
    return taskbarPresent_;
}

void RecordingShell::TrackPopupMenu(WindowHandle owner, const std::vector<MenuItem>& items) {
    if (trace_) trace_->Record("shell: menu");
    std::optional<std::uint32_t> choice;
    {
        std::lock_guard lock(mutex_);
        menus_.push_back(items);
        choice.swap(nextChoice_);
    }
    // The system delivers the choice to the owner as a command message.
    if (choice) desktop_.Post(owner, kMsgCommand, *choice, 0);
}

void RecordingShell::Open(std::u16string_view path) {
    if (trace_) trace_->Record("shell: open");
    std::lock_guard lock(mutex_);
    opened_.emplace_back(path);
}

void RecordingShell::SetTaskbarPresent(bool present) {
    std::lock_guard lock(mutex_);
    taskbarPresent_ = present;
}

void RecordingShell::ChooseInNextMenu(std::optional<std::uint32_t> command) {
    std::lock_guard lock(mutex_);
    nextChoice_ = command;
}

int RecordingShell::AddCount() const {
    std::lock_guard lock(mutex_);
    return adds_;
}

int RecordingShell::DeleteCount() const {
    std::lock_guard lock(mutex_);
    return deletes_;
}

std::optional<TrayIconRecord> RecordingShell::LastRecord() const {
    std::lock_guard lock(mutex_);
    return lastRecord_;
}

std::vector<std::vector<MenuItem>> RecordingShell::Menus() const {
    std::lock_guard lock(mutex_);
    return menus_;
}

std::vector<std::u16string> RecordingShell::Opened() const {
    std::lock_guard lock(mutex_);
    return opened_;
}

}  // namespace platform::portable
