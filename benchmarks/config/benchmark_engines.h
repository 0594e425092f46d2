#pragma once
// The private-profile engines a timing compares; the build picks the list.

#include <memory>
#include <vector>

#include "platform/private_profile.h"

struct NamedEngine {
    const char* name;
    std::unique_ptr<platform::PrivateProfile> profiles;
};

std::vector<NamedEngine> BenchmarkEngines();
