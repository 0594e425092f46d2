#pragma once
// Named mutexes shared by every agent instance that uses the same registry,
// as kernel objects are shared by the processes of one session.

#include <map>
#include <mutex>
#include <string>

#include "platform/single_instance.h"

namespace platform::portable {

class MutexRegistry final : public SingleInstance {
  public:
    NamedMutex Create(std::u16string_view name) override;
    void Close(MutexHandle handle) override;

    // Handles open on the named mutex.
    int OpenCount(std::u16string_view name) const;

  private:
    mutable std::mutex mutex_;
    std::map<MutexHandle, std::u16string> handles_;
    MutexHandle nextHandle_ = 1;
};

}  // namespace platform::portable
