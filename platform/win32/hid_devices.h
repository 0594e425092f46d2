#pragma once
// The HID port on the system's HID class driver and SetupAPI.

#include "platform/hid.h"

namespace platform::win32 {

class HidDevices final : public Hid {
  public:
    std::vector<std::u16string> ListInterfaces() override;
    HidHandle Open(std::u16string_view path) override;
    void Close(HidHandle handle) override;
    std::optional<HidCapabilities> Capabilities(HidHandle handle) override;
    std::optional<HidAttributes> Attributes(HidHandle handle) override;
    bool SetFeature(HidHandle handle, const std::uint8_t* report, int length) override;
    bool GetFeature(HidHandle handle, std::uint8_t* report, int length) override;
    std::unique_ptr<PendingRead> StartRead(HidHandle handle, std::uint8_t* buffer,
                                           int length) override;
    void CancelReads(HidHandle handle) override;
    std::uintptr_t RegisterNotifications(WindowHandle window) override;
};

}  // namespace platform::win32
