#pragma once
// HID interfaces (top-level collections): the ones present now, one handle per
// opened interface, its report lengths and identifiers, feature reports both
// ways, input reports read in the background, and the window's notifications
// of HID arrivals and removals.
//
// Every report buffer starts with the report identifier (byte 0) and its
// length counts that byte. Calls may come from any thread.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles.h"

namespace platform {

// One opened interface. The system reuses the values of closed handles.
using HidHandle = std::uintptr_t;
inline constexpr HidHandle kInvalidHidHandle = ~HidHandle{0};  // the system's invalid-handle value

struct HidCapabilities {
    int inputReportLength = 0;  // 0 when the interface has no input reports
    int featureReportLength = 0;
};

struct HidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

// One read of an input report, started by Hid::StartRead.
class PendingRead {
  public:
    virtual ~PendingRead() = default;

    // Blocks until the read ends: a report arrived, the read was cancelled, its
    // handle was closed or the device went away. Returns the bytes transferred,
    // 0 when none. The system may write into the buffer until this returns, so
    // call it before destroying the read or freeing the buffer.
    virtual int Wait() = 0;
};

class Hid {
  public:
    virtual ~Hid() = default;

    // The device paths of the HID interfaces present now, in the system's
    // order. An interface whose path cannot be had is left out.
    virtual std::vector<std::u16string> ListInterfaces() = 0;

    // Opens an interface for reading and writing, shared with other openers,
    // for overlapped reads. kInvalidHidHandle when the system refuses.
    virtual HidHandle Open(std::u16string_view path) = 0;
    virtual void Close(HidHandle handle) = 0;

    // No value when the interface's description cannot be read (for one, the
    // device has gone).
    virtual std::optional<HidCapabilities> Capabilities(HidHandle handle) = 0;
    virtual std::optional<HidAttributes> Attributes(HidHandle handle) = 0;

    // Feature reports of `length` bytes. For GetFeature the caller sets byte 0
    // to the report identifier and receives the report in the same buffer.
    // False when the device refuses or has gone.
    virtual bool SetFeature(HidHandle handle, const std::uint8_t* report, int length) = 0;
    virtual bool GetFeature(HidHandle handle, std::uint8_t* report, int length) = 0;

    // Starts reading one input report of up to `length` bytes into `buffer`,
    // which must stay valid until the read has ended (PendingRead::Wait). Null
    // when the read failed at once: a stale handle, the device gone, or no
    // system resources for it.
    virtual std::unique_ptr<PendingRead> StartRead(HidHandle handle, std::uint8_t* buffer,
                                                   int length) = 0;

    // Ends the reads pending on this handle, which then transfer nothing.
    // Returns at once, without waiting for them.
    virtual void CancelReads(HidHandle handle) = 0;

    // Registers the window for arrivals and removals of HID interfaces
    // (WM_DEVICECHANGE). The registration, or 0 when the system refuses.
    virtual std::uintptr_t RegisterNotifications(WindowHandle window) = 0;
};

}  // namespace platform
