// The agent's own work in one upload and one read-back, against the emulated
// mouse with the waits removed, and the report codecs alone. The heaviest
// profile the reports carry: six macros of 92 events (the report keeps two).

#include <benchmark/benchmark.h>

#include "config/defaults.h"
#include "device/button_report.h"
#include "device/button_report_decoder.h"
#include "device/profile_transfer.h"
#include "device/settings_report.h"
#include "platform/portable/desktop.h"
#include "platform/portable/emulated_mouse.h"
#include "platform/portable/recorded_debug_output.h"

namespace {

class NoWaitClock final : public platform::Clock {
  public:
    std::uint32_t TickCount() override { return 0; }
    void Sleep(std::uint32_t) override {}
};

ProfileRecord HeavyProfile() {
    ProfileRecord profile = DefaultProfileRecord();
    for (std::size_t slot = 0; slot < 6; ++slot) {
        ButtonAssignment& macro = profile.ButtonAssigned[slot];
        macro.ActionCode = 0xA6;
        for (std::size_t i = 0; i < kMacroEventCapacity; ++i) {
            macro.Events[i] = i % 2 == 0
                                  ? MacroEvent{0x14, 0, static_cast<std::uint16_t>(i / 2 % 2)}
                                  : MacroEvent{0xFF, 0, 20};
        }
    }
    return profile;
}

struct EmulatedSetup {
    platform::portable::Desktop desktop;
    platform::portable::RecordedDebugOutput debug;
    NoWaitClock clock;
    platform::portable::EmulatedMouse mouse{desktop};
    HidDeviceLink link{mouse, desktop, debug, clock};

    EmulatedSetup() {
        link.vendorId = 0x1B80;
        link.productId = 0xB412;
    }
};

void Upload(benchmark::State& state) {
    EmulatedSetup setup;
    const ProfileRecord profile = HeavyProfile();
    for (auto _ : state) {
        if (UploadProfile(setup.link, setup.clock, profile) != 1) state.SkipWithError("refused");
    }
}
BENCHMARK(Upload)->Unit(benchmark::kMicrosecond);

void FetchFromMouse(benchmark::State& state) {
    EmulatedSetup setup;
    const ProfileRecord stored = HeavyProfile();
    UploadProfile(setup.link, setup.clock, stored);
    ProfileRecord active = stored;
    for (auto _ : state) {
        if (FetchProfileFromMouse(setup.link, setup.clock, active, stored) != 1) {
            state.SkipWithError("not read");
        }
    }
}
BENCHMARK(FetchFromMouse)->Unit(benchmark::kMicrosecond);

void BuildReports(benchmark::State& state) {
    const ProfileRecord profile = HeavyProfile();
    ButtonReport buttons;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildSettingsReport(profile));
        BuildButtonReport(profile, buttons);
        benchmark::DoNotOptimize(buttons);
    }
}
BENCHMARK(BuildReports)->Unit(benchmark::kMicrosecond);

void DecodeReports(benchmark::State& state) {
    const ProfileRecord stored = HeavyProfile();
    const SettingsReport settings = BuildSettingsReport(stored);
    ButtonReport buttons;
    BuildButtonReport(stored, buttons);
    ProfileRecord active = stored;
    for (auto _ : state) {
        DecodeSettingsReport(settings, active);
        DecodeButtonReport(buttons, active, stored);
        benchmark::DoNotOptimize(active);
    }
}
BENCHMARK(DecodeReports)->Unit(benchmark::kMicrosecond);

}  // namespace
