#pragma once
// The version of the system, as the system's version query reports it to this
// program (a program without a compatibility manifest is told 6 on newer
// systems).

#include <cstdint>

namespace platform {

class SystemVersion {
  public:
    virtual ~SystemVersion() = default;
    virtual std::uint32_t MajorVersion() = 0;
};

}  // namespace platform
