#include "benchmark_engines.h"
#include "platform/portable/private_profile.h"
#include "platform/win32/private_profile.h"

std::vector<NamedEngine> BenchmarkEngines() {
    std::vector<NamedEngine> engines;
    engines.push_back({"our engine", std::make_unique<platform::portable::PrivateProfile>()});
    engines.push_back(
        {"system functions", std::make_unique<platform::win32::SystemPrivateProfile>()});
    return engines;
}
