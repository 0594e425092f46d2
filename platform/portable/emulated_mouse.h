#pragma once
// The HID devices of an emulated machine: the gaming mouse with its firmware,
// and any other devices a test adds. It stands in for the system's HID class
// driver: enumeration, handles (closed values are reused, as the system
// does), feature reports, overlapped input reads, plugging and unplugging at
// any moment, and faults on request. It records every misuse of a handle so
// that a test can show there was none.

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>

#include "platform/desktop.h"
#include "platform/hid.h"
#include "platform/portable/hid_device_description.h"
#include "platform/portable/mouse_firmware.h"
#include "platform/portable/trace.h"

namespace platform::portable {

class EmulatedMouse final : public Hid {
  public:
    static constexpr int kMouse = 0;  // the device number of the mouse

    // The mouse, plugged in, holding `reports`. Windows registered for
    // notifications are told of every plug and unplug through `desktop`.
    explicit EmulatedMouse(platform::Desktop& desktop,
                           HidDeviceDescription mouse = GamingMouseDescription(),
                           const MouseReports& reports = {}, Trace* trace = nullptr);

    // Plugs in another device, listed after those already known; its number.
    int AddDevice(HidDeviceDescription description);
    void Plug(int device = kMouse);
    void Unplug(int device = kMouse);

    // The mouse's side: the DPI button, any input report of a plugged device
    // (delivered on every open handle of its collections with that input
    // length), and the feature reports 3, 4 and 6 as held now.
    void PressDpiButton();
    void SendInputReport(const std::vector<std::uint8_t>& report, int device = kMouse);
    std::vector<std::uint8_t> Report(std::uint8_t id) const;
    bool ReportReceived(std::uint8_t id) const;

    // Faults of the mouse on request.
    void RefuseNextSets(int count);
    void RefuseNextGets(int count);
    void FailNextOpens(int count);
    void ShortenReadsTo(int bytes);  // 0: whole reports again
    void UnplugDuringNextTransfer();
    void RefuseNotifications();

    // What a test looks at.
    struct Target {
        int device = 0;
        int collection = 0;
        bool operator==(const Target&) const = default;
    };
    std::optional<Target> TargetOf(HidHandle handle) const;
    int OpenHandleCount() const;
    int PendingReadCount() const;
    std::vector<std::string> Misuses() const;

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

  private:
    class Reading;
    struct Read {
        HidHandle handle = kInvalidHidHandle;
        std::uint8_t* buffer = nullptr;
        int length = 0;
        bool ended = false;
        int bytes = 0;
    };
    struct Device {
        HidDeviceDescription description;
        bool plugged = true;
    };
    struct OpenInterface {
        Target target;
        bool stale = false;  // its device went away
        std::deque<std::vector<std::uint8_t>> queued;
        std::deque<std::shared_ptr<Read>> pending;  // waiting for a report
        // Started and not yet waited for: the reader may still be inside the
        // read, even when it has ended, as with the system's asynchronous
        // cancellation. Closing the handle then is a misuse.
        std::vector<std::shared_ptr<Read>> inFlight;
    };

    OpenInterface* Find(HidHandle handle, const char* call);
    const HidCollectionDescription& CollectionOf(const Target& target) const;
    OpenInterface* Transfer(HidHandle handle, int length, int& refusals, const char* call);
    void SetPlugged(int device, bool plugged);
    void Deliver(const std::vector<std::uint8_t>& report, int device);
    void Fill(Read& read, const std::vector<std::uint8_t>& report);
    void End(Read& read, int bytes);
    void EndAll(OpenInterface& open);
    int WaitFor(const std::shared_ptr<Read>& read);
    void Abandon(const std::shared_ptr<Read>& read);
    void Collect(const std::shared_ptr<Read>& read);

    platform::Desktop& desktop_;
    mutable std::mutex mutex_;
    std::condition_variable readEnded_;
    std::vector<Device> devices_;
    MouseFirmware firmware_;
    std::map<HidHandle, OpenInterface> handles_;
    std::vector<WindowHandle> notified_;
    std::vector<std::string> misuses_;
    int refuseSets_ = 0;
    int refuseGets_ = 0;
    int failOpens_ = 0;
    int shortReads_ = 0;
    bool unplugDuringTransfer_ = false;
    bool refuseNotifications_ = false;
    Trace* trace_;
};

}  // namespace platform::portable
