#pragma once
// The shell port on the real notification area, menus and shell execution,
// and the system's version query.

#include "platform/shell.h"
#include "platform/system_version.h"

namespace platform::win32 {

class SystemShell final : public Shell {
  public:
    bool AddTrayIcon(const TrayIconRecord& record) override;
    bool DeleteTrayIcon(const TrayIconRecord& record) override;
    std::uint32_t TaskbarCreatedMessage() override;
    void TrackPopupMenu(WindowHandle owner, const std::vector<MenuItem>& items) override;
    void Open(std::u16string_view path) override;
};

class VersionQuery final : public SystemVersion {
  public:
    std::uint32_t MajorVersion() override;
};

}  // namespace platform::win32
