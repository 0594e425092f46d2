#include "platform/portable/mouse_firmware.h"

#include <algorithm>

namespace platform::portable {

namespace {

std::vector<std::uint8_t> Sized(std::vector<std::uint8_t> report, std::uint8_t id, int length) {
    report.resize(static_cast<std::size_t>(length), 0);
    report[0] = id;
    return report;
}

}  // namespace

MouseFirmware::MouseFirmware(const MouseReports& initial)
    : reports_{
          {kSettingsReportId, Sized(initial.settings, kSettingsReportId, kSettingsReportLength)},
          {kButtonReportId, Sized(initial.buttons, kButtonReportId, kButtonReportLength)},
          {kCommandReportId, Sized({}, kCommandReportId, kCommandReportLength)}} {}

template <typename Self>
auto* MouseFirmware::Find(Self& self, std::uint8_t id, int length) {
    const auto found = self.reports_.find(id);
    const bool fits =
        found != self.reports_.end() && static_cast<int>(found->second.size()) == length;
    return fits ? &found->second : nullptr;
}

bool MouseFirmware::SetFeature(const std::uint8_t* report, int length) {
    auto* held = Find(*this, report[0], length);
    if (held == nullptr) return false;
    std::copy_n(report, length, held->begin());
    received_.insert(report[0]);
    return true;
}

bool MouseFirmware::GetFeature(std::uint8_t* report, int length) const {
    const auto* held = Find(*this, report[0], length);
    if (held == nullptr) return false;
    std::copy(held->begin(), held->end(), report);
    return true;
}

std::array<std::uint8_t, kDpiStageReportLength> MouseFirmware::PressDpiButton() {
    std::uint8_t& stage = reports_.at(kSettingsReportId)[1];
    stage = static_cast<std::uint8_t>(stage >= 1 && stage < kDpiStageCount ? stage + 1 : 1);
    return {kDpiStageReportId, 0, stage, 0};
}

const std::vector<std::uint8_t>& MouseFirmware::Report(std::uint8_t id) const {
    return reports_.at(id);
}

}  // namespace platform::portable
