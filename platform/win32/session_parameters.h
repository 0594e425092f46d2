#pragma once
// The pointer settings of the running session, on SystemParametersInfoW and
// the double-click time functions.

#include "platform/system_parameters.h"

namespace platform::win32 {

class SessionParameters final : public SystemParameters {
  public:
    bool SetDoubleClickTime(std::uint32_t milliseconds) override;
    bool SetMouseAcceleration(const MouseAcceleration& values, std::uint32_t update) override;
    bool SetMouseSpeed(std::int32_t speed, std::uint32_t update) override;
    bool SetWheelScrollLines(std::uint32_t lines, std::uint32_t update) override;
    std::uint32_t DoubleClickTime() override;
    std::uint32_t WheelScrollLines() override;
};

}  // namespace platform::win32
