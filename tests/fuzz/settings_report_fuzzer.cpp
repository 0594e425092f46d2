// Reads any 40 bytes back as report 3, into a profile of any brightness, and
// builds the report again from what came back.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "config/defaults.h"
#include "device/settings_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsReport report{};
    std::copy_n(data, std::min(size, report.size()), report.begin());
    ProfileRecord profile = DefaultProfileRecord();
    if (size > report.size()) profile.light_bright = static_cast<std::int8_t>(data[report.size()]);
    DecodeSettingsReport(report, profile);
    const SettingsReport again = BuildSettingsReport(profile);
    return again[0] == kSettingsReportId ? 0 : -1;
}
