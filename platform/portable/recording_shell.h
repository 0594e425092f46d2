#pragma once
// A shell that records what it is asked: the icon's adds and deletes, the
// menus shown and the programs opened. A test decides whether the shell takes
// an add, and which menu item the user picks.

#include <mutex>
#include <optional>
#include <vector>

#include "platform/desktop.h"
#include "platform/portable/trace.h"
#include "platform/shell.h"

namespace platform::portable {

class RecordingShell final : public Shell {
  public:
    static constexpr std::uint32_t kTaskbarCreated = 0xC0DE;

    explicit RecordingShell(Desktop& desktop, Trace* trace = nullptr)
        : desktop_(desktop), trace_(trace) {}

    bool AddTrayIcon(const TrayIconRecord& record) override;
    bool DeleteTrayIcon(const TrayIconRecord& record) override;
    std::uint32_t TaskbarCreatedMessage() override { return kTaskbarCreated; }
    void TrackPopupMenu(WindowHandle owner, const std::vector<MenuItem>& items) override;
    void Open(std::u16string_view path) override;

    // The shell refuses adds (the taskbar does not exist yet) while false.
    void SetTaskbarPresent(bool present);
    // The command the user picks in the next menu; none closes it unchosen.
    void ChooseInNextMenu(std::optional<std::uint32_t> command);

    int AddCount() const;
    int DeleteCount() const;
    std::optional<TrayIconRecord> LastRecord() const;
    std::vector<std::vector<MenuItem>> Menus() const;
    std::vector<std::u16string> Opened() const;

  private:
    Desktop& desktop_;
    Trace* trace_;
    mutable std::mutex mutex_;
    bool taskbarPresent_ = true;
    int adds_ = 0;
    int deletes_ = 0;
    std::optional<TrayIconRecord> lastRecord_;
    std::optional<std::uint32_t> nextChoice_;
    std::vector<std::vector<MenuItem>> menus_;
    std::vector<std::u16string> opened_;
};

}  // namespace platform::portable
