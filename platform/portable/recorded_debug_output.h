#pragma once
// Debugger output kept in memory, line by line, for the tests to read.

#include <mutex>
#include <string>
#include <vector>

#include "platform/debug_output.h"

namespace platform::portable {

class RecordedDebugOutput final : public DebugOutput {
public:
    void Write(std::u16string_view text) override {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(text);
    }

    std::vector<std::u16string> Lines() const {
        std::lock_guard lock(mutex_);
        return lines_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::u16string> lines_;
};

}  // namespace platform::portable
