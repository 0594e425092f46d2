// The presence check against stand-ins for Petruna.dll, loaded by the system.

#include "device/device_presence.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/portable/folders.h"
#include "tests/device/presence_support.h"

namespace fs = std::filesystem;

namespace {

class DevicePresenceTest : public ::testing::Test {
  protected:
    DevicePresenceTest()
        : folder_(fs::temp_directory_path() /
                  ("gm-presence-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(folder_);
    }
    ~DevicePresenceTest() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void Install(const char* standIn) {
        fs::copy_file(BuiltLibraryFolder() / (std::string("petruna_") + standIn + ".dll"),
                      folder_ / "Petruna.dll");
    }

    std::int32_t Query() {
        platform::portable::Folders folders(folder_.u16string(), std::nullopt);
        return QueryDevicePresence(folders, *libraries_);
    }

    // Keeps the installed library loaded between queries, so that what it
    // recorded survives the query's own load and free.
    platform::LibraryHandle Hold() {
        held_ = libraries_->Load((folder_ / "Petruna.dll").u16string());
        return held_;
    }

    std::int32_t Call(const char* function, std::int32_t first) {
        return libraries_->CallWithTwoIntegers(held_, function, first, 0).value_or(-1);
    }

    void TearDown() override { libraries_->Free(held_); }

    fs::path folder_;
    std::unique_ptr<platform::Libraries> libraries_ = SystemLibraries();
    platform::LibraryHandle held_ = 0;
};

TEST_F(DevicePresenceTest, NoLibraryMeansAbsent) { EXPECT_EQ(Query(), 0); }

TEST_F(DevicePresenceTest, LibraryWithoutTheQueryMeansAbsent) {
    Install("without_query");
    EXPECT_EQ(Query(), 0);
}

TEST_F(DevicePresenceTest, AnswerIsTheLibrarysWithProductThenVendor) {
    Install("answering");
    ASSERT_NE(Hold(), 0u);
    for (const std::int32_t answer : {0, 1, 42, -3}) {
        Call("PetrunaAnswerWith", answer);
        EXPECT_EQ(Query(), answer);
    }
    EXPECT_EQ(Call("PetrunaArgument", 0), 0xB412);
    EXPECT_EQ(Call("PetrunaArgument", 1), 0x1B80);
}

}  // namespace
