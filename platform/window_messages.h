#pragma once
// The system window messages and style bits that the desktop port carries.
// The numbers are the system's own, so a backend passes them through as they are.

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t kMsgNull = 0x0000;
inline constexpr std::uint32_t kMsgCreate = 0x0001;
inline constexpr std::uint32_t kMsgDestroy = 0x0002;
inline constexpr std::uint32_t kMsgClose = 0x0010;
inline constexpr std::uint32_t kMsgNcDestroy = 0x0082;
inline constexpr std::uint32_t kMsgCommand = 0x0111;
inline constexpr std::uint32_t kMsgTimer = 0x0113;
inline constexpr std::uint32_t kMsgLeftButtonDoubleClick = 0x0203;
inline constexpr std::uint32_t kMsgRightButtonDown = 0x0204;
inline constexpr std::uint32_t kMsgDeviceChange = 0x0219;
inline constexpr std::uint32_t kMsgSessionChange = 0x02B1;  // WM_WTSSESSION_CHANGE
inline constexpr std::uint32_t kMsgFirstPrivate = 0x0400;   // WM_USER

inline constexpr std::uint32_t kStylePopup = 0x80000000u;         // WS_POPUP
inline constexpr std::uint32_t kExStyleToolWindow = 0x00000080u;  // WS_EX_TOOLWINDOW

}  // namespace platform
