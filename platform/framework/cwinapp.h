#pragma once
// CWinApp: the application object. Run() is the framework's main routine:
// InitInstance, the message loop while it returned true, then ExitInstance,
// whose result is the process exit code.

#include "platform/desktop.h"
#include "platform/framework/cwnd.h"

class CWinApp {
  public:
    explicit CWinApp(platform::Desktop& desktop) : desktop_(desktop) {}
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    int Run();

  protected:
    virtual bool InitInstance() { return true; }

    // The framework's exit processing: the code of the quit message, or the
    // code set by InitInstance when it declined to run.
    virtual int ExitInstance() { return exitCode_; }

    // Destroying the main window ends the message loop.
    void SetMainWindow(CWnd& window) { window.QuitWhenDestroyed(); }

    void SetExitCode(int exitCode) { exitCode_ = exitCode; }

  private:
    platform::Desktop& desktop_;
    int exitCode_ = 0;
};
