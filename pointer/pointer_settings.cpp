#include "pointer/pointer_settings.h"

#include "config/ini_file.h"

namespace {

constexpr std::u16string_view kMouseSubKey = u"Control Panel\\Mouse";
constexpr std::u16string_view kMouseKeyPath = u"HKEY_CURRENT_USER\\Control Panel\\Mouse";

// The registry's three precision values. Its MouseSpeed is the acceleration
// level, not the pointer speed.
struct Precision {
    std::int32_t mouseSpeed;
    std::int32_t threshold1;
    std::int32_t threshold2;
};
constexpr Precision kEnhancedPrecision{1, 6, 10};
constexpr Precision kNoPrecision{0, 0, 0};

}  // namespace

void RefreshPointerSettings(PointerPorts& ports, RegistryPathKey& mouseKey,
                            const ProfileRecord& profile) {
    RefreshDoubleClickSpeed(ports, profile);
    ports.debug.Write(u"RefreshDoubleClickSpeed\n");
    RefreshMouseMoveSpeed(ports, mouseKey, profile);
    ports.debug.Write(u"RefreshMouseMoveSpeed\n");
    RefreshScrollLine(ports, profile);
    ports.debug.Write(u"RefreshScrollLine\n");
}

void RefreshDoubleClickSpeed(PointerPorts& ports, const ProfileRecord& profile) {
    const std::int32_t milliseconds = 1000 - 80 * profile.DBClick_Speed;
    ports.system.SetDoubleClickTime(static_cast<std::uint32_t>(milliseconds));
    const platform::RegistryKey key = ports.registry.Open(platform::RegistryRoot::CurrentUser,
                                                          kMouseSubKey, platform::kKeyReadWrite);
    if (key == 0) return;
    ports.registry.SetString(key, u"DoubleClickSpeed", DecimalText(milliseconds));
    ports.registry.Close(key);
}

void RefreshMouseMoveSpeed(PointerPorts& ports, RegistryPathKey& mouseKey,
                           const ProfileRecord& profile) {
    const Precision& precision = profile.mouse_enhance != 0 ? kEnhancedPrecision : kNoPrecision;
    mouseKey.Open(kMouseKeyPath, platform::kKeyAllAccess);
    mouseKey.SetString(u"MouseSpeed", DecimalText(precision.mouseSpeed));
    mouseKey.SetString(u"MouseThreshold1", DecimalText(precision.threshold1));
    mouseKey.SetString(u"MouseThreshold2", DecimalText(precision.threshold2));
    ports.system.SetMouseAcceleration(
        {precision.threshold1, precision.threshold2, precision.mouseSpeed}, platform::kSendChange);
    ports.system.SetMouseSpeed(2 * profile.Mouse_Speed, platform::kSendChange);
}

void RefreshScrollLine(PointerPorts& ports, const ProfileRecord& profile) {
    const std::uint32_t lines = profile.scroll_page != 0
                                    ? platform::kWheelPageScroll
                                    : static_cast<std::uint32_t>(profile.Scroll_Speed);
    ports.system.SetWheelScrollLines(lines, platform::kUpdateProfile);
}
