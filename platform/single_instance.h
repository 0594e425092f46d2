#pragma once
// Named kernel mutexes used as markers that an instance is running. The agent
// never owns or waits on them.

#include <cstdint>
#include <string_view>

namespace platform {

using MutexHandle = std::uintptr_t;  // 0 names no mutex

struct NamedMutex {
    MutexHandle handle = 0;
    bool alreadyExisted = false;  // another holder created it first
};

class SingleInstance {
  public:
    virtual ~SingleInstance() = default;

    // Creates (or opens) the named mutex without taking ownership.
    virtual NamedMutex Create(std::u16string_view name) = 0;

    // Releases ownership if held (it never is) and closes the handle.
    virtual void Close(MutexHandle handle) = 0;
};

}  // namespace platform
