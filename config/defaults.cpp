#include "config/defaults.h"

void ResetButtonAssignment(ButtonAssignment& assignment, int slot) {
    assignment.ButtonNo = static_cast<std::uint8_t>(slot + 1);
    assignment.ActionCode = kDefaultActionCodes[static_cast<std::size_t>(slot)];
    assignment.EventCount = 0;
    assignment.Events = {};
    assignment.RepeatMode = 0;
    assignment.RepeatCount = 0;
    assignment.MacroRef = -1;
}

ButtonAssignment DefaultButtonAssignment(int slot) {
    ButtonAssignment assignment{};
    ResetButtonAssignment(assignment, slot);
    return assignment;
}

ProfileRecord DefaultProfileRecord() {
    ProfileRecord profile{};
    profile.GroupID = 0;
    profile.DPI_Cur = 3;
    profile.DPI_Color = kDefaultDpiColours;
    profile.DPI_Value = kDefaultDpiValues;
    profile.POLLRATE_VALUE = 2;
    profile.Enable_light = 1;
    profile.Cycle_enable = 0;
    profile.light_type = 0;
    profile.light_Color.fill(kDefaultLightColour);
    profile.light_Cycle = kDefaultCycleColours;
    profile.light_bright_colorID = 0;
    profile.light_bright = 5;
    profile.light_speed = 3;
    profile.DBClick_Speed = 4;
    profile.Scroll_Speed = 3;
    profile.Mouse_Speed = 5;
    profile.scroll_page = 0;
    profile.mouse_enhance = 0;
    for (int slot = 0; slot < kButtonSlots; ++slot) {
        profile.ButtonAssigned[static_cast<std::size_t>(slot)] = DefaultButtonAssignment(slot);
    }
    return profile;
}

GlobalSettings DefaultGlobalSettings() {
    GlobalSettings global{};
    global.lan_id = 0;
    global.Show_TrayIcon = 1;
    global.Show_OSD = 1;
    global.Totle = kProfileSlots;
    global.Current = 0;
    global.Active = 0;
    for (int slot = 0; slot < kProfileSlots; ++slot) {
        global.ProfileIds[static_cast<std::size_t>(slot)] = slot;
    }
    return global;
}

ConfigDocument DefaultConfigDocument() {
    ConfigDocument document{};
    document.Global = DefaultGlobalSettings();
    document.Profiles.fill(DefaultProfileRecord());
    return document;
}
