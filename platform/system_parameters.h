#pragma once
// The session's pointer settings: double-click time, pointer acceleration and
// speed, wheel scroll lines. A setter that fails leaves the setting as it was.

#include <cstdint>

namespace platform {

// How a change is made known, the system's own flags (SPIF_*).
inline constexpr std::uint32_t kUpdateProfile = 0x1;  // saved to the user's profile
inline constexpr std::uint32_t kSendChange = 0x2;     // top-level windows are told

// The wheel scrolls one page per notch instead of a number of lines.
inline constexpr std::uint32_t kWheelPageScroll = 0xFFFFFFFF;

// The pointer acceleration: two movement thresholds and the acceleration level.
struct MouseAcceleration {
    std::int32_t firstThreshold = 0;
    std::int32_t secondThreshold = 0;
    std::int32_t acceleration = 0;
};

class SystemParameters {
  public:
    virtual ~SystemParameters() = default;

    // Milliseconds between the two clicks of a double-click.
    virtual bool SetDoubleClickTime(std::uint32_t milliseconds) = 0;
    virtual bool SetMouseAcceleration(const MouseAcceleration& values, std::uint32_t update) = 0;
    // Pointer speed 1 (slowest) to 20.
    virtual bool SetMouseSpeed(std::int32_t speed, std::uint32_t update) = 0;
    // Lines per wheel notch, or kWheelPageScroll.
    virtual bool SetWheelScrollLines(std::uint32_t lines, std::uint32_t update) = 0;

    // The settings in force, for checking what a setter left.
    virtual std::uint32_t DoubleClickTime() = 0;
    virtual std::uint32_t WheelScrollLines() = 0;
};

}  // namespace platform
