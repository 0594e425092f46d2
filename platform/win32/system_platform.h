#pragma once
// The ports on the real system, gathered into the platform the agent runs on.

#include "platform/platform.h"
#include "platform/win32/desktop.h"
#include "platform/win32/hid_devices.h"
#include "platform/win32/private_profile.h"
#include "platform/win32/session_parameters.h"
#include "platform/win32/shell_services.h"
#include "platform/win32/system_registry.h"
#include "platform/win32/system_services.h"

namespace platform::win32 {

class SystemPlatform {
  public:
    SystemPlatform() : SystemPlatform(nullptr) {}

    // The system with other HID devices in place of its own: the emulated
    // flavour of the agent runs on an emulated mouse.
    explicit SystemPlatform(Hid& devices) : SystemPlatform(&devices) {}

    Platform& Ports() { return ports_; }

  private:
    explicit SystemPlatform(Hid* devices)
        : ports_{clock_,
                 desktop_,
                 debug_,
                 instances_,
                 folders_,
                 libraries_,
                 devices != nullptr ? *devices : hid_,
                 profiles_,
                 shell_,
                 version_,
                 registry_,
                 system_} {}

    SystemClock clock_;
    Desktop desktop_;
    DebuggerOutput debug_;
    KernelMutexes instances_;
    ShellFolders folders_;
    DynamicLibraries libraries_;
    HidDevices hid_;
    SystemPrivateProfile profiles_;
    SystemShell shell_;
    VersionQuery version_;
    SystemRegistry registry_;
    SessionParameters system_;
    Platform ports_;
};

}  // namespace platform::win32
