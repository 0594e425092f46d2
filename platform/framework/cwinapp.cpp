#include "platform/framework/cwinapp.h"

int CWinApp::Run() {
    if (InitInstance()) exitCode_ = desktop_.RunMessageLoop();
    return ExitInstance();
}
