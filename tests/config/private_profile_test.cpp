#include "platform/portable/private_profile.h"

#include <gtest/gtest.h>

#include <chrono>

#include "private_profile_cases.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using platform::portable::PrivateProfile;

TEST(PortablePrivateProfile, GivesTheWindowsResultsOfEveryCase) {
    TempFolder folder;
    for (const ProfileCase& profileCase : PrivateProfileCases()) {
        SCOPED_TRACE(profileCase.name);
        PrivateProfile profiles;
        const ProfileRun run = RunProfileCase(profiles, profileCase, folder.Path() / "case.ini");
        EXPECT_EQ(run.results, profileCase.results);
        EXPECT_EQ(Printable(run.fileAfter), Printable(profileCase.fileAfter));
    }
}

// Another process changes the file between two reads: the second read sees
// it, also when the size stays and the time stamp is the same tick.
TEST(PortablePrivateProfile, SeesAChangeAnotherProcessMadeAMomentBefore) {
    TempFolder folder;
    const fs::path file = folder.Path() / "shared.ini";
    const std::u16string path = file.u16string();
    PrivateProfile profiles;

    WriteFileBytes(file, "[s]\r\nk=1\r\n");
    EXPECT_EQ(profiles.GetInt(path, u"s", u"k", 0), 1);
    WriteFileBytes(file, "[s]\r\nk=2\r\n");
    EXPECT_EQ(profiles.GetInt(path, u"s", u"k", 0), 2);

    // A file last written long ago is kept; a later change moves its stamp.
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_EQ(profiles.GetInt(path, u"s", u"k", 0), 2);
    EXPECT_EQ(profiles.GetInt(path, u"s", u"k", 0), 2);
    WriteFileBytes(file, "[s]\r\nk=3\r\n");
    EXPECT_EQ(profiles.GetInt(path, u"s", u"k", 0), 3);

    fs::remove(file);
    EXPECT_EQ(profiles.GetInt(path, u"s", u"k", 0), 0);
}

TEST(PortablePrivateProfile, WritesFailWithoutTouchingAnythingWhereNoFileCanBe) {
    TempFolder folder;
    PrivateProfile profiles;
    fs::create_directory(folder.Path() / "folder");
    WriteFileBytes(folder.Path() / "readonly.ini", "[s]\r\nk=1\r\n");
    fs::permissions(folder.Path() / "readonly.ini",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    for (const char* name : {"missing/file.ini", "folder", "readonly.ini"}) {
        SCOPED_TRACE(name);
        const std::u16string path = folder.AgentPath(name);
        EXPECT_FALSE(profiles.WriteString(path, u"s", u"k", u"2"));
        EXPECT_FALSE(profiles.WriteStruct(path, u"s", u"b", std::vector<std::uint8_t>{1, 2}));
        EXPECT_EQ(profiles.GetInt(path, u"s", u"k", 7),
                  std::string(name) == "readonly.ini" ? 1 : 7);
    }
    EXPECT_FALSE(fs::exists(folder.Path() / "missing"));
    EXPECT_TRUE(fs::is_directory(folder.Path() / "folder"));
    EXPECT_EQ(ReadFileBytes(folder.Path() / "readonly.ini"), "[s]\r\nk=1\r\n");
}

TEST(PortablePrivateProfile, APathWithBackslashesNamesTheSameFile) {
    TempFolder folder;
    PrivateProfile profiles;
    WriteFileBytes(folder.Path() / "GamingMouse", "[Setting]\r\nTotle=4\r\n");
    std::u16string path = folder.Path().u16string() + u"\\GamingMouse";
    EXPECT_EQ(profiles.GetInt(path, u"Setting", u"Totle", 0), 4);
}

}  // namespace
