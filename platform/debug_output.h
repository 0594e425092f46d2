#pragma once
// The debugger output: the agent's only diagnostic channel. One call is one
// line as the caller formatted it (a trailing line feed is the caller's).

#include <string_view>

namespace platform {

class DebugOutput {
  public:
    virtual ~DebugOutput() = default;
    virtual void Write(std::u16string_view text) = 0;
};

}  // namespace platform
