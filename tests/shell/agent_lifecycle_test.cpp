// The agent's process and window on the portable platform: start-up order,
// one instance per session, the configuration path, and the end.

#include <gtest/gtest.h>

#include <thread>

#include "agent_platform.h"
#include "platform/window_messages.h"
#include "shell/agent_app.h"
#include "shell/messages.h"

namespace {

using agent_test::AgentPlatform;
using agent_test::Session;
using platform::portable::PostedMessage;

// True when `expected` occurs in `events` in this order, other events between.
testing::AssertionResult InOrder(const std::vector<std::string>& events,
                                 const std::vector<std::string>& expected) {
    auto next = events.begin();
    for (const std::string& wanted : expected) {
        next = std::find(next, events.end(), wanted);
        if (next == events.end()) {
            std::string all;
            for (const std::string& event : events) all += "\n  " + event;
            return testing::AssertionFailure()
                   << "missing or out of order: " << wanted << "\nevents:" << all;
        }
        ++next;
    }
    return testing::AssertionSuccess();
}

// Runs the application's message loop on a thread of its own, as the
// process's main thread would.
class RunningAgent {
  public:
    explicit RunningAgent(CHidApp& app) : thread_([this, &app] { exitCode_ = app.Run(); }) {}
    ~RunningAgent() {
        if (thread_.joinable()) thread_.join();
    }
    int Join() {
        thread_.join();
        return exitCode_;
    }

  private:
    int exitCode_ = -1;
    std::thread thread_;
};

platform::WindowHandle WaitForAgentWindow(platform::portable::Desktop& desktop) {
    for (int attempt = 0; attempt < 2000; ++attempt) {
        if (platform::WindowHandle window = desktop.FindWindowByTitle(kAgentWindowTitle)) {
            return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return 0;
}

TEST(AgentStartUp, RunsItsStepsInTheirFixedOrder) {
    Session session;
    AgentPlatform agent(session);
    CMyWnd window(agent.ports);
    ASSERT_TRUE(window.CreateAgentWindow());

    // A new configuration file is created before the mouse is read back into
    // it; the configuration program starts and Device is written after the
    // mouse answered; the pointer settings come last.
    EXPECT_TRUE(InOrder(session.trace.Events(), {
                                                    "desktop: set title",
                                                    "folders: application data",
                                                    "hid: register notifications",
                                                    "libraries: load wtsapi32.dll",
                                                    "folders: file exists",
                                                    "profile: write Setting Totle",
                                                    "desktop: set extended style",
                                                    "hid: get feature 3",
                                                    "hid: get feature 4",
                                                    "profile: write Profile0Setting GroupID",
                                                    "shell: open",
                                                    "profile: write Setting Device",
                                                    "shell: add icon",
                                                    "debug: RefreshDoubleClickSpeed\n",
                                                    "debug: RefreshMouseMoveSpeed\n",
                                                    "debug: RefreshScrollLine\n",
                                                    "debug: OnCreate over",
                                                }));
    EXPECT_EQ(session.trace.Events().back(), "debug: OnCreate over");
    EXPECT_EQ(session.desktop.ExtendedStyleOf(window.GetSafeHwnd()), platform::kExStyleToolWindow);
    EXPECT_EQ(session.desktop.CountWindowsTitled(kAgentWindowTitle), 1u);
}

TEST(AgentStartUp, ConfigurationPathIsUsedOnlyWhenItFitsWhole) {
    Session session;
    struct Case {
        std::optional<std::u16string> appData;
        std::u16string expected;
    };
    const std::u16string longest(259 - 31, u'a');  // 31 characters: \kavrim\Gamingmouse\GamingMouse
    const Case cases[] = {
        {u"C:\\Users\\me\\AppData\\Roaming",
         u"C:\\Users\\me\\AppData\\Roaming\\kavrim\\Gamingmouse\\GamingMouse"},
        {longest, longest + u"\\kavrim\\Gamingmouse\\GamingMouse"},
        {longest + u"a", u""},
        {u"", u""},
        {std::nullopt, u""},
    };
    for (const Case& item : cases) {
        AgentPlatform agent(session, item.appData);
        CMyWnd window(agent.ports);
        ASSERT_TRUE(window.CreateAgentWindow());
        EXPECT_EQ(window.ConfigPath, item.expected);
        session.desktop.Post(window.GetSafeHwnd(), platform::kMsgClose, 0, 0);
        session.desktop.DispatchPending();
    }
}

TEST(AgentProcess, ASecondInstanceLeavesAtOnceAndTheFirstEndsCleanly) {
    Session session;
    const platform::WindowHandle companion = session.desktop.AddPeerWindow(u"kavrim Gaming Mouse");
    const platform::WindowHandle osd = session.desktop.AddPeerWindow(u"OSDMain");

    AgentPlatform first(session);
    CHidApp firstApp(first.ports);
    RunningAgent running(firstApp);
    const platform::WindowHandle window = WaitForAgentWindow(session.desktop);
    ASSERT_NE(window, 0u);

    AgentPlatform second(session);
    CHidApp secondApp(second.ports);
    EXPECT_EQ(secondApp.Run(), 0);
    EXPECT_EQ(secondApp.AgentWindow(), nullptr);
    EXPECT_EQ(session.desktop.CountWindowsTitled(kAgentWindowTitle), 1u);
    EXPECT_EQ(session.mutexes.OpenCount(kInstanceMutexName), 1);

    session.desktop.Post(window, platform::kMsgClose, 0, 0);
    EXPECT_EQ(running.Join(), 0);
    EXPECT_EQ(session.desktop.CountWindowsTitled(kAgentWindowTitle), 0u);
    EXPECT_EQ(session.mutexes.OpenCount(kInstanceMutexName), 0);
    EXPECT_EQ(firstApp.AgentWindow(), nullptr);

    // The mouse answered at start (a reload was posted); the goodbye comes last.
    const std::vector<PostedMessage> toCompanion = session.desktop.ReceivedBy(companion);
    ASSERT_FALSE(toCompanion.empty());
    EXPECT_EQ(toCompanion.back(), (PostedMessage{platform::kMsgCommand, 0xFFFFFFFFu, 0}));
    EXPECT_EQ(
        session.desktop.ReceivedBy(osd),
        (std::vector<PostedMessage>{{platform::kMsgDestroy, 0, 0}, {platform::kMsgClose, 0, 0}}));
}

TEST(AgentProcess, EndsWithAnErrorWhenItsWindowCannotBeCreated) {
    Session session;
    AgentPlatform agent(session);
    CHidApp app(agent.ports);
    session.desktop.RefuseNextCreation();
    EXPECT_EQ(app.Run(), kExitNoWindow);
    // The instance marker is gone, so the next start can run.
    EXPECT_EQ(session.mutexes.OpenCount(kInstanceMutexName), 0);
}

}  // namespace
