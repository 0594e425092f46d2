#pragma once
// CMyWnd: the hidden agent window. It owns all of the agent's state and
// answers every event; each handler runs on the window's thread to completion.

#include <cstdint>
#include <string>

#include "config/records.h"
#include "device/hid_device_link.h"
#include "platform/framework/cwnd.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "pointer/registry_path_key.h"

class CMyWnd : public CWnd {
  public:
    explicit CMyWnd(platform::Platform& platform);
    ~CMyWnd() override;

    // Creates the hidden window; the start-up sequence runs before it returns.
    virtual bool CreateAgentWindow();

    // Start-up and end (WM_CREATE, WM_DESTROY).
    int OnCreate();
    void OnDestroy();

    // Events, each the answer to one message; the result goes back to the sender.
    platform::LResult OnDeviceChange();
    platform::LResult OnSessionChange(platform::WParam code);
    platform::LResult OnTimer(platform::WParam id);
    platform::LResult OnApplyAll();
    platform::LResult OnDeviceCommand();
    platform::LResult OnDeviceDpiStage(platform::WParam stage);
    platform::LResult OnTrayCallback(platform::LParam mouseMessage);

    // Reads the configuration file into Configuration, SavedConfiguration and ActiveProfile.
    void LoadConfiguration();

    // Reads the mouse's stored profile into ActiveProfile and the file; nonzero
    // when the mouse answered.
    int ReadBackProfile();

    // Sends ActiveProfile to the mouse; 1 when it took both reports.
    int UploadProfile();

    // Sends the one-shot command report; the result of the send.
    int SendDeviceCommand();

    // Starts the configuration program unless its window exists.
    void LaunchCompanion();

    // Adds the notification-area icon unless it is shown / removes it if it is.
    int ShowTrayIcon();
    void RemoveTrayIcon();

    // Applies ActiveProfile's pointer settings to the system.
    void RefreshPointerSettings();

    // The state the handlers share.
    std::u16string ConfigPath;  // empty when no usable path exists: no file is touched
    ConfigDocument Configuration{};
    ConfigDocument SavedConfiguration{};
    ProfileRecord ActiveProfile{};
    std::uint32_t lastReadBackTick = 0;

  protected:
    platform::LResult WindowProc(std::uint32_t message, platform::WParam wParam,
                                 platform::LParam lParam) override;

  private:
    void BuildConfigPath();
    void StartDeviceLink();
    void FillTrayRecord();
    void ArmPresenceTimer();
    void WriteDevicePresence(std::int32_t value);
    void ShowIconIfAllowed();
    void ShowTrayMenu();
    void OnTaskbarCreated();
    void RegisterSessionNotifications();
    void UnregisterSessionNotifications();

    platform::Platform& platform_;
    platform::LibraryHandle sessionLibrary_ = 0;
    std::uintptr_t deviceNotification_ = 0;
    HidDeviceLink link_;
    bool hasReadBack_ = false;    // lastReadBackTick holds a time only after the first read-back
    RegistryPathKey pointerKey_;  // closed before the link when the window object goes
    platform::TrayIconRecord trayRecord_;
    std::uint32_t taskbarCreatedMessage_ = 0;
    // The agent's last request to the shell: shown after an add was asked
    // for, whether or not the shell took it. One agent window per process,
    // so it lives here.
    bool iconShown_ = false;
    bool sessionSuspended_ = false;  // console disconnected or session locked
};
