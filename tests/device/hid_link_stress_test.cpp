// The window thread and the listener under load: reopening while the mouse
// sends, and destroying the link while a read is pending. Run under
// ThreadSanitizer as well.

#include <gmock/gmock.h>

#include <atomic>
#include <set>

#include "shell/messages.h"
#include "tests/device/link_fixture.h"

namespace {

// What another vendor's device sends; it must never reach the window.
constexpr std::uint8_t kForeignStage = 0x77;

using HidLinkStressTest = LinkTest;

// Each Open closes the handles and opens new ones, and the system hands
// closed values out again, also to the other device: a listener that read
// through a stale value would pick up its reports.
TEST_F(HidLinkStressTest, ReopeningWhileTheMouseSendsPostsOnlyWhatItSent) {
    const int other = mouse_.AddDevice(platform::portable::OtherVendorDescription());
    Start();
    std::atomic<bool> sending = true;
    std::thread sender([&] {
        for (std::uint8_t stage = 1; sending; stage = stage % 5 + 1) {
            mouse_.SendInputReport({2, 0, stage, 0});
            mouse_.SendInputReport({2, 0, kForeignStage, 0}, other);
            std::this_thread::yield();
        }
    });
    for (int reopen = 0; reopen < 10000; ++reopen) Link().Open(reopen % 2 == 0 ? 40 : 2049);
    sending = false;
    sender.join();
    DestroyLink();

    std::set<platform::WParam> stages;
    for (const auto& message : desktop_.ReceivedBy(window_)) {
        if (message.message == WM_DEVICE_DPI_STAGE) stages.insert(message.wParam);
    }
    EXPECT_FALSE(stages.empty());
    EXPECT_THAT(stages, ::testing::Each(::testing::AllOf(::testing::Ge(1u), ::testing::Le(5u))));
}

TEST_F(HidLinkStressTest, DestroyingTheLinkDuringAPendingReadRepeatedly) {
    for (int round = 0; round < 300; ++round) {
        Start();
        ASSERT_TRUE(Eventually([&] { return mouse_.PendingReadCount() == 1; }));
        if (round % 2 == 0) mouse_.PressDpiButton();  // sometimes a report is in flight
        DestroyLink();
        ASSERT_EQ(mouse_.PendingReadCount(), 0);
        ASSERT_EQ(mouse_.OpenHandleCount(), 0);
    }
}

}  // namespace
