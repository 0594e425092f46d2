// The configuration file through IniFile: the file created when none exists,
// the order of keys, struct values, the keys a load reads and the single keys
// the agent writes. Runs on our engine natively and on the system's functions
// under Wine.

#include "config/config_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/defaults.h"
#include "config/ini_file.h"
#include "config/validation.h"
#include "engine_under_test.h"
#include "load_setup.h"
#include "recording_profile.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

template <class Record>
bool SameBytes(const Record& left, const Record& right) {
    return std::memcmp(&left, &right, sizeof(Record)) == 0;
}

// The names of the file's sections in order, and the key names of one section.
std::vector<std::string> SectionsOf(const std::string& text) {
    std::vector<std::string> sections;
    for (std::size_t at = 0; at < text.size(); at = text.find("\r\n", at) + 2) {
        if (text[at] == '[') sections.push_back(text.substr(at + 1, text.find(']', at) - at - 1));
        if (text.find("\r\n", at) == std::string::npos) break;
    }
    return sections;
}

std::vector<std::string> KeysOf(const std::string& text, const std::string& section) {
    std::vector<std::string> keys;
    std::size_t at = text.find("[" + section + "]\r\n");
    if (at == std::string::npos) return keys;
    at = text.find("\r\n", at) + 2;
    while (at < text.size() && text[at] != '[') {
        const std::size_t end = text.find("\r\n", at);
        keys.push_back(text.substr(at, text.find('=', at) - at));
        at = end + 2;
    }
    return keys;
}

ConfigDocument ValidatedDefaults() {
    ConfigDocument document = DefaultConfigDocument();
    ValidateConfigDocument(document);
    return document;
}

class ConfigFileTest : public ::testing::Test, protected LoadSetup {
  protected:
    void Load(std::u16string_view at) { LoadWith(profiles, at); }
    void Load() { Load(path); }
    std::string FileText() const { return ReadFileBytes(file).value_or("(no file)"); }
    std::u16string Value(std::u16string_view section, std::u16string_view key) {
        return engine->GetString(path, section, key, u"", IniFile::kStringBuffer);
    }
    void CreateDefaultFile() {
        Load();
        profiles.Forget();
    }

    std::unique_ptr<platform::PrivateProfile> engine = MakeEngineUnderTest();
    RecordingProfile profiles{*engine};
};

TEST_F(ConfigFileTest, AMissingFileIsCreatedWithTheValidatedDefaultsInKeyOrder) {
    Load();

    EXPECT_TRUE(SameBytes(configuration, ValidatedDefaults()));
    EXPECT_TRUE(SameBytes(saved, configuration));
    EXPECT_TRUE(SameBytes(active, configuration.Profiles[0]));

    const std::string text = FileText();
    EXPECT_EQ(SectionsOf(text),
              (std::vector<std::string>{"Setting", "Profile0Setting", "Profile1Setting",
                                        "Profile2Setting", "Profile3Setting", "Profile4Setting",
                                        "Profile5Setting"}));
    EXPECT_TRUE(
        text.starts_with("[Setting]\r\nTotle=6\r\nCurrent=0\r\nActive=0\r\nShow_TrayIcon=1\r\n"
                         "Show_OSD=1\r\nlan_id=0\r\nBGFilesPath=\r\n0=0\r\n1=1\r\n2=2\r\n"
                         "3=3\r\n4=4\r\n5=5\r\n[Profile0Setting]\r\nGroupID=0\r\nDPI_Cur=3\r\n"
                         "DPI_Value0=2\r\nDPI_Color0=255\r\nDPI_Value1=4\r\nDPI_Color1=65280\r\n"))
        << text.substr(0, 300);

    std::vector<std::string> profileKeys = {"GroupID", "DPI_Cur"};
    for (int stage = 0; stage < 7; ++stage) {
        profileKeys.push_back("DPI_Value" + std::to_string(stage));
        profileKeys.push_back("DPI_Color" + std::to_string(stage));
    }
    for (const char* key : {"POLLRATE_VALUE", "Enable_light", "Cycle_enable", "light_type",
                            "light_bright", "light_speed", "light_bright_colorID"}) {
        profileKeys.push_back(key);
    }
    for (int entry = 0; entry < 7; ++entry)
        profileKeys.push_back("light_Color" + std::to_string(entry));
    for (int entry = 0; entry < 7; ++entry)
        profileKeys.push_back("light_Cycle" + std::to_string(entry));
    for (const char* key : {"DBClick_Speed", "Scroll_Speed", "scroll_page", "Mouse_Speed",
                            "mouse_enhance", "Profil_Name", "SYNCFilesPath"}) {
        profileKeys.push_back(key);
    }
    for (int button = 0; button < 7; ++button) {
        for (const char* key : {"ExePath", "ExeName", "ButtonAssigned"}) {
            profileKeys.push_back(key + std::to_string(button));
        }
    }
    for (int section = 0; section < 6; ++section) {
        EXPECT_EQ(KeysOf(text, "Profile" + std::to_string(section) + "Setting"), profileKeys);
    }

    const std::u16string slot0 = Value(u"Profile0Setting", u"ButtonAssigned0");
    EXPECT_EQ(slot0, u"01A00000" + std::u16string(744, u'0') + u"FFFFFFFF9D");
    const std::u16string slot6 = Value(u"Profile5Setting", u"ButtonAssigned6");
    ASSERT_EQ(slot6.size(), 762u);
    EXPECT_EQ(slot6.substr(0, 8), u"07000000");
    EXPECT_EQ(slot6.substr(752), u"FFFFFFFF03");
    EXPECT_EQ(Value(u"Profile3Setting", u"light_Cycle3"), u"65535");
}

TEST_F(ConfigFileTest, SlotsAreReadFromTheSectionsTheirIdsName) {
    std::string text = "[Setting]\r\nTotle=3\r\nActive=1\r\n0=2\r\n1=0\r\n2=1\r\n";
    for (int section = 0; section < 6; ++section) {
        text += "[Profile" + std::to_string(section) +
                "Setting]\r\nGroupID=" + std::to_string(10 + section) + "\r\n";
    }
    WriteFileBytes(file, text);

    Load();

    EXPECT_EQ(configuration.Profiles[0].GroupID, 12);
    EXPECT_EQ(configuration.Profiles[1].GroupID, 10);
    EXPECT_EQ(configuration.Profiles[2].GroupID, 11);
    EXPECT_TRUE(SameBytes(active, configuration.Profiles[1]));
    for (const char16_t* unread : {u"Profile3Setting", u"Profile4Setting", u"Profile5Setting"}) {
        EXPECT_FALSE(profiles.ReadSection(unread));
    }
    EXPECT_FALSE(profiles.Read(u"Setting", u"3"));
    EXPECT_FALSE(profiles.AnyWrite());
    EXPECT_EQ(FileText(), text);
}

TEST_F(ConfigFileTest, ATotleOutOfRangeReadsOneSlotAndStaysInTheFile) {
    const std::string text =
        "[Setting]\r\nTotle=9\r\nCurrent=3\r\n0=4\r\n1=3\r\n[Profile4Setting]\r\nGroupID=4\r\n"
        "[Profile3Setting]\r\nGroupID=3\r\n";
    WriteFileBytes(file, text);

    Load();

    EXPECT_EQ(configuration.Global.Totle, 1);
    EXPECT_EQ(configuration.Global.Current, 0);
    EXPECT_EQ(configuration.Profiles[0].GroupID, 4);
    EXPECT_TRUE(profiles.Read(u"Setting", u"0"));
    EXPECT_FALSE(profiles.Read(u"Setting", u"1"));
    EXPECT_FALSE(profiles.ReadSection(u"Profile3Setting"));
    EXPECT_EQ(FileText(), text);
}

TEST_F(ConfigFileTest, ADamagedButtonValueLoadsAsTheDefaultAssignment) {
    CreateDefaultFile();
    ButtonAssignment macro = DefaultButtonAssignment(2);
    macro.ActionCode = 0xB1;
    macro.EventCount = 1;
    macro.Events[0] = {0x04, 0, 1};
    const IniFile ini(profiles, path);
    ASSERT_TRUE(ini.WriteStruct(u"Profile0Setting", u"ButtonAssigned2",
                                std::bit_cast<std::array<std::uint8_t, 380>>(macro)));
    Load();
    ASSERT_TRUE(SameBytes(configuration.Profiles[0].ButtonAssigned[2], macro));
    const std::u16string intact = Value(u"Profile0Setting", u"ButtonAssigned2");

    std::u16string alteredDigit = intact;
    alteredDigit[5] = alteredDigit[5] == u'0' ? u'1' : u'0';
    const std::u16string twoDigitsShort = intact.substr(0, intact.size() - 2);
    for (const std::u16string& damaged : {alteredDigit, twoDigitsShort}) {
        ASSERT_TRUE(ini.WriteString(u"Profile0Setting", u"ButtonAssigned2", damaged));
        Load();
        EXPECT_TRUE(
            SameBytes(configuration.Profiles[0].ButtonAssigned[2], DefaultButtonAssignment(2)));
    }
}

TEST_F(ConfigFileTest, AStructValueEndsWithTheLowByteOfTheSumOfItsBytes) {
    std::array<std::uint8_t, 380> bytes{};
    bytes[0] = 0x01;
    bytes[1] = 0x02;
    const IniFile ini(profiles, path);
    ASSERT_TRUE(ini.WriteStruct(u"s", u"k", bytes));
    const std::u16string value = Value(u"s", u"k");
    EXPECT_EQ(value.size(), 762u);
    EXPECT_EQ(value.substr(0, 6), u"010200");
    EXPECT_EQ(value.substr(760), u"03");
    std::array<std::uint8_t, 380> read{};
    EXPECT_TRUE(ini.GetStruct(u"s", u"k", read));
    EXPECT_EQ(read, bytes);
}

TEST_F(ConfigFileTest, TheDpiStageAndThePresenceChangeOneKeyEach) {
    CreateDefaultFile();
    std::string expected = FileText();
    const std::size_t section = expected.find("[Profile2Setting]\r\nGroupID=0\r\nDPI_Cur=3\r\n");
    ASSERT_NE(section, std::string::npos);
    expected[expected.find("DPI_Cur=3", section) + 8] = '4';

    EXPECT_EQ(WriteProfileDpiStage(profiles, path, 2, 4), 1);
    EXPECT_EQ(FileText(), expected);

    expected.insert(expected.find("5=5\r\n") + 5, "Device=0\r\n");
    EXPECT_EQ(WriteDevicePresence(profiles, path, 0), 1);
    EXPECT_EQ(FileText(), expected);

    Load();
    EXPECT_FALSE(profiles.Read(u"Setting", u"Device"));
    EXPECT_EQ(configuration.Profiles[2].DPI_Cur, 4);
    EXPECT_EQ(FileText(), expected);
}

TEST_F(ConfigFileTest, AProfileReadsBackAsItWasWrittenWithItsTextsCutToTheirFields) {
    ProfileRecord profile = DefaultProfileRecord();
    profile.GroupID = 20;
    profile.DPI_Color[3] = 0x123456;
    profile.light_Cycle[6] = -1;
    AssignText(profile.Profil_Name, u"Jeu d'\u00E9t\u00E9 \u20AC");
    AssignText(profile.ExePath[6], u"C:\\Program Files\\Jeu\\jeu.exe");
    profile.ButtonAssigned[4].ActionCode = 0xD6;
    profile.ButtonAssigned[4].reserved2 = {0xAA, 0x55};
    WriteProfile(profiles, path, 5, profile);
    IniFile(profiles, path)
        .WriteString(u"Profile5Setting", u"SYNCFilesPath", std::u16string(300, u'p'));

    ProfileRecord read{};
    ReadProfile(profiles, path, 5, read);
    EXPECT_EQ(TextOf(read.SYNCFilesPath), std::u16string(259, u'p'));
    AssignText(read.SYNCFilesPath, u"");
    EXPECT_TRUE(SameBytes(read, profile));
}

TEST_F(ConfigFileTest, WithoutAPathNothingIsTouchedAndTheDefaultsAreUsed) {
    Load(u"");
    EXPECT_TRUE(SameBytes(configuration, ValidatedDefaults()));
    EXPECT_TRUE(profiles.Accesses().empty());
    EXPECT_EQ(WriteDevicePresence(profiles, u"", 1), 1);
    EXPECT_TRUE(profiles.Accesses().empty());
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(ConfigFileTest, MissingFoldersAreNotCreatedAndTheDefaultsAreUsed) {
    const std::u16string inMissingFolders = folder.AgentPath("kavrim/Gamingmouse/GamingMouse");
    Load(inMissingFolders);
    EXPECT_TRUE(SameBytes(configuration, ValidatedDefaults()));
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

}  // namespace
