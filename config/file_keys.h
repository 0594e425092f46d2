#pragma once
// The keys of the configuration file in the order in which they are read and
// written, each with the field it holds. Readers, writers and reports walk the
// same list, so the order lives here only.

#include <string>
#include <string_view>

#include "config/records.h"

inline constexpr std::u16string_view kSettingSection = u"Setting";

// "Profile%dSetting" with the section number in place of %d.
std::u16string ProfileSectionName(int sectionNumber);

// The name followed by the number in decimal ("DPI_Value3").
std::u16string NumberedKey(std::u16string_view name, std::size_t number);

// How many id keys and profiles a file with this "Totle" holds: the count when
// it lies in 1 to 6, else the 1 that validation will give it.
int ProfileSlotsInUse(std::int32_t totle);

// visit(key, field) for each key of section "Setting" but "Device"; Global may
// be const. The number of id keys follows the "Totle" that was just visited.
template <class Global, class Visitor>
void ForEachGlobalKey(Global& global, Visitor&& visit) {
    visit(u"Totle", global.Totle);
    visit(u"Current", global.Current);
    visit(u"Active", global.Active);
    visit(u"Show_TrayIcon", global.Show_TrayIcon);
    visit(u"Show_OSD", global.Show_OSD);
    visit(u"lan_id", global.lan_id);
    visit(u"BGFilesPath", global.BGFilesPath);
    const auto slots = static_cast<std::size_t>(ProfileSlotsInUse(global.Totle));
    for (std::size_t slot = 0; slot < slots; ++slot) {
        visit(NumberedKey(u"", slot), global.ProfileIds[slot]);
    }
}

// visit(key, field) for each key of a "Profile%dSetting" section; Profile may be const.
template <class Profile, class Visitor>
void ForEachProfileKey(Profile& profile, Visitor&& visit) {
    visit(u"GroupID", profile.GroupID);
    visit(u"DPI_Cur", profile.DPI_Cur);
    for (std::size_t stage = 0; stage < kDpiStages; ++stage) {
        visit(NumberedKey(u"DPI_Value", stage), profile.DPI_Value[stage]);
        visit(NumberedKey(u"DPI_Color", stage), profile.DPI_Color[stage]);
    }
    visit(u"POLLRATE_VALUE", profile.POLLRATE_VALUE);
    visit(u"Enable_light", profile.Enable_light);
    visit(u"Cycle_enable", profile.Cycle_enable);
    visit(u"light_type", profile.light_type);
    visit(u"light_bright", profile.light_bright);
    visit(u"light_speed", profile.light_speed);
    visit(u"light_bright_colorID", profile.light_bright_colorID);
    for (std::size_t entry = 0; entry < kColourSlots; ++entry) {
        visit(NumberedKey(u"light_Color", entry), profile.light_Color[entry]);
    }
    for (std::size_t entry = 0; entry < kColourSlots; ++entry) {
        visit(NumberedKey(u"light_Cycle", entry), profile.light_Cycle[entry]);
    }
    visit(u"DBClick_Speed", profile.DBClick_Speed);
    visit(u"Scroll_Speed", profile.Scroll_Speed);
    visit(u"scroll_page", profile.scroll_page);
    visit(u"Mouse_Speed", profile.Mouse_Speed);
    visit(u"mouse_enhance", profile.mouse_enhance);
    visit(u"Profil_Name", profile.Profil_Name);
    visit(u"SYNCFilesPath", profile.SYNCFilesPath);
    for (std::size_t button = 0; button < kButtonSlots; ++button) {
        visit(NumberedKey(u"ExePath", button), profile.ExePath[button]);
        visit(NumberedKey(u"ExeName", button), profile.ExeName[button]);
        visit(NumberedKey(u"ButtonAssigned", button), profile.ButtonAssigned[button]);
    }
}
