#pragma once
// Libraries loaded at run time and the few calls the agent makes into them.
// Each call looks the exported function up by name and calls it with the
// system's standard calling convention (the callee removes its arguments).

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/handles.h"

namespace platform {

using LibraryHandle = std::uintptr_t;  // 0 names no library

class Libraries {
  public:
    virtual ~Libraries() = default;

    // Loads the library at this path (or by this name from the system's
    // search path); 0 when it cannot be loaded.
    virtual LibraryHandle Load(std::u16string_view path) = 0;
    virtual void Free(LibraryHandle library) = 0;

    // int32 function(int32 first, int32 second); no value when the library
    // has no such export.
    virtual std::optional<std::int32_t> CallWithTwoIntegers(LibraryHandle library,
                                                            const char* function,
                                                            std::int32_t first,
                                                            std::int32_t second) = 0;

    // int32 function(window, uint32 flags) or, with flags absent, int32
    // function(window); no value when the library has no such export.
    virtual std::optional<std::int32_t> CallWithWindow(LibraryHandle library, const char* function,
                                                       WindowHandle window,
                                                       std::optional<std::uint32_t> flags) = 0;
};

}  // namespace platform
