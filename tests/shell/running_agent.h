#pragma once
// One agent window, started in a session with the mouse plugged in, and what
// a test needs to drive it with messages and read what it did.

#include <gtest/gtest.h>

#include <memory>

#include "agent_platform.h"
#include "shell/agent_window.h"

namespace agent_test {

class AgentWindowTest : public testing::Test {
  protected:
    // Starts the agent window (on `agent`, made here unless the test made it
    // first), with the configuration program's window present when `withCompanion`.
    void StartAgent(bool withCompanion = true);

    // Sends a message to the agent window and returns its answer, then
    // delivers whatever the handling posted.
    platform::LResult Send(std::uint32_t message, platform::WParam wParam = 0,
                           platform::LParam lParam = 0);

    // What the configuration program's window received, cleared after each read.
    std::vector<PostedMessage> TakeCompanionMessages();

    // Reads one integer key of the configuration file as another program would.
    std::int32_t FileInt(std::u16string_view section, std::u16string_view key);
    void WriteFileInt(std::u16string_view section, std::u16string_view key, std::int32_t value);

    Session session;
    std::unique_ptr<AgentPlatform> agent;
    std::unique_ptr<CMyWnd> window;
    platform::WindowHandle companion = 0;
    std::size_t companionMessagesRead = 0;
    PrivateProfile otherProgram;  // the configuration program's view of the file
};

}  // namespace agent_test
