// The whole agent under Wine, end to end: the emulated flavour on its
// emulated mouse with a stand-in configuration program, and the real agent on
// a machine without the mouse.

#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "agent_process.h"
#include "platform/win32/emulated_mouse_remote.h"

using namespace std::chrono_literals;
using agent_test::Process;
using agent_test::WaitUntil;
using emulation::Control;

namespace {

const wchar_t* const kAgentTitle = L"GamingMouseHid_kavrim";
const wchar_t* const kCompanionTitle = L"kavrim Gaming Mouse";

// The agent's read-back quiet period, in real time here.
constexpr auto kQuietPeriod = 1100ms;

std::wstring ConfigFile() {
    wchar_t folder[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder);
    return std::wstring(folder) + L"\\kavrim\\Gamingmouse\\GamingMouse";
}

int FileInt(const wchar_t* section, const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(section, key, -1, ConfigFile().c_str()));
}

void WriteFileValue(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, ConfigFile().c_str());
}

std::wstring MouseRegistryValue(const wchar_t* name) {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Mouse", name, RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS) {
        return L"";
    }
    return text;
}

UINT WheelScrollLines() {
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines;
}

// One agent program copied into a folder of its own, beside a stand-in
// configuration program, and started; closed at the end.
class AgentInFolder {
  public:
    AgentInFolder(const std::string& agentExe, bool withCompanionProgram) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ =
            std::filesystem::path(temp) / (L"gm-agent-" + std::to_wstring(GetCurrentProcessId()) +
                                           L"-" + std::to_wstring(GetTickCount()));
        std::filesystem::create_directories(folder_);
        const std::filesystem::path agent = folder_ / L"agent.exe";
        CopyFileW(agent_test::WindowsPath(agentExe).c_str(), agent.c_str(), FALSE);
        if (withCompanionProgram) {
            CopyFileW(agent_test::WindowsPath(GM_VORLIX_EXE).c_str(),
                      (folder_ / L"Vorlix.exe").c_str(), FALSE);
        }
        SetEnvironmentVariableW(L"GM_VORLIX_LOG", (folder_ / L"vorlix.log").c_str());

        // A fresh configuration: the agent creates the file with defaults.
        const std::filesystem::path config(ConfigFile());
        std::filesystem::create_directories(config.parent_path());
        std::filesystem::remove(config);

        process_ = std::make_unique<Process>(agent.wstring());
        window_ = agent_test::WaitForWindow(kAgentTitle, 20s);
        // The window exists from the start of its creation; the file's Device
        // key is written near the end of the start-up sequence.
        started_ = window_ != nullptr &&
                   WaitUntil([] { return FileInt(L"Setting", L"Device") >= 0; }, 20s);
    }

    ~AgentInFolder() {
        if (window_ != nullptr && IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
        process_->WaitForExit(20s);
        // A configuration program that the agent started may still be on its
        // way up; it must not outlive this agent and pose as the next one's.
        if (WaitUntil([&] { return CompanionLog().find("started") != std::string::npos; }, 1s)) {
            WaitUntil([] { return FindWindowW(nullptr, kCompanionTitle) != nullptr; }, 5s);
        }
        while (HWND companion = FindWindowW(nullptr, kCompanionTitle)) {
            PostMessageW(companion, WM_CLOSE, 0, 0);
            if (!WaitUntil([companion] { return !IsWindow(companion); }, 10s)) break;
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    bool Started() const { return started_; }
    HWND Window() const { return window_; }
    Process& Program() { return *process_; }

    // The stand-in configuration program's notes, one line each.
    std::string CompanionLog() const {
        std::ifstream log(folder_ / L"vorlix.log");
        std::stringstream text;
        text << log.rdbuf();
        return text.str();
    }

    bool WaitForCompanionNote(const std::string& line) const {
        return WaitUntil([&] { return CompanionLog().find(line + "\n") != std::string::npos; },
                         10s);
    }

    // Waits until the started configuration program's window exists.
    bool WaitForCompanion() const {
        return WaitUntil([] { return FindWindowW(nullptr, kCompanionTitle) != nullptr; }, 10s);
    }

    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        PostMessageW(window_, message, wParam, lParam);
    }

  private:
    std::filesystem::path folder_;
    std::unique_ptr<Process> process_;
    HWND window_ = nullptr;
    bool started_ = false;
};

std::string Dump() { return platform::win32::DumpMouseReports().value_or(""); }

class EmulatedAgent : public testing::Test {
  protected:
    AgentInFolder agent{GM_EMULATED_AGENT_EXE, true};
};

TEST_F(EmulatedAgent, StartsTheCompanionWhenTheMouseAnswersAtStart) {
    ASSERT_TRUE(agent.Started());
    EXPECT_TRUE(agent.WaitForCompanionNote("started"));
    EXPECT_EQ(FileInt(L"Setting", L"Device"), 1);
    // The profile read back from the mouse is in the file the agent created.
    EXPECT_EQ(FileInt(L"Profile0Setting", L"DPI_Cur"), 3);
    EXPECT_EQ(FileInt(L"Profile5Setting", L"Mouse_Speed"), 5);
}

TEST_F(EmulatedAgent, ADpiButtonPressIsRecordedAndPassedOn) {
    ASSERT_TRUE(agent.Started());
    ASSERT_TRUE(agent.WaitForCompanion());
    ASSERT_TRUE(platform::win32::SendMouseControl(Control::kPressDpiButton));
    EXPECT_TRUE(agent.WaitForCompanionNote("506 0 3"));  // slot 0, stage 4
    EXPECT_EQ(FileInt(L"Profile0Setting", L"DPI_Cur"), 4);
}

TEST_F(EmulatedAgent, ApplyAllUploadsTheProfileAndAppliesThePointerSettings) {
    ASSERT_TRUE(agent.Started());
    WriteFileValue(L"Profile0Setting", L"POLLRATE_VALUE", L"1");
    WriteFileValue(L"Profile0Setting", L"Scroll_Speed", L"7");
    WriteFileValue(L"Profile0Setting", L"DBClick_Speed", L"10");
    WriteFileValue(L"Profile0Setting", L"ButtonAssigned0", nullptr);  // the default again
    agent.Post(0x4FF);
    EXPECT_TRUE(WaitUntil([] { return MouseRegistryValue(L"DoubleClickSpeed") == L"200"; }, 10s));
    EXPECT_EQ(WheelScrollLines(), 7u);
    // Report 3 carries the new polling rate in byte 2.
    EXPECT_TRUE(WaitUntil([] { return Dump().rfind("report 3: 030301", 0) == 0; }, 10s)) << Dump();
    EXPECT_EQ(Dump().find("report 4: 0430003a00"), Dump().find('\n') + 1) << Dump();
}

TEST_F(EmulatedAgent, AnUnpluggedMouseIsReportedToTheCompanion) {
    ASSERT_TRUE(agent.Started());
    ASSERT_TRUE(agent.WaitForCompanion());
    std::this_thread::sleep_for(kQuietPeriod);
    ASSERT_TRUE(platform::win32::SendMouseControl(Control::kUnplug));
    EXPECT_TRUE(agent.WaitForCompanionNote("915 917 0"));
    EXPECT_EQ(FileInt(L"Setting", L"Device"), 1);
}

TEST_F(EmulatedAgent, ALockedSessionRecordsTheMouseAbsentUntilUnlocked) {
    ASSERT_TRUE(agent.Started());
    ASSERT_TRUE(agent.WaitForCompanion());
    agent.Post(WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK);
    EXPECT_TRUE(WaitUntil([] { return FileInt(L"Setting", L"Device") == 0; }, 10s));
    std::this_thread::sleep_for(kQuietPeriod);
    agent.Post(WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK);
    EXPECT_TRUE(WaitUntil([] { return FileInt(L"Setting", L"Device") == 1; }, 10s));
    EXPECT_TRUE(agent.WaitForCompanionNote("505 0 0"));  // the mouse was read back
}

TEST_F(EmulatedAgent, ACommandRequestReachesTheMouse) {
    ASSERT_TRUE(agent.Started());
    agent.Post(0x501, 9, 9);
    EXPECT_TRUE(WaitUntil(
        [] { return Dump().find("report 6: 065a000000000000\n") != std::string::npos; }, 10s))
        << Dump();
}

TEST_F(EmulatedAgent, CloseSaysGoodbyeAndEndsWithCodeZero) {
    ASSERT_TRUE(agent.Started());
    ASSERT_TRUE(agent.WaitForCompanion());
    agent.Post(WM_CLOSE);
    EXPECT_EQ(agent.Program().WaitForExit(20s), 0u);
    EXPECT_TRUE(agent.WaitForCompanionNote("111 ffffffff 0")) << agent.CompanionLog();
}

TEST(EmulatedAgentWithCompanionRunning, ReloadIsPostedAndTheCompanionNotStartedAgain) {
    agent_test::PeerWindows companion({kCompanionTitle});
    AgentInFolder agent(GM_EMULATED_AGENT_EXE, true);
    ASSERT_TRUE(agent.Started());
    EXPECT_TRUE(companion.WaitForMessages(kCompanionTitle, 1, 10s));
    const auto received = companion.ReceivedBy(kCompanionTitle);
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received[0].message, 0x505u);
    EXPECT_EQ(agent.CompanionLog(), "");  // not started: its window exists
}

TEST(RealAgent, WithoutTheMouseRecordsItAbsentAndStillAppliesThePointerSettings) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Mouse", L"DoubleClickSpeed", REG_SZ, L"500",
                    8);
    AgentInFolder agent(GM_AGENT_EXE, true);
    ASSERT_TRUE(agent.Started());
    EXPECT_EQ(FileInt(L"Setting", L"Device"), 0);
    EXPECT_TRUE(WaitUntil([] { return MouseRegistryValue(L"DoubleClickSpeed") == L"680"; }, 10s));
    // The configuration program is not started without the mouse.
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(agent.CompanionLog(), "");
    EXPECT_EQ(agent.Program().WaitForExit(0ms), static_cast<DWORD>(STILL_ACTIVE));
    agent.Post(WM_CLOSE);
    EXPECT_EQ(agent.Program().WaitForExit(20s), 0u);
}

}  // namespace
