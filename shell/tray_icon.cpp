// The notification-area icon, its menu, and starting the configuration program.

#include "config/ini_file.h"
#include "platform/window_messages.h"
#include "shell/agent_window.h"
#include "shell/messages.h"

namespace {

constexpr std::uint32_t kTrayIconId = 128;
constexpr std::uint32_t kTrayIconFlags = 0x7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
constexpr int kTrayIconResource = 137;
constexpr std::u16string_view kTrayTip = u"kavrim Gaming Mouse";

constexpr std::u16string_view kCompanionProgram = u"\\Vorlix.exe";
constexpr std::u16string_view kSpanishMenuFile = u"\\Lan\\varo_Sp.ini";
constexpr std::u16string_view kEnglishMenuFile = u"\\Lan\\varo_En.ini";
constexpr std::u16string_view kMenuSection = u"TRAY_STRING";
constexpr std::int32_t kSpanish = 1;

}  // namespace

void CMyWnd::FillTrayRecord() {
    trayRecord_.window = GetSafeHwnd();
    trayRecord_.id = kTrayIconId;
    trayRecord_.flags = kTrayIconFlags;
    trayRecord_.callbackMessage = WM_TRAY_CALLBACK;
    trayRecord_.iconResource = kTrayIconResource;
    trayRecord_.tip = kTrayTip;
    taskbarCreatedMessage_ = platform_.shell.TaskbarCreatedMessage();
}

int CMyWnd::ShowTrayIcon() {
    if (iconShown_) return 0;
    const bool added = platform_.shell.AddTrayIcon(trayRecord_);
    iconShown_ = true;
    return added ? 1 : 0;
}

void CMyWnd::RemoveTrayIcon() {
    if (!iconShown_) return;
    platform_.shell.DeleteTrayIcon(trayRecord_);
    iconShown_ = false;
}

void CMyWnd::ShowIconIfAllowed() {
    if (SavedConfiguration.Global.Show_TrayIcon != 0) ShowTrayIcon();
}

void CMyWnd::OnTaskbarCreated() {
    // A shell that starts (or restarts) after the agent knows no icons: an
    // icon that should be shown is added again, also one the shell refused
    // before the taskbar existed.
    if (iconShown_) platform_.shell.AddTrayIcon(trayRecord_);
}

platform::LResult CMyWnd::OnTrayCallback(platform::LParam mouseMessage) {
    if (mouseMessage == platform::kMsgLeftButtonDoubleClick) {
        LaunchCompanion();
    } else if (mouseMessage == platform::kMsgRightButtonDown) {
        ShowTrayMenu();
    }
    return 0;
}

void CMyWnd::ShowTrayMenu() {
    // The file is read again so that the menu follows a language change that
    // the configuration program saved without telling the agent.
    LoadConfiguration();
    const std::u16string menuFile =
        platform_.folders.ModuleFolder() + std::u16string(Configuration.Global.lan_id == kSpanish
                                                              ? kSpanishMenuFile
                                                              : kEnglishMenuFile);
    const IniFile texts(platform_.profiles, menuFile);
    const std::vector<platform::MenuItem> items = {
        {texts.GetString(kMenuSection, u"1", u""), ID_TRAY_OPEN},
        {texts.GetString(kMenuSection, u"2", u""), ID_TRAY_HIDE},
    };
    platform_.shell.TrackPopupMenu(GetSafeHwnd(), items);
    // Lets the menu close properly when the user clicks elsewhere.
    Desktop().Post(GetSafeHwnd(), platform::kMsgNull, 0, 0);
}

void CMyWnd::LaunchCompanion() {
    if (Desktop().FindWindowByTitle(kCompanionWindowTitle) != 0) return;
    platform_.shell.Open(platform_.folders.ModuleFolder() + std::u16string(kCompanionProgram));
}
