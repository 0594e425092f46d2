#include "platform/portable/manual_clock.h"

namespace platform::portable {

void ManualClock::Sleep(std::uint32_t milliseconds) {
    now_ += milliseconds;
    std::lock_guard lock(mutex_);
    sleeps_.push_back(milliseconds);
}

std::vector<std::uint32_t> ManualClock::Sleeps() const {
    std::lock_guard lock(mutex_);
    return sleeps_;
}

}  // namespace platform::portable
