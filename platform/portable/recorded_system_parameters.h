#pragma once
// The session's pointer settings kept in memory, starting from the system's
// defaults, with every call recorded in order as a line of text. A test can
// make every setter fail.

#include <string>
#include <vector>

#include "platform/portable/trace.h"
#include "platform/system_parameters.h"

namespace platform::portable {

class RecordedSystemParameters final : public SystemParameters {
  public:
    explicit RecordedSystemParameters(Trace* trace = nullptr) : trace_(trace) {}

    bool SetDoubleClickTime(std::uint32_t milliseconds) override;
    bool SetMouseAcceleration(const MouseAcceleration& values, std::uint32_t update) override;
    bool SetMouseSpeed(std::int32_t speed, std::uint32_t update) override;
    bool SetWheelScrollLines(std::uint32_t lines, std::uint32_t update) override;

    std::uint32_t DoubleClickTime() override { return doubleClickTime_; }
    std::uint32_t WheelScrollLines() override { return wheelScrollLines_; }
    MouseAcceleration Acceleration() const { return acceleration_; }
    std::int32_t MouseSpeed() const { return mouseSpeed_; }

    void FailAll(bool fail) { failAll_ = fail; }

    // One line per setter call, e.g. "SetMouseSpeed 10 flags 2".
    const std::vector<std::string>& Calls() const { return calls_; }

  private:
    bool Record(std::string call);

    std::uint32_t doubleClickTime_ = 500;
    MouseAcceleration acceleration_{6, 10, 1};
    std::int32_t mouseSpeed_ = 10;
    std::uint32_t wheelScrollLines_ = 3;
    bool failAll_ = false;
    std::vector<std::string> calls_;
    Trace* trace_;
};

}  // namespace platform::portable
