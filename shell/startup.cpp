// The agent window's start-up and destroy sequences.

#include "platform/window_messages.h"
#include "shell/agent_window.h"
#include "shell/messages.h"

namespace {

// The configuration file, below the user's roaming application-data folder.
constexpr std::u16string_view kConfigFileSuffix = u"\\kavrim\\Gamingmouse\\GamingMouse";

// The path buffer of the file functions: 260 characters with the terminator.
constexpr std::size_t kMaxPathLength = 259;

// Session notifications come through a library loaded at run time, so the
// agent starts on systems without it.
constexpr std::u16string_view kSessionLibrary = u"wtsapi32.dll";
constexpr std::uint32_t kNotifyForThisSession = 0;

}  // namespace

int CMyWnd::OnCreate() {
    if (Default() == -1) return -1;
    Desktop().SetTitle(GetSafeHwnd(), kAgentWindowTitle);
    BuildConfigPath();
    StartDeviceLink();
    RegisterSessionNotifications();
    LoadConfiguration();
    Desktop().SetExtendedStyle(GetSafeHwnd(), platform::kExStyleToolWindow);
    FillTrayRecord();
    if (ReadBackProfile() != 0) {
        LaunchCompanion();
        WriteDevicePresence(1);
        ShowIconIfAllowed();
    } else {
        WriteDevicePresence(0);
    }
    RefreshPointerSettings();
    ArmPresenceTimer();
    platform_.debug.Write(u"OnCreate over");
    return 0;
}

void CMyWnd::OnDestroy() {
    PostToPeer(Desktop(), kCompanionWindowTitle, platform::kMsgCommand, kAgentEndingCommand, 0);
    PostToPeer(Desktop(), kOsdWindowTitle, platform::kMsgDestroy, 0, 0);
    PostToPeer(Desktop(), kOsdWindowTitle, platform::kMsgClose, 0, 0);
    UnregisterSessionNotifications();
    Default();
}

void CMyWnd::BuildConfigPath() {
    // Without a usable path the agent runs on its defaults and touches no
    // file: a cut path could name somebody else's file.
    ConfigPath.clear();
    const std::optional<std::u16string> folder = platform_.folders.RoamingAppData();
    if (!folder || folder->empty()) return;
    if (folder->size() + kConfigFileSuffix.size() > kMaxPathLength) return;
    ConfigPath = *folder + std::u16string(kConfigFileSuffix);
}

void CMyWnd::RegisterSessionNotifications() {
    sessionLibrary_ = platform_.libraries.Load(kSessionLibrary);
    if (sessionLibrary_ == 0) return;
    platform_.libraries.CallWithWindow(sessionLibrary_, "WTSRegisterSessionNotification",
                                       GetSafeHwnd(), kNotifyForThisSession);
}

void CMyWnd::UnregisterSessionNotifications() {
    if (sessionLibrary_ == 0) return;
    platform_.libraries.CallWithWindow(sessionLibrary_, "WTSUnRegisterSessionNotification",
                                       GetSafeHwnd(), std::nullopt);
    platform_.libraries.Free(sessionLibrary_);
    sessionLibrary_ = 0;
}
