#include "platform/win32/shell_services.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// The record in the structure version that ends with the item GUID; its size
// is the platform's own for the target (952 bytes in a 32-bit program).
NOTIFYICONDATAW NotifyIconData(const TrayIconRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V3_SIZE;
    data.hWnd = Hwnd(record.window);
    data.uID = record.id;
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    // A shared icon of the module: the system keeps it, nothing to free.
    data.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(record.iconResource));
    const std::wstring tip = Wide(record.tip);
    const std::size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
    std::copy_n(tip.begin(), length, data.szTip);
    return data;
}

}  // namespace

bool SystemShell::AddTrayIcon(const TrayIconRecord& record) {
    NOTIFYICONDATAW data = NotifyIconData(record);
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool SystemShell::DeleteTrayIcon(const TrayIconRecord& record) {
    NOTIFYICONDATAW data = NotifyIconData(record);
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

std::uint32_t SystemShell::TaskbarCreatedMessage() {
    return RegisterWindowMessageW(L"TaskbarCreated");
}

void SystemShell::TrackPopupMenu(WindowHandle owner, const std::vector<MenuItem>& items) {
    HWND window = Hwnd(owner);
    HWND popup = GetLastActivePopup(window);
    SetForegroundWindow(popup != nullptr ? popup : window);
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return;
    for (const MenuItem& item : items) {
        AppendMenuW(menu, MF_STRING, item.command, Wide(item.text).c_str());
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    ::TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
    DestroyMenu(menu);
}

void SystemShell::Open(std::u16string_view path) {
    ShellExecuteW(nullptr, L"open", Wide(path).c_str(), nullptr, nullptr, SW_SHOWDEFAULT);
}

std::uint32_t VersionQuery::MajorVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    // The version as told to this program is the point: see the manifest.
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return info.dwMajorVersion;
}

}  // namespace platform::win32
