// A full load of a six-profile configuration file through our own
// private-profile engine: of a file saved long ago (read once, then each key
// from the kept index after a check of the file's stamp), and of a file the
// other program saved a moment before (each key's read compares the bytes).

#include <benchmark/benchmark.h>

#include "load_fixture.h"

namespace {

void FullLoadOfAFileSavedLongAgo(benchmark::State& state) {
    LoadFixture fixture;
    fixture.SavedLongAgo();
    platform::portable::PrivateProfile profiles;
    for (auto _ : state) fixture.Load(profiles);
    state.counters["file_bytes"] = static_cast<double>(fixture.FileSize());
}
BENCHMARK(FullLoadOfAFileSavedLongAgo)->Unit(benchmark::kMicrosecond);

void FullLoadOfAFileSavedJustNow(benchmark::State& state) {
    LoadFixture fixture;
    platform::portable::PrivateProfile profiles;
    for (auto _ : state) {
        state.PauseTiming();
        fixture.SavedJustNow();
        state.ResumeTiming();
        fixture.Load(profiles);
    }
}
BENCHMARK(FullLoadOfAFileSavedJustNow)->Unit(benchmark::kMicrosecond);

}  // namespace
