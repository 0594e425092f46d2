#include "platform/win32/system_services.h"
#include "tests/device/presence_support.h"

std::unique_ptr<platform::Libraries> SystemLibraries() {
    return std::make_unique<platform::win32::DynamicLibraries>();
}

// The stand-in libraries are built beside this test program.
std::filesystem::path BuiltLibraryFolder() {
    return platform::win32::ShellFolders().ModuleFolder();
}
