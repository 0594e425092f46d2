// The emulated mouse that the other suites stand on: its firmware, its
// handles and reads, and the faults it produces on request.

#include "platform/portable/emulated_mouse.h"

#include <gmock/gmock.h>

#include "platform/portable/desktop.h"

using platform::kInvalidHidHandle;
using platform::portable::EmulatedMouse;
using platform::portable::MouseReports;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

using Report = std::vector<std::uint8_t>;

constexpr int kInputCollection = 2;
constexpr int kCommandCollection = 3;
constexpr int kSettingsCollection = 4;

class EmulatedMouseTest : public ::testing::Test {
  protected:
    platform::HidHandle OpenCollection(int collection) {
        return mouse_.Open(mouse_.ListInterfaces().at(static_cast<std::size_t>(collection)));
    }

    platform::portable::Desktop desktop_;
    EmulatedMouse mouse_{desktop_, platform::portable::GamingMouseDescription(),
                         MouseReports{{3, 2, 0x40}, {4, 0xA0}}};
};

TEST_F(EmulatedMouseTest, ListsTheMouseCollectionsWithTheirLengths) {
    EXPECT_THAT(mouse_.ListInterfaces(), SizeIs(6));
    EXPECT_EQ(OpenCollection(0), kInvalidHidHandle);  // held by the system
    const platform::HidHandle handle = OpenCollection(kSettingsCollection);
    EXPECT_EQ(mouse_.Capabilities(handle)->featureReportLength, 40);
    EXPECT_EQ(mouse_.Attributes(handle)->vendorId, 0x1B80);
    EXPECT_EQ(mouse_.Attributes(handle)->productId, 0xB412);
}

TEST_F(EmulatedMouseTest, FirmwareKeepsReportsAsLastWrittenAndRecordsTheCommand) {
    EXPECT_EQ(mouse_.Report(3),
              (Report{3, 2, 0x40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                      0, 0, 0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_THAT(mouse_.Report(4), SizeIs(2049));

    const platform::HidHandle settings = OpenCollection(kSettingsCollection);
    Report written(40, 0x11);
    written[0] = 3;
    EXPECT_TRUE(mouse_.SetFeature(settings, written.data(), 40));
    Report answer(40, 0);
    answer[0] = 3;
    EXPECT_TRUE(mouse_.GetFeature(settings, answer.data(), 40));
    EXPECT_EQ(answer, written);
    Report wrongLength(8, 0);
    wrongLength[0] = 3;
    EXPECT_FALSE(mouse_.SetFeature(settings, wrongLength.data(), 8));

    const platform::HidHandle command = OpenCollection(kCommandCollection);
    const Report sent{6, 0x5A, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(mouse_.SetFeature(command, sent.data(), 8));
    EXPECT_EQ(mouse_.Report(6), sent);
}

TEST_F(EmulatedMouseTest, DpiButtonStepsTheStageAndAnnouncesIt) {
    const platform::HidHandle input = OpenCollection(kInputCollection);
    std::uint8_t buffer[4] = {};
    auto read = mouse_.StartRead(input, buffer, 4);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(mouse_.PendingReadCount(), 1);
    mouse_.PressDpiButton();
    EXPECT_EQ(read->Wait(), 4);
    EXPECT_THAT(buffer, ElementsAre(2, 0, 3, 0));
    for (int press = 0; press < 4; ++press) mouse_.PressDpiButton();
    EXPECT_EQ(mouse_.Report(3)[1], 7);
    mouse_.PressDpiButton();
    EXPECT_EQ(mouse_.Report(3)[1], 1);
}

TEST_F(EmulatedMouseTest, ReadsEndWithoutDataOnCancelAndUnplug) {
    const platform::HidHandle input = OpenCollection(kInputCollection);
    std::uint8_t buffer[4] = {};
    auto cancelled = mouse_.StartRead(input, buffer, 4);
    mouse_.CancelReads(input);
    EXPECT_EQ(cancelled->Wait(), 0);

    auto unplugged = mouse_.StartRead(input, buffer, 4);
    mouse_.Unplug();
    EXPECT_EQ(unplugged->Wait(), 0);
    EXPECT_EQ(mouse_.StartRead(input, buffer, 4), nullptr);  // stale handle
    EXPECT_EQ(mouse_.Capabilities(input), std::nullopt);
    EXPECT_THAT(mouse_.ListInterfaces(), IsEmpty());
    mouse_.Close(input);
    EXPECT_THAT(mouse_.Misuses(), IsEmpty());
}

TEST_F(EmulatedMouseTest, HandleValuesAreReusedAndMisusesRecorded) {
    const platform::HidHandle first = OpenCollection(kSettingsCollection);
    mouse_.Close(first);
    EXPECT_EQ(OpenCollection(kCommandCollection), first);
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);
    mouse_.Close(first);
    mouse_.Close(first);
    EXPECT_THAT(mouse_.Misuses(), ElementsAre("Close on a handle that is not open"));
}

TEST_F(EmulatedMouseTest, FaultsOnRequest) {
    mouse_.FailNextOpens(1);
    EXPECT_EQ(OpenCollection(kSettingsCollection), kInvalidHidHandle);
    const platform::HidHandle settings = OpenCollection(kSettingsCollection);
    Report report(40, 0);
    report[0] = 3;

    mouse_.RefuseNextGets(2);
    EXPECT_FALSE(mouse_.GetFeature(settings, report.data(), 40));
    EXPECT_FALSE(mouse_.GetFeature(settings, report.data(), 40));
    EXPECT_TRUE(mouse_.GetFeature(settings, report.data(), 40));
    mouse_.RefuseNextSets(1);
    EXPECT_FALSE(mouse_.SetFeature(settings, report.data(), 40));
    EXPECT_TRUE(mouse_.SetFeature(settings, report.data(), 40));

    mouse_.UnplugDuringNextTransfer();
    EXPECT_FALSE(mouse_.SetFeature(settings, report.data(), 40));
    EXPECT_THAT(mouse_.ListInterfaces(), IsEmpty());
}

}  // namespace
