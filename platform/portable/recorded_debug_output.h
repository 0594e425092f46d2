#pragma once
// Debugger output kept in memory, line by line, for the tests to read.

#include <mutex>
#include <string>
#include <vector>

#include "platform/debug_output.h"
#include "platform/portable/trace.h"

namespace platform::portable {

class RecordedDebugOutput final : public DebugOutput {
  public:
    explicit RecordedDebugOutput(Trace* trace = nullptr) : trace_(trace) {}

    void Write(std::u16string_view text) override {
        if (trace_) trace_->Record("debug: " + std::string(text.begin(), text.end()));
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
    Trace* trace_;
};

}  // namespace platform::portable
