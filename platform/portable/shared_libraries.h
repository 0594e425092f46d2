#pragma once
// Libraries of this machine, loaded with the dynamic loader. A library keeps
// the Windows file name it stands for ("Petruna.dll" is then a shared object
// of that name in the agent's folder).

#include "platform/libraries.h"
#include "platform/portable/trace.h"

namespace platform::portable {

class SharedLibraries final : public Libraries {
  public:
    explicit SharedLibraries(Trace* trace = nullptr) : trace_(trace) {}

    LibraryHandle Load(std::u16string_view path) override;
    void Free(LibraryHandle library) override;
    std::optional<std::int32_t> CallWithTwoIntegers(LibraryHandle library, const char* function,
                                                    std::int32_t first,
                                                    std::int32_t second) override;
    std::optional<std::int32_t> CallWithWindow(LibraryHandle library, const char* function,
                                               WindowHandle window,
                                               std::optional<std::uint32_t> flags) override;

  private:
    Trace* trace_;
};

}  // namespace platform::portable
