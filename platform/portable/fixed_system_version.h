#pragma once
// A system version chosen by the test.

#include "platform/system_version.h"

namespace platform::portable {

class FixedSystemVersion final : public SystemVersion {
  public:
    explicit FixedSystemVersion(std::uint32_t major = 10) : major_(major) {}
    std::uint32_t MajorVersion() override { return major_; }
    void Set(std::uint32_t major) { major_ = major; }

  private:
    std::uint32_t major_;
};

}  // namespace platform::portable
