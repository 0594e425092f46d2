// Files the agent must survive: whatever is at the configuration path, a load
// ends with validated values, reads nothing outside its buffers (the sanitizer
// build checks that), and writes nothing to a file that exists.

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "config/defaults.h"
#include "config/validation.h"
#include "load_setup.h"
#include "platform/portable/private_profile.h"

namespace {

namespace fs = std::filesystem;

void ExpectValidated(const ConfigDocument& document) {
    ConfigDocument again = document;
    ValidateConfigDocument(again);
    EXPECT_EQ(std::memcmp(&again, &document, sizeof document), 0);
}

class BadInputTest : public ::testing::Test, protected LoadSetup {
  protected:
    // Loads from a file holding these bytes; the file must stay as it was.
    void LoadUnchanged(const std::string& bytes) {
        WriteFileBytes(file, bytes);
        LoadWith(profiles, path);
        ExpectValidated(configuration);
        EXPECT_TRUE(ReadFileBytes(file) == bytes) << "the file was written";
    }

    platform::portable::PrivateProfile profiles;
};

TEST_F(BadInputTest, RandomBytesAndNulBytes) {
    std::mt19937 random(5);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(4096, '\0');
        for (char& byte : bytes) byte = static_cast<char>(random());
        LoadUnchanged(bytes);
    }
    LoadUnchanged(std::string(1000, '\0'));
    LoadUnchanged(
        std::string("[Setting]\r\nTotle=\0"
                    "3\r\n[Profile0Setting]\0\r\nGroupID=5\r\n",
                    45));
    EXPECT_EQ(configuration.Global.Totle, 6);
}

TEST_F(BadInputTest, AOneMegabyteLineAndAHundredThousandDigitStruct) {
    LoadUnchanged("[Setting]\r\nBGFilesPath=" + std::string(1 << 20, 'x') + "\r\nTotle=2\r\n");
    EXPECT_EQ(TextOf(configuration.Global.BGFilesPath), std::u16string(259, u'x'));
    EXPECT_EQ(configuration.Global.Totle, 2);

    LoadUnchanged("[Profile0Setting]\r\nButtonAssigned0=" + std::string(100000, 'A') + "\r\n");
    const ButtonAssignment expected = DefaultButtonAssignment(0);
    EXPECT_EQ(std::memcmp(&configuration.Profiles[0].ButtonAssigned[0], &expected, sizeof expected),
              0);
}

TEST_F(BadInputTest, AFiftyMegabyteFile) {
    std::string bytes = "[Setting]\r\nTotle=3\r\n";
    while (bytes.size() < 50u << 20) bytes += "[Filler]\r\nkey=" + std::string(1000, 'v') + "\r\n";
    bytes += "[Profile2Setting]\r\nGroupID=9\r\n";
    LoadUnchanged(bytes);
    EXPECT_EQ(configuration.Profiles[2].GroupID, 9);
}

TEST_F(BadInputTest, AFolderOrAReadOnlyFileWhereTheFileShouldBe) {
    fs::create_directory(file);
    LoadWith(profiles, path);
    ExpectValidated(configuration);
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_TRUE(fs::is_empty(file));
    fs::remove(file);

    const std::string bytes = "[Setting]\r\nTotle=2\r\n";
    WriteFileBytes(file, bytes);
    fs::permissions(file, fs::perms::owner_read);
    LoadWith(profiles, path);
    EXPECT_EQ(configuration.Global.Totle, 2);
    EXPECT_EQ(ReadFileBytes(file), bytes);
}

}  // namespace
