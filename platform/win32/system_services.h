#pragma once
// The small ports on the kernel and shell: tick count and sleep, debugger
// output, the instance marker, folders and run-time libraries.

#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/folders.h"
#include "platform/libraries.h"
#include "platform/single_instance.h"

namespace platform::win32 {

class SystemClock final : public Clock {
  public:
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t milliseconds) override;
};

class DebuggerOutput final : public DebugOutput {
  public:
    void Write(std::u16string_view text) override;
};

class KernelMutexes final : public SingleInstance {
  public:
    NamedMutex Create(std::u16string_view name) override;
    void Close(MutexHandle handle) override;
};

class ShellFolders final : public Folders {
  public:
    std::u16string ModuleFolder() override;
    std::optional<std::u16string> RoamingAppData() override;
    bool FileExists(std::u16string_view path) override;
};

class DynamicLibraries final : public Libraries {
  public:
    LibraryHandle Load(std::u16string_view path) override;
    void Free(LibraryHandle library) override;
    std::optional<std::int32_t> CallWithTwoIntegers(LibraryHandle library, const char* function,
                                                    std::int32_t first,
                                                    std::int32_t second) override;
    std::optional<std::int32_t> CallWithWindow(LibraryHandle library, const char* function,
                                               WindowHandle window,
                                               std::optional<std::uint32_t> flags) override;
};

}  // namespace platform::win32
