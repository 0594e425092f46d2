#pragma once
// The shell: the notification-area icon, the icon's popup menu and starting
// programs with the verb "open".

#include <cstdint>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace platform {

// What the shell is told about the agent's icon.
struct TrayIconRecord {
    WindowHandle window = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;            // NIF_MESSAGE | NIF_ICON | NIF_TIP
    std::uint32_t callbackMessage = 0;  // posted to the window for mouse events on the icon
    int iconResource = 0;               // icon resource of the program's own resources
    std::u16string tip;
};

struct MenuItem {
    std::u16string text;
    std::uint32_t command = 0;  // delivered to the owner as WM_COMMAND when chosen
};

class Shell {
  public:
    virtual ~Shell() = default;

    // NIM_ADD / NIM_DELETE with the record; false when the shell refuses
    // (for one, before the taskbar exists).
    virtual bool AddTrayIcon(const TrayIconRecord& record) = 0;
    virtual bool DeleteTrayIcon(const TrayIconRecord& record) = 0;

    // The message the shell broadcasts when the taskbar is created again
    // (after it restarted); 0 when it cannot be had.
    virtual std::uint32_t TaskbarCreatedMessage() = 0;

    // Brings the owner's last active popup to the foreground, then shows a
    // popup menu of plain items at the cursor and returns when it closes. The
    // chosen item reaches the owner as WM_COMMAND.
    virtual void TrackPopupMenu(WindowHandle owner, const std::vector<MenuItem>& items) = 0;

    // Opens a file with the verb "open" (starts a program), with no owner,
    // parameters or working folder; the result is not reported.
    virtual void Open(std::u16string_view path) = 0;
};

}  // namespace platform
