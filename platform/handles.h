#pragma once
// Value types shared by every port: window handles and message parameters.
// They are plain integers so that the platform-neutral code needs no OS header;
// each backend converts them to its own handle type at the boundary.

#include <cstdint>

namespace platform {

// A top-level window. 0 names no window.
using WindowHandle = std::uintptr_t;

// The two message parameters and a window procedure's result, as wide as a
// pointer on the target, as the system's message functions take them.
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

}  // namespace platform
