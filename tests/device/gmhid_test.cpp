// The gmhid tool's commands over files in a temporary folder.

#include "tools/gmhid/gmhid.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>

#include "config/config_file.h"
#include "config/defaults.h"
#include "device/button_report.h"
#include "device/report_hex.h"
#include "device/settings_report.h"
#include "platform/portable/folders.h"
#include "platform/portable/private_profile.h"
#include "tests/config/temp_folder.h"
#include "tests/device/macro_fixtures.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class GmhidTest : public ::testing::Test {
  protected:
    Outcome Gmhid(std::initializer_list<std::string> words) {
        std::vector<std::u16string> arguments;
        for (const std::string& word : words) arguments.emplace_back(word.begin(), word.end());
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunGmhid(arguments, ports_, out, err);
        return {status, out.str(), err.str()};
    }

    std::string File(const std::string& name) const { return (folder_.Path() / name).string(); }

    void WriteIni(const std::string& name, const std::string& text) {
        WriteFileBytes(folder_.Path() / name, text);
    }

    ProfileRecord SectionOf(const std::string& name, int section) {
        ProfileRecord profile = DefaultProfileRecord();
        ReadProfile(profiles_, folder_.AgentPath(name), section, profile);
        return profile;
    }

    TempFolder folder_;
    platform::portable::PrivateProfile profiles_;
    platform::portable::Folders folders_{u"", std::nullopt};
    ToolPorts ports_{profiles_, folders_, [](std::u16string_view path) {
                         return std::filesystem::is_regular_file(std::filesystem::path(path)) &&
                                ReadFileBytes(std::filesystem::path(path)).has_value();
                     }};
};

TEST_F(GmhidTest, HelpForTheToolAndEachCommand) {
    const Outcome bare = Gmhid({});
    EXPECT_EQ(bare.status, 2);
    EXPECT_THAT(bare.err, StartsWith("Usage: gmhid <command>"));
    EXPECT_THAT(Gmhid({"--help"}).out, HasSubstr("readback"));
    for (const std::string command : {"report", "readback", "config"}) {
        const Outcome help = Gmhid({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_THAT(help.out, StartsWith("Usage: gmhid " + command));
    }
}

TEST_F(GmhidTest, ReportsOfAMissingFileAreTheDefaultsAndTheFileIsNotCreated) {
    const std::string missing = File("missing.ini");
    ProfileRecord defaults = DefaultProfileRecord();
    ButtonReport buttons;
    BuildButtonReport(defaults, buttons);
    EXPECT_EQ(Gmhid({"report", "settings", "--config", missing}).out,
              ReportToHex(BuildSettingsReport(defaults)) + "\n");
    EXPECT_EQ(Gmhid({"report", "buttons", "--config", missing}).out, ReportToHex(buttons) + "\n");
    EXPECT_EQ(Gmhid({"report", "command", "--config", missing}).out, "065a000000000000\n");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(GmhidTest, ReportTakesTheActiveSlotOrTheOneNamed) {
    WriteIni("two.ini",
             "[Setting]\r\nTotle=2\r\nActive=1\r\n1=3\r\n"
             "[Profile3Setting]\r\nDPI_Cur=6\r\n"
             "[Profile0Setting]\r\nDPI_Cur=8\r\n");  // 8 is out of range: 3 is used
    EXPECT_THAT(Gmhid({"report", "settings", "--config", File("two.ini")}).out, StartsWith("0306"));
    EXPECT_THAT(Gmhid({"report", "settings", "--config", File("two.ini"), "--profile", "0"}).out,
                StartsWith("0303"));
}

struct BadLine {
    std::vector<std::string> words;
    int status;
    const char* message;
};

TEST_F(GmhidTest, BadArgumentsAndUnreadableFilesGiveAMessageAndAStatus) {
    const std::string file = File("f.ini");
    const std::string settings = ReportToHex(BuildSettingsReport(DefaultProfileRecord()));
    const std::string buttons = "04" + std::string(4096, '0');
    const BadLine cases[] = {
        {{"flash"}, 2, "unknown command flash"},
        {{"report", "settings"}, 2, "--config is required"},
        {{"report", "--config", file}, 2, "name one report"},
        {{"report", "colours", "--config", file}, 2, "name one report"},
        {{"report", "settings", "--config"}, 2, "--config needs a value"},
        {{"report", "settings", "--config", file, "--config", file}, 2, "given twice"},
        {{"report", "settings", "--config", file, "--colour", "red"}, 2, "unknown option --colour"},
        {{"report", "settings", "--config", file, "--profile", "one"}, 2, "slot number"},
        {{"report", "settings", "--config", file, "--profile", "6"}, 2, "slot 6 is not in use"},
        {{"report", "settings", "--config", folder_.Path().string()}, 1, "cannot read"},
        {{"config", "--config", file, "extra"}, 2, "takes no extra"},
        {{"readback", "--config", file, "--buttons", buttons}, 2, "--settings is required"},
        {{"readback", "--config", file, "--settings", "03", "--buttons", buttons},
         2,
         "--settings needs report 3: 80 hexadecimal digits starting with 03"},
        {{"readback", "--config", file, "--settings", "04" + settings.substr(2), "--buttons",
          buttons},
         2,
         "needs report 3"},
        {{"readback", "--config", file, "--settings", settings, "--buttons",
          "zz" + buttons.substr(2)},
         2,
         "--buttons needs report 4"},
    };
    for (const BadLine& c : cases) {
        std::vector<std::u16string> arguments;
        for (const std::string& word : c.words) arguments.emplace_back(word.begin(), word.end());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunGmhid(arguments, ports_, out, err), c.status) << c.words.back();
        EXPECT_THAT(err.str(), HasSubstr(c.message));
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(GmhidTest, ReadBackWritesTheDecodedActiveProfileIntoSectionCurrent) {
    WriteIni("r.ini",
             "[Setting]\r\nTotle=3\r\nCurrent=2\r\nActive=1\r\n"
             "[Profile1Setting]\r\nlight_bright=5\r\nDPI_Cur=2\r\n");
    ProfileRecord mouse = DefaultProfileRecord();
    mouse.DPI_Cur = 7;
    mouse.ButtonAssigned[3] = Macro(0xA6, {Press(0x14), Wait(50), Release(0x14), Wait(30)});
    ButtonReport buttons;
    BuildButtonReport(mouse, buttons);

    const Outcome run =
        Gmhid({"readback", "--config", File("r.ini"), "--settings",
               ReportToHex(BuildSettingsReport(mouse)), "--buttons", ReportToHex(buttons)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const ProfileRecord current = SectionOf("r.ini", 2);
    EXPECT_EQ(current.DPI_Cur, 7);
    EXPECT_EQ(current.ButtonAssigned[3].ActionCode, 0xA6);
    EXPECT_EQ(current.ButtonAssigned[3].EventCount, 4);
    EXPECT_EQ(current.ButtonAssigned[3].MacroRef, -1);  // the stored slot held no such macro
    EXPECT_EQ(SectionOf("r.ini", 1).DPI_Cur, 2);
}

TEST_F(GmhidTest, ReadBackIntoAMissingFileCreatesItFirstAsTheAgentDoes) {
    const std::string settings = ReportToHex(BuildSettingsReport(DefaultProfileRecord()));
    ButtonReport buttons;
    BuildButtonReport(DefaultProfileRecord(), buttons);
    EXPECT_EQ(Gmhid({"readback", "--config", File("new.ini"), "--settings", settings, "--buttons",
                     ReportToHex(buttons)})
                  .status,
              0);
    const auto text = ReadFileBytes(folder_.Path() / "new.ini");
    ASSERT_TRUE(text);
    EXPECT_THAT(*text, HasSubstr("[Profile5Setting]"));
    EXPECT_EQ(SectionOf("new.ini", 0).ButtonAssigned[6].ActionCode, 0xA1);  // read from the mouse
}

TEST_F(GmhidTest, ReadBackThatCannotWriteSaysSo) {
    const std::string settings = ReportToHex(BuildSettingsReport(DefaultProfileRecord()));
    const Outcome run = Gmhid({"readback", "--config", File("no/such/folder.ini"), "--settings",
                               settings, "--buttons", "04" + std::string(4096, '0')});
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("cannot write"));
}

TEST_F(GmhidTest, ConfigPrintsWhatTheAgentHoldsAndWhatValidationReplaced) {
    WriteIni("c.ini",
             "[Setting]\r\nTotle=1\r\n[Profile0Setting]\r\nlight_speed=0\r\nProfil_Name=Ab\r\n");
    const Outcome run = Gmhid({"config", "--config", File("c.ini")});
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, StartsWith("[Setting]\nTotle=1\n"));
    EXPECT_THAT(run.out, HasSubstr("; slot 0 (active)\n[Profile0Setting]\nGroupID=0\n"));
    EXPECT_THAT(run.out, HasSubstr("\nlight_speed=3\n"));
    EXPECT_THAT(run.out, HasSubstr("\nProfil_Name=Ab\n"));
    EXPECT_THAT(run.out, HasSubstr("\nButtonAssigned0=01A000"));
    EXPECT_THAT(run.out, HasSubstr("replaced [Profile0Setting] light_speed: the file has \"0\", "
                                   "the agent uses \"3\"\n"));
    EXPECT_THAT(run.out, Not(HasSubstr("[Profile1Setting]")));

    const Outcome missing = Gmhid({"config", "--config", File("none.ini")});
    EXPECT_THAT(missing.out, Not(HasSubstr("replaced")));
    EXPECT_FALSE(std::filesystem::exists(File("none.ini")));
}

// The built program: its arguments, output and exit status.
Outcome RunProgram(const std::string& arguments) {
    const std::string command = std::string(GMHID_PROGRAM) + " " + arguments + " 2>&1";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[256];
    while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    const int status = pipe != nullptr ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, ""};
}

TEST(GmhidProgram, RunsFromTheCommandLine) {
    const Outcome command = RunProgram("report command --config /nonexistent/x.ini");
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out, "065a000000000000\n");
    const Outcome bad = RunProgram("report settings --config /nonexistent/x.ini --profile -1");
    EXPECT_EQ(bad.status, 2);
    EXPECT_THAT(bad.out, HasSubstr("slot number"));
}

}  // namespace
