#pragma once
// CHidApp: the agent process. It refuses to run twice, creates the agent
// window and, when the loop ends, closes the instance marker and deletes the
// window.

#include <memory>

#include "platform/framework/cwinapp.h"
#include "platform/platform.h"
#include "shell/agent_window.h"

// Marks a running agent; the same text is the agent window's title.
inline constexpr std::u16string_view kInstanceMutexName = u"GamingMouseHid_kavrim";

// Exit code when the agent window cannot be created.
inline constexpr int kExitNoWindow = 1;

class CHidApp : public CWinApp {
  public:
    explicit CHidApp(platform::Platform& platform);
    ~CHidApp() override;

    CMyWnd* AgentWindow() const { return window_.get(); }

  protected:
    bool InitInstance() override;
    int ExitInstance() override;

  private:
    platform::Platform& platform_;
    std::unique_ptr<CMyWnd> window_;
    platform::MutexHandle instanceMutex_ = 0;
};
