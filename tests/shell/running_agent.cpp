#include "running_agent.h"

#include <gtest/gtest.h>

#include "config/ini_file.h"

namespace agent_test {

void AgentWindowTest::StartAgent(bool withCompanion) {
    if (withCompanion) companion = session.desktop.AddPeerWindow(u"kavrim Gaming Mouse");
    if (!agent) agent = std::make_unique<AgentPlatform>(session);
    window = std::make_unique<CMyWnd>(agent->ports);
    ASSERT_TRUE(window->CreateAgentWindow());
    session.desktop.DispatchPending();
}

platform::LResult AgentWindowTest::Send(std::uint32_t message, platform::WParam wParam,
                                        platform::LParam lParam) {
    const platform::LResult result =
        session.desktop.Send(window->GetSafeHwnd(), message, wParam, lParam);
    session.desktop.DispatchPending();
    return result;
}

std::vector<PostedMessage> AgentWindowTest::TakeCompanionMessages() {
    const std::vector<PostedMessage> all = session.desktop.ReceivedBy(companion);
    std::vector<PostedMessage> fresh(
        all.begin() + static_cast<std::ptrdiff_t>(companionMessagesRead), all.end());
    companionMessagesRead = all.size();
    return fresh;
}

std::int32_t AgentWindowTest::FileInt(std::u16string_view section, std::u16string_view key) {
    return IniFile(otherProgram, session.ConfigPath()).GetInt(section, key, -12345);
}

void AgentWindowTest::WriteFileInt(std::u16string_view section, std::u16string_view key,
                                   std::int32_t value) {
    IniFile(otherProgram, session.ConfigPath()).WriteInt(section, key, value);
}

}  // namespace agent_test
