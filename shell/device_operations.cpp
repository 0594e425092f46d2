// The agent window's traffic with the mouse: the link's start, the upload,
// the command report and the read-back into the configuration file.

#include "config/config_file.h"
#include "device/profile_transfer.h"
#include "shell/agent_window.h"
#include "shell/messages.h"

namespace {

// The mouse's identifiers, accepted besides the fixed 0x3938 and 0x1101.
constexpr std::int32_t kVendorId = 0x1B80;
constexpr std::int32_t kProductId = 0xB412;

// A burst of device changes costs one read-back: within this time of the
// last one, the mouse counts as having answered.
constexpr std::uint32_t kReadBackQuietPeriod = 1000;

}  // namespace

void CMyWnd::StartDeviceLink() {
    link_.vendorId = kVendorId;
    link_.productId = kProductId;
    link_.Start(GetSafeHwnd(), deviceNotification_);
}

int CMyWnd::ReadBackProfile() {
    // Without a first read-back there is no quiet period: a tick count that
    // happens to be below 1000 must not pass for a recent answer.
    if (hasReadBack_ && platform_.clock.TickCount() - lastReadBackTick < kReadBackQuietPeriod) {
        return 1;
    }
    const GlobalSettings& global = Configuration.Global;
    const ProfileRecord& stored = Configuration.Profiles[static_cast<std::size_t>(global.Active)];
    if (FetchProfileFromMouse(link_, platform_.clock, ActiveProfile, stored) == 0) return 0;
    WriteProfile(platform_.profiles, ConfigPath, global.Current, ActiveProfile);
    PostToPeer(Desktop(), kCompanionWindowTitle, WM_COMPANION_RELOAD, 0, 0);
    lastReadBackTick = platform_.clock.TickCount();
    hasReadBack_ = true;
    return 1;
}

int CMyWnd::UploadProfile() { return ::UploadProfile(link_, platform_.clock, ActiveProfile); }

int CMyWnd::SendDeviceCommand() { return ::SendDeviceCommand(link_); }
