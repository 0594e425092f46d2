#include "benchmark_engines.h"
#include "platform/portable/private_profile.h"

std::vector<NamedEngine> BenchmarkEngines() {
    std::vector<NamedEngine> engines;
    engines.push_back({"our engine", std::make_unique<platform::portable::PrivateProfile>()});
    return engines;
}
