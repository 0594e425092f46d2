#pragma once
// What the presence tests need of the build they run in: the system's library
// loader and the folder the stand-in libraries were built into.

#include <filesystem>
#include <memory>

#include "platform/libraries.h"

std::unique_ptr<platform::Libraries> SystemLibraries();
std::filesystem::path BuiltLibraryFolder();
