#pragma once
// The window-message protocol between the agent, the configuration program
// and the on-screen display. The private numbers are fixed, not registered:
// the configuration program uses the same numbers.

#include <cstdint>
#include <string_view>

#include "platform/desktop.h"

// Window titles by which the three programs find each other.
inline constexpr std::u16string_view kAgentWindowTitle = u"GamingMouseHid_kavrim";
inline constexpr std::u16string_view kCompanionWindowTitle = u"kavrim Gaming Mouse";
inline constexpr std::u16string_view kOsdWindowTitle = u"OSDMain";

// Accepted by the agent window.
inline constexpr std::uint32_t WM_TRAY_CALLBACK = 0x0465;
inline constexpr std::uint32_t WM_APPLY_ALL = 0x04FF;
inline constexpr std::uint32_t WM_DEVICE_DPI_STAGE = 0x0500;
inline constexpr std::uint32_t WM_DEVICE_COMMAND = 0x0501;

// Commands of the icon's menu, delivered to the agent window as WM_COMMAND.
inline constexpr platform::WParam ID_TRAY_OPEN = 6001;
inline constexpr platform::WParam ID_TRAY_HIDE = 6002;

// Posted to the configuration program.
inline constexpr std::uint32_t WM_COMPANION_RELOAD = 0x0505;
inline constexpr std::uint32_t WM_COMPANION_DPI_STAGE = 0x0506;
inline constexpr std::uint32_t WM_COMPANION_NO_DEVICE = 0x0915;
inline constexpr platform::WParam kNoDeviceCode = 0x0917;  // wParam of WM_COMPANION_NO_DEVICE

// The wParam of the WM_COMMAND that tells the configuration program the agent ends.
inline constexpr platform::WParam kAgentEndingCommand = 0xFFFFFFFFu;

// Posts to the top-level window with exactly this title, if there is one.
// Peers are told, never asked: nothing waits and no result is examined.
inline void PostToPeer(platform::Desktop& desktop, std::u16string_view title, std::uint32_t message,
                       platform::WParam wParam, platform::LParam lParam) {
    if (const platform::WindowHandle peer = desktop.FindWindowByTitle(title)) {
        desktop.Post(peer, message, wParam, lParam);
    }
}
