// The agent window's answers to device, session, timer and companion events.

#include "config/config_file.h"
#include "device/device_presence.h"
#include "platform/window_messages.h"
#include "shell/agent_window.h"
#include "shell/messages.h"

namespace {

// The presence check runs on this timer while the presence library is there.
constexpr platform::WParam PRESENCE_TIMER_ID = 100002;
constexpr std::uint32_t kPresenceTimerPeriod = 5000;
constexpr std::u16string_view kPresenceLibrary = u"\\Petruna.dll";

// Session-change codes (the wParam of WM_WTSSESSION_CHANGE).
constexpr platform::WParam kConsoleConnect = 1;
constexpr platform::WParam kConsoleDisconnect = 2;
constexpr platform::WParam kSessionLock = 7;
constexpr platform::WParam kSessionUnlock = 8;

// Lock and unlock count only from this major version on.
constexpr std::uint32_t kLockAwareMajorVersion = 6;

enum class SessionAction { kNothing, kSuspend, kResume };

SessionAction ActionFor(platform::WParam code, std::uint32_t majorVersion) {
    const bool lockAware = majorVersion >= kLockAwareMajorVersion;
    switch (code) {
        case kConsoleConnect:
            return SessionAction::kResume;
        case kConsoleDisconnect:
            return SessionAction::kSuspend;
        case kSessionLock:
            return lockAware ? SessionAction::kSuspend : SessionAction::kNothing;
        case kSessionUnlock:
            return lockAware ? SessionAction::kResume : SessionAction::kNothing;
        default:
            return SessionAction::kNothing;
    }
}

}  // namespace

void CMyWnd::ArmPresenceTimer() {
    // The presence library is not part of this system. Without it every
    // check would answer "absent" and hide the icon of a working mouse, so
    // the timer runs only where the library is installed.
    const std::u16string library =
        platform_.folders.ModuleFolder() + std::u16string(kPresenceLibrary);
    if (platform_.folders.FileExists(library)) {
        Desktop().SetTimer(GetSafeHwnd(), PRESENCE_TIMER_ID, kPresenceTimerPeriod);
    }
}

platform::LResult CMyWnd::OnDeviceChange() {
    if (sessionSuspended_) return 1;
    if (ReadBackProfile() != 0) {
        WriteDevicePresence(1);
        ShowIconIfAllowed();
    } else {
        PostToPeer(Desktop(), kCompanionWindowTitle, WM_COMPANION_NO_DEVICE, kNoDeviceCode, 0);
        RemoveTrayIcon();
    }
    return 1;
}

platform::LResult CMyWnd::OnSessionChange(platform::WParam code) {
    switch (ActionFor(code, platform_.version.MajorVersion())) {
        case SessionAction::kSuspend:
            RemoveTrayIcon();
            sessionSuspended_ = true;
            WriteDevicePresence(0);
            break;
        case SessionAction::kResume:
            sessionSuspended_ = false;
            if (ReadBackProfile() != 0) {
                WriteDevicePresence(1);
                ShowIconIfAllowed();
            } else {
                PostToPeer(Desktop(), kCompanionWindowTitle, WM_COMPANION_NO_DEVICE, kNoDeviceCode,
                           0);
            }
            break;
        case SessionAction::kNothing:
            break;
    }
    return 0;
}

platform::LResult CMyWnd::OnTimer(platform::WParam id) {
    if (id == PRESENCE_TIMER_ID) {
        const std::int32_t presence = QueryDevicePresence(platform_.folders, platform_.libraries);
        WriteDevicePresence(presence);
        if (presence == 0) {
            RemoveTrayIcon();
        } else {
            ShowIconIfAllowed();
        }
    }
    return Default();
}

platform::LResult CMyWnd::OnApplyAll() {
    LoadConfiguration();
    RefreshPointerSettings();
    const int uploaded = UploadProfile();
    if (SavedConfiguration.Global.Show_TrayIcon == 0) {
        RemoveTrayIcon();
    } else if (uploaded == 1) {
        ShowTrayIcon();
    }
    return 0;
}

platform::LResult CMyWnd::OnDeviceCommand() {
    SendDeviceCommand();
    return 0;
}

platform::LResult CMyWnd::OnDeviceDpiStage(platform::WParam stage) {
    const auto value = static_cast<std::int32_t>(stage);
    const GlobalSettings& global = SavedConfiguration.Global;
    const std::int32_t active = global.Active;
    ActiveProfile.DPI_Cur = value;
    // The active profile is stored in the section its id names; writing to
    // the section numbered by the slot would change another profile once the
    // configuration program has reordered them.
    const std::int32_t section = global.ProfileIds[static_cast<std::size_t>(active)];
    WriteProfileDpiStage(platform_.profiles, ConfigPath, section, value);
    PostToPeer(Desktop(), kCompanionWindowTitle, WM_COMPANION_DPI_STAGE,
               static_cast<platform::WParam>(active), value - 1);
    return 1;
}
