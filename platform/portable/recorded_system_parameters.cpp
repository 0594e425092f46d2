#include "platform/portable/recorded_system_parameters.h"

namespace platform::portable {

namespace {

std::string Flags(std::uint32_t update) { return " flags " + std::to_string(update); }

}  // namespace

bool RecordedSystemParameters::SetDoubleClickTime(std::uint32_t milliseconds) {
    if (!Record("SetDoubleClickTime " + std::to_string(milliseconds))) return false;
    doubleClickTime_ = milliseconds;
    return true;
}

bool RecordedSystemParameters::SetMouseAcceleration(const MouseAcceleration& values,
                                                    std::uint32_t update) {
    if (!Record("SetMouseAcceleration " + std::to_string(values.firstThreshold) + " " +
                std::to_string(values.secondThreshold) + " " + std::to_string(values.acceleration) +
                Flags(update))) {
        return false;
    }
    acceleration_ = values;
    return true;
}

bool RecordedSystemParameters::SetMouseSpeed(std::int32_t speed, std::uint32_t update) {
    // The system takes speeds 1 to 20 only.
    if (!Record("SetMouseSpeed " + std::to_string(speed) + Flags(update)) || speed < 1 ||
        speed > 20) {
        return false;
    }
    mouseSpeed_ = speed;
    return true;
}

bool RecordedSystemParameters::SetWheelScrollLines(std::uint32_t lines, std::uint32_t update) {
    if (!Record("SetWheelScrollLines " + std::to_string(lines) + Flags(update))) return false;
    wheelScrollLines_ = lines;
    return true;
}

// Records the call; false when the setter is to fail.
bool RecordedSystemParameters::Record(std::string call) {
    if (trace_) trace_->Record("system: " + call);
    calls_.push_back(std::move(call));
    return !failAll_;
}

}  // namespace platform::portable
