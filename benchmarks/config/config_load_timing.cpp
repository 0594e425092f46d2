// The same full load timed with the clock alone, so that it also runs on
// Windows (and under Wine), where it times the system's private-profile
// functions beside our engine. Prints the median and the fastest of 30 loads.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "benchmark_engines.h"
#include "load_fixture.h"

namespace {

struct Timing {
    double median;
    double fastest;
};

template <class Prepare>
Timing TimeLoads(LoadFixture& fixture, platform::PrivateProfile& profiles, Prepare prepare) {
    std::vector<double> milliseconds;
    for (int round = 0; round < 33; ++round) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        fixture.Load(profiles);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        if (round >= 3) milliseconds.push_back(spent.count());  // the first loads warm up
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return {milliseconds[milliseconds.size() / 2], milliseconds.front()};
}

}  // namespace

int main() {
    LoadFixture fixture;
    std::printf("full load of a %zu-byte six-profile file, milliseconds per load\n",
                fixture.FileSize());
    for (const NamedEngine& engine : BenchmarkEngines()) {
        const Timing longAgo =
            TimeLoads(fixture, *engine.profiles, [&] { fixture.SavedLongAgo(); });
        const Timing justNow =
            TimeLoads(fixture, *engine.profiles, [&] { fixture.SavedJustNow(); });
        std::printf(
            "%-28s saved long ago: median %8.3f fastest %8.3f | saved just now: median %8.3f "
            "fastest %8.3f\n",
            engine.name, longAgo.median, longAgo.fastest, justNow.median, justNow.fastest);
    }
    return 0;
}
