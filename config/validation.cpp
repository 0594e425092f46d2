#include "config/validation.h"

#include "config/defaults.h"

namespace {

void Clamp(std::int32_t& field, std::int32_t low, std::int32_t high, std::int32_t replacement) {
    if (field < low || field > high) field = replacement;
}

}  // namespace

bool IsAcceptedActionCode(std::uint8_t code) {
    return (code >= 0xA0 && code <= 0xAB) || (code >= 0xB0 && code <= 0xBA) ||
           (code >= 0xC0 && code <= 0xC7) || (code >= 0xD0 && code <= 0xD6);
}

void NormaliseProfile(ProfileRecord& profile) {
    Clamp(profile.GroupID, 0, 20, 0);
    Clamp(profile.DPI_Cur, 0, 7, 3);
    for (std::size_t stage = 0; stage < profile.DPI_Value.size(); ++stage) {
        Clamp(profile.DPI_Value[stage], 0, 10, kDefaultDpiValues[stage]);
    }
    Clamp(profile.POLLRATE_VALUE, 0, 3, 2);
    Clamp(profile.Enable_light, 0, 1, 1);
    Clamp(profile.Cycle_enable, 0, 1, 0);
    Clamp(profile.light_type, 0, 6, 0);
    Clamp(profile.light_bright, 0, 5, 5);
    Clamp(profile.light_speed, 1, 5, 3);
    Clamp(profile.light_bright_colorID, 0, 6, 0);
    Clamp(profile.DBClick_Speed, 1, 10, 4);
    Clamp(profile.Scroll_Speed, 1, 10, 3);
    Clamp(profile.scroll_page, 0, 1, 0);
    Clamp(profile.mouse_enhance, 0, 1, 0);
    Clamp(profile.Mouse_Speed, 1, 10, 5);

    for (int slot = 0; slot < kButtonSlots; ++slot) {
        ButtonAssignment& assignment = profile.ButtonAssigned[static_cast<std::size_t>(slot)];
        if (!IsAcceptedActionCode(assignment.ActionCode)) ResetButtonAssignment(assignment, slot);
    }
}

void ValidateConfigDocument(ConfigDocument& document) {
    GlobalSettings& global = document.Global;
    Clamp(global.Totle, 1, kProfileSlots, 1);
    Clamp(global.Current, 0, global.Totle - 1, 0);
    Clamp(global.Active, 0, global.Totle - 1, 0);
    Clamp(global.lan_id, 0, 1, 0);
    Clamp(global.Show_TrayIcon, 0, 1, 1);
    Clamp(global.Show_OSD, 0, 1, 1);
    for (int slot = 0; slot < global.Totle; ++slot) {
        Clamp(global.ProfileIds[static_cast<std::size_t>(slot)], 0, kProfileSlots - 1, 0);
        NormaliseProfile(document.Profiles[static_cast<std::size_t>(slot)]);
    }
}
