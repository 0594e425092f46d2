#pragma once
// A clock that moves only when told to: a sleep advances it at once by its
// length and is recorded, so retries and quiet periods cost no real time.

#include <atomic>
#include <mutex>
#include <vector>

#include "platform/clock.h"

namespace platform::portable {

class ManualClock final : public Clock {
  public:
    explicit ManualClock(std::uint32_t start = 100000) : now_(start) {}

    std::uint32_t TickCount() override { return now_.load(); }
    void Sleep(std::uint32_t milliseconds) override;

    void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }
    std::vector<std::uint32_t> Sleeps() const;

  private:
    std::atomic<std::uint32_t> now_;
    mutable std::mutex mutex_;
    std::vector<std::uint32_t> sleeps_;
};

}  // namespace platform::portable
