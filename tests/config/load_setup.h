#pragma once
// A configuration path in a test's own folder and the three copies a load fills.

#include <filesystem>
#include <string>

#include "config/load_configuration.h"
#include "platform/portable/folders.h"
#include "temp_folder.h"

struct LoadSetup {
    void LoadWith(platform::PrivateProfile& profiles, std::u16string_view at) {
        LoadConfiguration(profiles, folders, at, configuration, saved, active);
    }

    TempFolder folder;
    platform::portable::Folders folders{u"", folder.Path().u16string()};
    std::filesystem::path file = folder.Path() / "GamingMouse";
    std::u16string path = file.u16string();
    ConfigDocument configuration{};
    ConfigDocument saved{};
    ProfileRecord active{};
};
