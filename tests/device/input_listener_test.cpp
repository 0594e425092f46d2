// The listener thread against the emulated mouse: what each input report
// gives, replugging, idling, and ending the thread.

#include <gmock/gmock.h>

#include "shell/messages.h"
#include "tests/device/link_fixture.h"

using platform::portable::PostedMessage;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using Report = std::vector<std::uint8_t>;

class InputListenerTest : public LinkTest {
  protected:
    // Sends a report and waits until the listener has logged it.
    void SendAndWaitForLine(const Report& report) {
        const std::size_t before = debug_.Lines().size();
        mouse_.SendInputReport(report);
        ASSERT_TRUE(Eventually([&] { return debug_.Lines().size() > before; }));
    }

    // Waits until the listener is blocked on a read of the mouse.
    void WaitUntilReading() {
        ASSERT_TRUE(Eventually([&] { return mouse_.PendingReadCount() == 1; }));
    }

    // The DPI stages posted to the window (it also hears of plugging).
    std::vector<PostedMessage> Posted() {
        std::vector<PostedMessage> stages;
        for (const PostedMessage& message : desktop_.ReceivedBy(window_)) {
            if (message.message == WM_DEVICE_DPI_STAGE) stages.push_back(message);
        }
        return stages;
    }
};

struct ReportCase {
    Report report;
    std::u16string line;
    std::vector<PostedMessage> posted;
};

class InputReportCaseTest : public InputListenerTest,
                            public ::testing::WithParamInterface<ReportCase> {};

TEST_P(InputReportCaseTest, LogsEachReportAndPostsOnlyDpiStages) {
    Start();
    SendAndWaitForLine(GetParam().report);
    EXPECT_THAT(debug_.Lines(), ElementsAre(GetParam().line));
    EXPECT_EQ(Posted(), GetParam().posted);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, InputReportCaseTest,
    ::testing::Values(
        ReportCase{{2, 0, 3, 0}, u"4: 02 00 03 00 00 00 00 00\n", {{WM_DEVICE_DPI_STAGE, 3, 0}}},
        ReportCase{
            {2, 0, 0xFF, 0}, u"4: 02 00 ff 00 00 00 00 00\n", {{WM_DEVICE_DPI_STAGE, 255, 0}}},
        ReportCase{{2, 0, 0, 0}, u"4: 02 00 00 00 00 00 00 00\n", {}},
        ReportCase{{2, 1, 3, 0}, u"4: 02 01 03 00 00 00 00 00\n", {}},
        ReportCase{{2, 0, 3, 1}, u"4: 02 00 03 01 00 00 00 00\n", {}},
        ReportCase{{5, 0, 3, 0}, u"4: 05 00 03 00 00 00 00 00\n", {}}));

TEST_F(InputListenerTest, DpiButtonPressesReachTheWindowInOrder) {
    Start();
    Link().Open(40);
    Report settings(40, 0);
    settings[0] = 3;
    settings[1] = 6;
    ASSERT_EQ(Link().SetFeature(settings.data(), 40), 1);
    for (int press = 0; press < 4; ++press) mouse_.PressDpiButton();
    ASSERT_TRUE(Eventually([&] { return Posted().size() == 4; }));
    std::vector<platform::WParam> stages;
    for (const PostedMessage& message : Posted()) stages.push_back(message.wParam);
    EXPECT_THAT(stages, ElementsAre(7, 1, 2, 3));
    EXPECT_EQ(mouse_.Report(3)[1], 3);
}

TEST_F(InputListenerTest, ShortReadIsDecodedOverThePreviousReport) {
    Start();
    SendAndWaitForLine({2, 0, 3, 0});
    mouse_.ShortenReadsTo(2);
    SendAndWaitForLine({2, 0, 6, 0});
    EXPECT_EQ(debug_.Lines().back(), u"4: 02 00 03 00 00 00 00 00\n");
}

TEST_F(InputListenerTest, NoInputHandleAtStartThenReportsFlowAfterAnOpen) {
    mouse_.Unplug();
    Start();
    mouse_.Plug();
    mouse_.SendInputReport({2, 0, 4, 0});
    Link().Open(40);
    SendAndWaitForLine({2, 0, 5, 0});
    EXPECT_THAT(debug_.Lines(), ElementsAre(u"4: 02 00 05 00 00 00 00 00\n"));
    EXPECT_EQ(Posted(), (std::vector<PostedMessage>{{WM_DEVICE_DPI_STAGE, 5, 0}}));
}

TEST_F(InputListenerTest, AfterAReplugReportsFlowAgainOnlyAfterTheNextOpen) {
    Start();
    WaitUntilReading();
    mouse_.Unplug();
    mouse_.Plug();
    mouse_.SendInputReport({2, 0, 4, 0});
    // The listener has given up the stale handle: no more passes.
    ASSERT_TRUE(Eventually([&] { return clock_.Sleeps().size() == 2; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(clock_.Sleeps().size(), 2u);
    EXPECT_THAT(debug_.Lines(), IsEmpty());

    Link().Open(8);
    SendAndWaitForLine({2, 0, 6, 0});
    EXPECT_EQ(Posted(), (std::vector<PostedMessage>{{WM_DEVICE_DPI_STAGE, 6, 0}}));
}

TEST_F(InputListenerTest, WithoutAMouseTheListenerMakesNoPasses) {
    mouse_.Unplug();
    Start();
    Link().Open(40);
    Link().Close();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_THAT(clock_.Sleeps(), IsEmpty());
}

TEST_F(InputListenerTest, EachOpenMovesThePendingReadToTheNewHandle) {
    Start();
    for (const int length : {8, 40, 2049}) {
        WaitUntilReading();
        Link().Open(length);
    }
    SendAndWaitForLine({2, 0, 1, 0});
    EXPECT_EQ(Posted(), (std::vector<PostedMessage>{{WM_DEVICE_DPI_STAGE, 1, 0}}));
}

TEST_F(InputListenerTest, DestroyingTheLinkEndsAPendingRead) {
    Start();
    WaitUntilReading();
    DestroyLink();
    EXPECT_EQ(mouse_.PendingReadCount(), 0);
    EXPECT_EQ(mouse_.OpenHandleCount(), 0);
}

}  // namespace
