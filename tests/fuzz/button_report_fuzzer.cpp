// Reads any 2049 bytes back as report 4 and builds the report again from the
// assignments that came back, whatever their offsets and lengths made of them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "config/defaults.h"
#include "device/button_report.h"
#include "device/button_report_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ButtonReport report{};
    std::copy_n(data, std::min(size, report.size()), report.begin());
    const ProfileRecord stored = DefaultProfileRecord();
    ProfileRecord active = stored;
    DecodeButtonReport(report, active, stored);
    for (const ButtonAssignment& assignment : active.ButtonAssigned) {
        if (assignment.EventCount > kMacroEventCapacity) std::abort();
    }
    BuildButtonReport(active, report);
    return 0;
}
