#include "platform/portable/mutex_registry.h"

namespace platform::portable {

NamedMutex MutexRegistry::Create(std::u16string_view name) {
    std::lock_guard lock(mutex_);
    bool existed = false;
    for (const auto& entry : handles_) existed = existed || entry.second == name;
    const MutexHandle handle = nextHandle_++;
    handles_[handle] = std::u16string(name);
    return {handle, existed};
}

void MutexRegistry::Close(MutexHandle handle) {
    std::lock_guard lock(mutex_);
    handles_.erase(handle);
}

int MutexRegistry::OpenCount(std::u16string_view name) const {
    std::lock_guard lock(mutex_);
    int count = 0;
    for (const auto& entry : handles_) count += entry.second == name ? 1 : 0;
    return count;
}

}  // namespace platform::portable
