#pragma once
// One ordered record of the calls that the portable ports receive, shared by
// the ports of one platform, so that a test can read the order of a sequence
// that spans several ports.

#include <mutex>
#include <string>
#include <vector>

namespace platform::portable {

class Trace {
  public:
    void Record(std::string event) {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }

    std::vector<std::string> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> events_;
};

}  // namespace platform::portable
