// The built agent as a user's session sees it: one hidden window, one
// instance, and the goodbye messages to its peers when it is closed.

#include <gtest/gtest.h>

#include "agent_process.h"

using namespace std::chrono_literals;
using agent_test::PeerWindows;
using agent_test::Process;

namespace {

const wchar_t* const kAgentTitle = L"GamingMouseHid_kavrim";
const std::wstring kCompanion = L"kavrim Gaming Mouse";
const std::wstring kOsd = L"OSDMain";

std::wstring AgentCommand() { return agent_test::WindowsPath(GM_AGENT_EXE); }

}  // namespace

TEST(AgentLifecycle, RunsOnceAndSaysGoodbyeToItsPeersWhenClosed) {
    PeerWindows peers({kCompanion, kOsd});
    Process agent(AgentCommand());
    ASSERT_TRUE(agent.Started());
    HWND window = agent_test::WaitForWindow(kAgentTitle, 20s);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(agent_test::CountWindowsTitled(kAgentTitle), 1);
    EXPECT_FALSE(IsWindowVisible(window));
    // The window exists from the start of its creation; the tool-window style
    // comes in the middle of the start-up sequence.
    EXPECT_TRUE(agent_test::WaitUntil(
        [window] { return GetWindowLongPtrW(window, GWL_EXSTYLE) == WS_EX_TOOLWINDOW; }, 20s));

    // A second start leaves at once, without a window of its own.
    Process second(AgentCommand());
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(20s), 0u);
    EXPECT_EQ(agent_test::CountWindowsTitled(kAgentTitle), 1);

    ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(agent.WaitForExit(20s), 0u);
    EXPECT_EQ(agent_test::CountWindowsTitled(kAgentTitle), 0);

    ASSERT_TRUE(peers.WaitForMessages(kCompanion, 1, 5s));
    ASSERT_TRUE(peers.WaitForMessages(kOsd, 2, 5s));
    const auto companion = peers.ReceivedBy(kCompanion);
    ASSERT_EQ(companion.size(), 1u);
    EXPECT_EQ(companion[0].message, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(static_cast<DWORD>(companion[0].wParam), 0xFFFFFFFFu);
    EXPECT_EQ(companion[0].lParam, 0);
    const auto osd = peers.ReceivedBy(kOsd);
    ASSERT_EQ(osd.size(), 2u);
    EXPECT_EQ(osd[0].message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(osd[1].message, static_cast<UINT>(WM_CLOSE));
}

TEST(AgentLifecycle, ClosingWithoutPeersStillEndsCleanly) {
    Process agent(AgentCommand());
    ASSERT_TRUE(agent.Started());
    HWND window = agent_test::WaitForWindow(kAgentTitle, 20s);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
    EXPECT_EQ(agent.WaitForExit(20s), 0u);
}
