#pragma once
// The gaming mouse's firmware as the host sees it: feature report 3
// (settings, 40 bytes) and 4 (buttons and macros, 2049 bytes) kept as last
// written, report 6 (command, 8 bytes) kept as the last command received, and
// the DPI button, which steps the current stage 1..7 and announces it in
// input report 2.

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace platform::portable {

inline constexpr std::uint8_t kSettingsReportId = 3;
inline constexpr std::uint8_t kButtonReportId = 4;
inline constexpr std::uint8_t kCommandReportId = 6;
inline constexpr std::uint8_t kDpiStageReportId = 2;
inline constexpr int kSettingsReportLength = 40;
inline constexpr int kButtonReportLength = 2049;
inline constexpr int kCommandReportLength = 8;
inline constexpr int kDpiStageReportLength = 4;
inline constexpr int kDpiStageCount = 7;

// What the mouse holds when it is first plugged in. Shorter reports are
// zero-filled to their length; byte 0 is always the report identifier.
struct MouseReports {
    std::vector<std::uint8_t> settings;
    std::vector<std::uint8_t> buttons;
};

class MouseFirmware {
  public:
    explicit MouseFirmware(const MouseReports& initial);

    // Takes a report whose identifier and length the firmware knows.
    bool SetFeature(const std::uint8_t* report, int length);
    // Answers the report named by byte 0 when the length is its own.
    bool GetFeature(std::uint8_t* report, int length) const;

    // Steps the DPI stage (after 7 comes 1), records it in byte 1 of report 3
    // and returns the input report that announces it.
    std::array<std::uint8_t, kDpiStageReportLength> PressDpiButton();

    // Report 3, 4 or 6 as held now.
    const std::vector<std::uint8_t>& Report(std::uint8_t id) const;

    // True once the host has set the report (report 6 is held only then).
    bool Received(std::uint8_t id) const { return received_.contains(id); }

  private:
    // The held report with this identifier when `length` is its length, else null.
    template <typename Self>
    static auto* Find(Self& self, std::uint8_t id, int length);

    std::map<std::uint8_t, std::vector<std::uint8_t>> reports_;
    std::set<std::uint8_t> received_;
};

}  // namespace platform::portable
