#include "device/profile_transfer.h"

#include "device/button_report.h"
#include "device/button_report_decoder.h"
#include "device/settings_report.h"

namespace {

constexpr int kSettingsLength = static_cast<int>(kSettingsReportSize);
constexpr int kButtonLength = static_cast<int>(kButtonReportSize);
constexpr int kCommandLength = static_cast<int>(kCommandReportSize);
constexpr int kSettingsAttempts = 5;
constexpr std::uint32_t kSettleMilliseconds = 300;

// The mouse may be busy for a moment; every refusal is followed by a wait,
// the last one too.
bool SendSettings(HidDeviceLink& link, platform::Clock& clock, const SettingsReport& report) {
    for (int attempt = 0; attempt < kSettingsAttempts; ++attempt) {
        if (link.SetFeature(report.data(), kSettingsLength) != 0) return true;
        clock.Sleep(kSettleMilliseconds);
    }
    return false;
}

int Fail(HidDeviceLink& link) {
    link.Close();
    return 0;
}

}  // namespace

int UploadProfile(HidDeviceLink& link, platform::Clock& clock, const ProfileRecord& active) {
    if (link.IsOpen()) link.Close();
    if (link.Open(kSettingsLength) == 0) return 0;
    if (!SendSettings(link, clock, BuildSettingsReport(active))) return Fail(link);

    clock.Sleep(kSettleMilliseconds);
    link.Close();
    if (link.Open(kButtonLength) == 0) return 0;
    ButtonReport buttons;
    BuildButtonReport(active, buttons);
    // No second attempt for report 4.
    if (link.SetFeature(buttons.data(), kButtonLength) == 0) return Fail(link);
    return 1;
}

int SendDeviceCommand(HidDeviceLink& link) {
    if (link.IsOpen()) link.Close();
    if (link.Open(kCommandLength) == 0) return 0;
    const CommandReport command = BuildCommandReport();
    return link.SetFeature(command.data(), kCommandLength);
}

int FetchProfileFromMouse(HidDeviceLink& link, platform::Clock& clock, ProfileRecord& active,
                          const ProfileRecord& stored) {
    if (link.Open(kSettingsLength) == 0) return 0;
    SettingsReport settings{};
    settings[0] = kSettingsReportId;
    if (link.GetFeature(settings.data(), kSettingsLength) == 0) return Fail(link);
    DecodeSettingsReport(settings, active);

    link.Close();
    if (link.Open(kButtonLength) == 0) return 0;
    clock.Sleep(kSettleMilliseconds);
    ButtonReport buttons{};
    buttons[0] = kButtonReportId;
    if (link.GetFeature(buttons.data(), kButtonLength) == 0) return Fail(link);
    DecodeButtonReport(buttons, active, stored);
    return 1;
}
