// Operations whose subsystems are still being built. Removed part by part as
// the subsystems land.

#include "shell/agent_window.h"

void CMyWnd::RefreshPointerSettings() {}
