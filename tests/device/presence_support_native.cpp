#include "platform/portable/shared_libraries.h"
#include "tests/device/presence_support.h"

std::unique_ptr<platform::Libraries> SystemLibraries() {
    return std::make_unique<platform::portable::SharedLibraries>();
}

std::filesystem::path BuiltLibraryFolder() { return GM_TEST_LIBRARY_DIR; }
