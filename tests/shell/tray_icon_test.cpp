// The notification-area icon, its menu and the start of the configuration
// program, as the user meets them.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/window_messages.h"
#include "running_agent.h"
#include "shell/messages.h"

namespace agent_test {
namespace {

class TrayIcon : public AgentWindowTest {
  protected:
    void WriteMenuFile(const char* name, const char* open, const char* hide) {
        const std::filesystem::path folder = NativePath(session.moduleFolder) / "Lan";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / name, std::ios::binary)
            << "[TRAY_STRING]\r\n1=" << open << "\r\n2=" << hide << "\r\n";
    }

    std::vector<platform::MenuItem> RightClick() {
        Send(WM_TRAY_CALLBACK, 128, platform::kMsgRightButtonDown);
        const auto menus = agent->shell.Menus();
        return menus.empty() ? std::vector<platform::MenuItem>{} : menus.back();
    }

    static std::vector<std::u16string> Texts(const std::vector<platform::MenuItem>& items) {
        std::vector<std::u16string> texts;
        for (const auto& item : items) texts.push_back(item.text);
        return texts;
    }

    std::u16string Companion() const { return session.moduleFolder + u"\\Vorlix.exe"; }
};

TEST_F(TrayIcon, TheRecordNamesTheAgentsIconAndCallback) {
    StartAgent();
    const auto record = agent->shell.LastRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->window, window->GetSafeHwnd());
    EXPECT_EQ(record->id, 128u);
    EXPECT_EQ(record->flags, 7u);
    EXPECT_EQ(record->callbackMessage, WM_TRAY_CALLBACK);
    EXPECT_EQ(record->iconResource, 137);
    EXPECT_EQ(record->tip, u"kavrim Gaming Mouse");
}

TEST_F(TrayIcon, IsAddedAndDeletedOnceHoweverOftenAsked) {
    StartAgent();
    window->ShowTrayIcon();
    EXPECT_EQ(window->ShowTrayIcon(), 0);
    EXPECT_EQ(agent->shell.AddCount(), 1);
    window->RemoveTrayIcon();
    window->RemoveTrayIcon();
    EXPECT_EQ(agent->shell.DeleteCount(), 1);
}

TEST_F(TrayIcon, TheMenuSpeaksTheLanguageTheFileNamesAtEachRightClick) {
    WriteMenuFile("varo_En.ini", "Open", "Hide");
    WriteMenuFile("varo_Sp.ini", "Abrir", "Ocultar");
    StartAgent();
    const auto english = RightClick();
    EXPECT_EQ(Texts(english), (std::vector<std::u16string>{u"Open", u"Hide"}));
    EXPECT_EQ(english[0].command, ID_TRAY_OPEN);
    EXPECT_EQ(english[1].command, ID_TRAY_HIDE);

    // The configuration program changes the language without telling the agent.
    WriteFileInt(u"Setting", u"lan_id", 1);
    EXPECT_EQ(Texts(RightClick()), (std::vector<std::u16string>{u"Abrir", u"Ocultar"}));
    WriteFileInt(u"Setting", u"lan_id", 7);  // out of range: English
    EXPECT_EQ(Texts(RightClick()), (std::vector<std::u16string>{u"Open", u"Hide"}));
}

TEST_F(TrayIcon, AMissingLanguageFileGivesEmptyItemsThatStillWork) {
    StartAgent();
    agent->shell.ChooseInNextMenu(ID_TRAY_HIDE);
    const auto items = RightClick();
    EXPECT_EQ(Texts(items), (std::vector<std::u16string>{u"", u""}));
    EXPECT_EQ(agent->shell.DeleteCount(), 1);  // the icon went; the agent runs on
    EXPECT_NE(session.desktop.FindWindowByTitle(u"GamingMouseHid_kavrim"), 0u);
}

TEST_F(TrayIcon, DoubleClickAndOpenStartTheCompanionOnlyWhenItIsNotRunning) {
    StartAgent(/*withCompanion=*/false);
    const std::size_t startedAtStart = agent->shell.Opened().size();  // the mouse answered
    EXPECT_EQ(startedAtStart, 1u);
    Send(WM_TRAY_CALLBACK, 128, platform::kMsgLeftButtonDoubleClick);
    Send(platform::kMsgCommand, ID_TRAY_OPEN);
    EXPECT_EQ(agent->shell.Opened(), (std::vector<std::u16string>(3, Companion())));

    session.desktop.AddPeerWindow(u"kavrim Gaming Mouse");
    Send(WM_TRAY_CALLBACK, 128, platform::kMsgLeftButtonDoubleClick);
    Send(platform::kMsgCommand, ID_TRAY_OPEN);
    EXPECT_EQ(agent->shell.Opened().size(), 3u);
}

TEST_F(TrayIcon, OtherMouseMessagesDoNothing) {
    StartAgent(/*withCompanion=*/false);
    const std::size_t opened = agent->shell.Opened().size();
    for (platform::LParam message : {0x0200, 0x0201, 0x0202, 0x0205}) {
        EXPECT_EQ(Send(WM_TRAY_CALLBACK, 128, message), 0);
    }
    EXPECT_TRUE(agent->shell.Menus().empty());
    EXPECT_EQ(agent->shell.Opened().size(), opened);
}

TEST_F(TrayIcon, ComesBackWhenTheTaskbarIsCreatedAfterTheAgent) {
    // At logon the agent can start before the taskbar exists: the add is refused.
    agent = std::make_unique<AgentPlatform>(session);
    agent->shell.SetTaskbarPresent(false);
    StartAgent();
    EXPECT_EQ(agent->shell.AddCount(), 1);
    window->ShowTrayIcon();  // counts as shown: not asked again
    EXPECT_EQ(agent->shell.AddCount(), 1);

    agent->shell.SetTaskbarPresent(true);
    Send(platform::portable::RecordingShell::kTaskbarCreated);
    EXPECT_EQ(agent->shell.AddCount(), 2);

    // An icon the user hid stays hidden.
    window->RemoveTrayIcon();
    Send(platform::portable::RecordingShell::kTaskbarCreated);
    EXPECT_EQ(agent->shell.AddCount(), 2);
}

}  // namespace
}  // namespace agent_test
