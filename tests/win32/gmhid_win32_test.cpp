// The gmhid commands on the system's private-profile functions give what they
// give on our own engine: the same output and the same file afterwards.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "config/defaults.h"
#include "device/button_report.h"
#include "device/report_hex.h"
#include "device/settings_report.h"
#include "platform/portable/folders.h"
#include "platform/portable/private_profile.h"
#include "platform/win32/private_profile.h"
#include "platform/win32/system_services.h"
#include "tests/config/temp_folder.h"
#include "tools/gmhid/gmhid.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string file;
};

const std::string kConfiguration =
    "[Setting]\r\nTotle=3\r\nCurrent=2\r\nActive=1\r\nShow_OSD=4\r\n"
    "[Profile1Setting]\r\nDPI_Cur=5\r\nlight_speed=9\r\nProfil_Name=Mine\r\n"
    "[Profile2Setting]\r\nGroupID=7\r\n";

bool IsReadableFile(std::u16string_view path) {
    return std::filesystem::is_regular_file(std::filesystem::path(path)) &&
           ReadFileBytes(std::filesystem::path(path)).has_value();
}

Outcome RunOn(platform::PrivateProfile& profiles, platform::Folders& folders,
              const TempFolder& folder, std::vector<std::string> words) {
    WriteFileBytes(folder.Path() / "c.ini", kConfiguration);
    std::vector<std::u16string> arguments;
    for (const std::string& word : words) {
        arguments.emplace_back(word == "FILE" ? folder.AgentPath("c.ini")
                                              : std::u16string(word.begin(), word.end()));
    }
    ToolPorts ports{profiles, folders, IsReadableFile};
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunGmhid(arguments, ports, out, err);
    return {status, out.str(), ReadFileBytes(folder.Path() / "c.ini").value_or("")};
}

TEST(GmhidOnWindows, CommandsMatchOurOwnEngine) {
    ProfileRecord mouse = DefaultProfileRecord();
    mouse.DPI_Cur = 2;
    mouse.ButtonAssigned[0].ActionCode = 0xA5;
    ButtonReport buttons;
    BuildButtonReport(mouse, buttons);
    const std::vector<std::vector<std::string>> commands = {
        {"report", "settings", "--config", "FILE"},
        {"report", "buttons", "--config", "FILE", "--profile", "2"},
        {"config", "--config", "FILE"},
        {"readback", "--config", "FILE", "--settings", ReportToHex(BuildSettingsReport(mouse)),
         "--buttons", ReportToHex(buttons)},
    };
    TempFolder systemFolder;
    TempFolder ownFolder;
    platform::win32::SystemPrivateProfile system;
    platform::win32::ShellFolders shellFolders;
    platform::portable::PrivateProfile own;
    platform::portable::Folders ownFolders(u"", std::nullopt);
    for (const auto& words : commands) {
        const Outcome onSystem = RunOn(system, shellFolders, systemFolder, words);
        const Outcome onOwn = RunOn(own, ownFolders, ownFolder, words);
        EXPECT_EQ(onSystem.status, 0) << words[0];
        EXPECT_EQ(onSystem.out, onOwn.out) << words[0];
        EXPECT_EQ(onSystem.file, onOwn.file) << words[0];
    }
}

}  // namespace
