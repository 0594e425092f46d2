#pragma once
// Time as the agent sees it: a wrapping millisecond tick count and a blocking
// sleep. Retries and quiet periods go through this port so that tests run them
// on a manual clock without really waiting.

#include <cstdint>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;

    // Milliseconds since some fixed start; wraps at 2^32 like the system's tick count.
    virtual std::uint32_t TickCount() = 0;

    // Blocks the calling thread for the given number of milliseconds.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace platform
