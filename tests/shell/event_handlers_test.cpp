// The agent window's answers to device, session, timer, DPI-stage and
// configuration-program events, driven by messages as the system sends them.

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "device/settings_report.h"
#include "platform/window_messages.h"
#include "running_agent.h"
#include "shell/messages.h"

namespace agent_test {
namespace {

const PostedMessage kReload{WM_COMPANION_RELOAD, 0, 0};
const PostedMessage kNoDevice{WM_COMPANION_NO_DEVICE, 0x917, 0};

class AgentEvents : public AgentWindowTest {};

TEST_F(AgentEvents, ABurstOfDeviceChangesCostsOneReadBack) {
    StartAgent();
    EXPECT_EQ(TakeCompanionMessages(), std::vector{kReload});
    for (int change = 0; change < 3; ++change) {
        agent->clock.Advance(300);
        EXPECT_EQ(Send(platform::kMsgDeviceChange, 0x8000, 0), 1);
    }
    // Answered from the quiet period: no read-back, so no reload.
    EXPECT_TRUE(TakeCompanionMessages().empty());
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 1);
    EXPECT_EQ(agent->shell.AddCount(), 1);

    agent->clock.Advance(1000);
    EXPECT_EQ(Send(platform::kMsgDeviceChange), 1);
    EXPECT_EQ(TakeCompanionMessages(), std::vector{kReload});
}

TEST_F(AgentEvents, AnUnpluggedMouseIsReportedAndItsIconRemoved) {
    StartAgent();
    TakeCompanionMessages();
    agent->clock.Advance(1000);
    session.mouse.Unplug();  // the removal reaches the window as WM_DEVICECHANGE
    session.desktop.DispatchPending();
    EXPECT_EQ(TakeCompanionMessages(), std::vector{kNoDevice});
    EXPECT_EQ(agent->shell.DeleteCount(), 1);
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 1);  // a failed read-back leaves it
}

TEST_F(AgentEvents, ALockedSessionIgnoresTheMouseUntilUnlocked) {
    StartAgent();
    TakeCompanionMessages();
    EXPECT_EQ(Send(platform::kMsgSessionChange, 7), 0);
    EXPECT_EQ(agent->shell.DeleteCount(), 1);
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 0);

    agent->clock.Advance(5000);
    session.mouse.Unplug();
    session.desktop.DispatchPending();
    session.mouse.Plug();
    session.desktop.DispatchPending();
    EXPECT_TRUE(TakeCompanionMessages().empty());
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 0);

    EXPECT_EQ(Send(platform::kMsgSessionChange, 8), 0);
    EXPECT_EQ(TakeCompanionMessages(), std::vector{kReload});
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 1);
    EXPECT_EQ(agent->shell.AddCount(), 2);
}

TEST_F(AgentEvents, AResumeWithoutTheMouseOnlyTellsTheCompanion) {
    StartAgent();
    Send(platform::kMsgSessionChange, 2);
    TakeCompanionMessages();
    session.mouse.Unplug();
    session.desktop.DispatchPending();  // ignored: suspended
    agent->clock.Advance(5000);
    Send(platform::kMsgSessionChange, 1);
    EXPECT_EQ(TakeCompanionMessages(), std::vector{kNoDevice});
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 0);
    EXPECT_EQ(agent->shell.AddCount(), 1);
    EXPECT_EQ(agent->shell.DeleteCount(), 1);
}

struct SessionCase {
    std::uint32_t majorVersion;
    platform::WParam code;
    bool suspends;
};

class SessionCodes : public AgentWindowTest, public testing::WithParamInterface<SessionCase> {};

TEST_P(SessionCodes, SuspendOnlyWhereTheSystemVersionCountsTheCode) {
    StartAgent();
    agent->version.Set(GetParam().majorVersion);
    Send(platform::kMsgSessionChange, GetParam().code);
    EXPECT_EQ(FileInt(u"Setting", u"Device"), GetParam().suspends ? 0 : 1);
    EXPECT_EQ(agent->shell.DeleteCount(), GetParam().suspends ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Versions, SessionCodes,
                         testing::Values(SessionCase{6, 7, true}, SessionCase{10, 7, true},
                                         SessionCase{5, 7, false}, SessionCase{5, 2, true},
                                         SessionCase{6, 2, true}, SessionCase{6, 3, false},
                                         SessionCase{6, 5, false}, SessionCase{6, 6, false},
                                         SessionCase{6, 9, false}));

TEST_F(AgentEvents, OldSystemsResumeOnlyOnConsoleConnect) {
    StartAgent();
    agent->version.Set(5);
    Send(platform::kMsgSessionChange, 2);
    TakeCompanionMessages();
    agent->clock.Advance(5000);
    Send(platform::kMsgSessionChange, 8);  // unlock means nothing here
    EXPECT_TRUE(TakeCompanionMessages().empty());
    Send(platform::kMsgSessionChange, 1);
    EXPECT_EQ(TakeCompanionMessages(), std::vector{kReload});
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 1);
}

TEST_F(AgentEvents, ADpiStageIsRecordedInTheActiveProfileAndPassedOn) {
    WriteFileInt(u"Setting", u"Active", 2);
    StartAgent();
    TakeCompanionMessages();
    EXPECT_EQ(Send(WM_DEVICE_DPI_STAGE, 3), 1);
    EXPECT_EQ(window->ActiveProfile.DPI_Cur, 3);
    EXPECT_EQ(FileInt(u"Profile2Setting", u"DPI_Cur"), 3);
    EXPECT_EQ(TakeCompanionMessages(),
              (std::vector<PostedMessage>{{WM_COMPANION_DPI_STAGE, 2, 2}}));
}

TEST_F(AgentEvents, ADpiStageGoesToTheSectionOfTheActiveProfileAfterAReorder) {
    // Slot 1 is stored in section 0 and slot 0 in section 1.
    WriteFileInt(u"Setting", u"Active", 1);
    WriteFileInt(u"Setting", u"0", 1);
    WriteFileInt(u"Setting", u"1", 0);
    StartAgent();
    TakeCompanionMessages();
    Send(WM_DEVICE_DPI_STAGE, 6);
    EXPECT_EQ(FileInt(u"Profile0Setting", u"DPI_Cur"), 6);
    EXPECT_EQ(FileInt(u"Profile1Setting", u"DPI_Cur"), -12345);  // slot 0's section: untouched
    EXPECT_EQ(TakeCompanionMessages(),
              (std::vector<PostedMessage>{{WM_COMPANION_DPI_STAGE, 1, 5}}));
}

TEST_F(AgentEvents, TheMouseDpiButtonReachesTheCompanionThroughTheListener) {
    StartAgent();
    TakeCompanionMessages();
    session.mouse.PressDpiButton();  // from stage 3 to 4
    ASSERT_TRUE(session.desktop.WaitForMessage(std::chrono::seconds(5)));
    session.desktop.DispatchPending();
    EXPECT_EQ(FileInt(u"Profile0Setting", u"DPI_Cur"), 4);
    EXPECT_EQ(TakeCompanionMessages(),
              (std::vector<PostedMessage>{{WM_COMPANION_DPI_STAGE, 0, 3}}));
}

TEST_F(AgentEvents, ApplyAllReloadsTheFileAndUploadsTheActiveProfile) {
    StartAgent();
    WriteFileInt(u"Profile0Setting", u"POLLRATE_VALUE", 1);
    WriteFileInt(u"Profile0Setting", u"Scroll_Speed", 7);
    EXPECT_EQ(Send(WM_APPLY_ALL, 0x1234, -7), 0);
    EXPECT_EQ(window->ActiveProfile.POLLRATE_VALUE, 1);
    const SettingsReport expected = BuildSettingsReport(window->ActiveProfile);
    EXPECT_EQ(session.mouse.Report(3), std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(agent->shell.AddCount(), 1);  // shown at start, still shown
}

TEST_F(AgentEvents, ApplyAllWithTheIconSwitchedOffRemovesIt) {
    StartAgent();
    WriteFileInt(u"Setting", u"Show_TrayIcon", 0);
    Send(WM_APPLY_ALL);
    EXPECT_EQ(agent->shell.DeleteCount(), 1);
}

TEST_F(AgentEvents, AFailedApplyLeavesTheIconAsItWas) {
    StartAgent();
    session.mouse.Unplug();
    session.desktop.DispatchPending();  // within the quiet period: still counts as answered
    Send(WM_APPLY_ALL);
    EXPECT_EQ(agent->shell.AddCount(), 1);
    EXPECT_EQ(agent->shell.DeleteCount(), 0);
}

TEST_F(AgentEvents, ACommandRequestSendsTheCommandReport) {
    StartAgent();
    EXPECT_EQ(Send(WM_DEVICE_COMMAND, 5, 5), 0);
    EXPECT_EQ(session.mouse.Report(6), (std::vector<std::uint8_t>{6, 0x5A, 0, 0, 0, 0, 0, 0}));
}

TEST_F(AgentEvents, OtherTimersOnlyGetDefaultProcessing) {
    StartAgent();
    TakeCompanionMessages();
    const std::int32_t before = FileInt(u"Setting", u"Device");
    Send(platform::kMsgTimer, 42);
    EXPECT_EQ(FileInt(u"Setting", u"Device"), before);
    EXPECT_TRUE(TakeCompanionMessages().empty());
    // Without the presence library beside the agent the check is never armed.
    EXPECT_FALSE(session.desktop.TimerPeriod(window->GetSafeHwnd(), 100002).has_value());
}

class AgentStartUpCases : public AgentWindowTest {};

TEST_F(AgentStartUpCases, WithoutTheMouseNothingStartsButThePointerSettingsApply) {
    session.mouse.Unplug();
    StartAgent(/*withCompanion=*/false);
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 0);
    EXPECT_TRUE(agent->shell.Opened().empty());
    EXPECT_EQ(agent->shell.AddCount(), 0);
    EXPECT_EQ(agent->debug.Lines().back(), u"OnCreate over");
    EXPECT_EQ(agent->system.DoubleClickTime(), 680u);
}

TEST_F(AgentStartUpCases, WithTheIconSwitchedOffTheCompanionStillStarts) {
    WriteFileInt(u"Setting", u"Show_TrayIcon", 0);
    StartAgent(/*withCompanion=*/false);
    EXPECT_EQ(FileInt(u"Setting", u"Device"), 1);
    EXPECT_EQ(agent->shell.Opened().size(), 1u);
    EXPECT_EQ(agent->shell.AddCount(), 0);
}

}  // namespace
}  // namespace agent_test
