#pragma once
// HidDeviceLink: the agent's one connection to the mouse. It holds two
// handles chosen by report length: the feature handle (the collection whose
// feature reports have the length of the last Open) and the input handle (the
// collection of 4-byte input reports, read by the listener thread). It also
// registers the agent window for HID arrivals and removals.

#include <cstdint>
#include <thread>
#include <vector>

#include "device/input_listener.h"
#include "platform/clock.h"
#include "platform/debug_output.h"
#include "platform/desktop.h"
#include "platform/hid.h"

class HidDeviceLink {
  public:
    static constexpr std::size_t kInputBufferSize = 1000;

    HidDeviceLink(platform::Hid& hid, platform::Desktop& desktop, platform::DebugOutput& debug,
                  platform::Clock& clock);
    // Ends the listener, then closes both handles (a shared one once).
    ~HidDeviceLink();
    HidDeviceLink(const HidDeviceLink&) = delete;
    HidDeviceLink& operator=(const HidDeviceLink&) = delete;

    // Accepted identifiers besides the fixed vendor 0x3938 and product 0x1101.
    // The agent sets them before Start.
    std::int32_t productId = 0x1020;
    std::int32_t vendorId = 0x0603;

    // Opens for feature reports of length 100 (taking the input handle on the
    // way), starts the listener and registers `window` for HID arrivals and
    // removals, storing the registration in `notification`. 1 when the
    // registration succeeded, else 0. Called once.
    int Start(platform::WindowHandle window, std::uintptr_t& notification);

    // Closes both handles and enumerates afresh: the mouse's collection with
    // feature reports of `length` bytes becomes the feature handle (1, else
    // 0), its 4-byte input collection the input handle, whatever the result.
    int Open(int length);
    bool IsOpen() const;
    // 1 when the mouse took / answered the report, 0 otherwise (also with no
    // feature handle). Byte 0 is the report identifier.
    int SetFeature(const std::uint8_t* report, int length);
    int GetFeature(std::uint8_t* report, int length);
    // Closes the feature handle; the input handle stays for the listener.
    void Close();

    // Logs one input report and posts the DPI stage that it announces.
    // Called by the listener with its copy of the report.
    void OnInputReport(const std::uint8_t* bytes, int length);

    platform::HidHandle FeatureHandle() const { return featureHandle_; }
    platform::HidHandle InputHandle() const { return inputSlot_.Current(); }

  private:
    friend void InputListenerThread(HidDeviceLink& link);

    struct Handles {
        platform::HidHandle feature = platform::kInvalidHidHandle;
        platform::HidHandle input = platform::kInvalidHidHandle;
    };

    bool BelongsToMouse(const platform::HidAttributes& attributes) const;
    void Assign(platform::HidHandle handle, const platform::HidCapabilities& capabilities,
                int length, Handles& taken);
    void CloseUnlessHeldBy(platform::HidHandle handle, platform::HidHandle other);
    void CloseBoth();

    platform::Hid& hid_;
    platform::Desktop& desktop_;
    platform::DebugOutput& debug_;
    platform::Clock& clock_;

    InputHandleSlot inputSlot_;
    std::vector<std::uint8_t> inputBuffer_ = std::vector<std::uint8_t>(kInputBufferSize);
    const int inputReportLength_ = 4;
    platform::WindowHandle notifyWindow_ = 0;
    platform::HidHandle featureHandle_ = platform::kInvalidHidHandle;
    std::thread listener_;
};
