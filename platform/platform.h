#pragma once
// Everything the agent reaches of the OS, one port each. A backend
// (platform/win32 or platform/portable) supplies the implementations; the
// platform-neutral code only ever sees these interfaces.

#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/desktop.h"
#include "platform/folders.h"
#include "platform/hid.h"
#include "platform/libraries.h"
#include "platform/private_profile.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/single_instance.h"
#include "platform/system_parameters.h"
#include "platform/system_version.h"

namespace platform {

struct Platform {
    Clock& clock;
    Desktop& desktop;
    DebugOutput& debug;
    SingleInstance& instances;
    Folders& folders;
    Libraries& libraries;
    Hid& hid;
    PrivateProfile& profiles;
    Shell& shell;
    SystemVersion& version;
    Registry& registry;
    SystemParameters& system;
};

}  // namespace platform
