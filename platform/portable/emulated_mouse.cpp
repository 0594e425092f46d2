#include "platform/portable/emulated_mouse.h"

#include <algorithm>
#include <cstdio>

#include "platform/window_messages.h"

namespace platform::portable {

namespace {

constexpr HidHandle kHandleStep = 4;            // the system's handle values are multiples of 4
constexpr std::size_t kQueuedReportLimit = 32;  // the class driver's default input buffer
// The system sends arrivals and removals (0x8000, 0x8004) with a pointer in
// lParam, and so refuses to post them; an emulation can only post the change
// without data, DBT_DEVNODES_CHANGED, which the system broadcasts as well.
constexpr WParam kDeviceNodesChanged = 0x0007;

std::u16string PathOf(const HidDeviceDescription& device, int number, int collection) {
    char text[120];
    std::snprintf(text, sizeof text,
                  "\\\\?\\hid#vid_%04x&pid_%04x&col%02d#emulated&%d#"
                  "{4d1e55b2-f16f-11cf-88cb-001111000030}",
                  device.vendorId, device.productId, collection + 1, number);
    return {text, text + std::char_traits<char>::length(text)};
}

}  // namespace

// A read in flight, as the listener holds it.
class EmulatedMouse::Reading final : public PendingRead {
  public:
    Reading(EmulatedMouse& owner, std::shared_ptr<Read> read)
        : owner_(owner), read_(std::move(read)) {}
    ~Reading() override { owner_.Abandon(read_); }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

    int Wait() override { return owner_.WaitFor(read_); }

  private:
    EmulatedMouse& owner_;
    std::shared_ptr<Read> read_;
};

EmulatedMouse::EmulatedMouse(platform::Desktop& desktop, HidDeviceDescription mouse,
                             const MouseReports& reports, Trace* trace)
    : desktop_(desktop), devices_{{std::move(mouse), true}}, firmware_(reports), trace_(trace) {}

int EmulatedMouse::AddDevice(HidDeviceDescription description) {
    std::lock_guard lock(mutex_);
    devices_.push_back({std::move(description), false});
    const int device = static_cast<int>(devices_.size()) - 1;
    SetPlugged(device, true);
    return device;
}

void EmulatedMouse::Plug(int device) {
    std::lock_guard lock(mutex_);
    SetPlugged(device, true);
}

void EmulatedMouse::Unplug(int device) {
    std::lock_guard lock(mutex_);
    SetPlugged(device, false);
}

// Called locked. Posting never waits for the window, so it may happen here.
void EmulatedMouse::SetPlugged(int device, bool plugged) {
    Device& changed = devices_.at(static_cast<std::size_t>(device));
    if (changed.plugged == plugged) return;
    changed.plugged = plugged;
    if (!plugged) {
        for (auto& [handle, open] : handles_) {
            if (open.target.device != device) continue;
            open.stale = true;
            open.queued.clear();
            EndAll(open);
        }
    }
    for (const WindowHandle window : notified_) {
        desktop_.Post(window, kMsgDeviceChange, kDeviceNodesChanged, 0);
    }
}

void EmulatedMouse::PressDpiButton() {
    std::lock_guard lock(mutex_);
    if (devices_[kMouse].plugged) {
        const auto report = firmware_.PressDpiButton();
        Deliver({report.begin(), report.end()}, kMouse);
    }
}

void EmulatedMouse::SendInputReport(const std::vector<std::uint8_t>& report, int device) {
    std::lock_guard lock(mutex_);
    if (devices_.at(static_cast<std::size_t>(device)).plugged) Deliver(report, device);
}

// Every open handle on a collection of the device with this input length
// receives its own copy: a pending read takes it at once, otherwise it waits
// in the queue.
void EmulatedMouse::Deliver(const std::vector<std::uint8_t>& report, int device) {
    for (auto& [handle, open] : handles_) {
        if (open.target.device != device || open.stale) continue;
        if (CollectionOf(open.target).inputReportLength != static_cast<int>(report.size())) {
            continue;
        }
        if (!open.pending.empty()) {
            Fill(*open.pending.front(), report);
            open.pending.pop_front();
        } else {
            open.queued.push_back(report);
            if (open.queued.size() > kQueuedReportLimit) open.queued.pop_front();
        }
    }
}

void EmulatedMouse::Fill(Read& read, const std::vector<std::uint8_t>& report) {
    int bytes = std::min(read.length, static_cast<int>(report.size()));
    if (shortReads_ > 0) bytes = std::min(bytes, shortReads_);
    std::copy_n(report.begin(), bytes, read.buffer);
    End(read, bytes);
}

void EmulatedMouse::End(Read& read, int bytes) {
    read.ended = true;
    read.bytes = bytes;
    readEnded_.notify_all();
}

void EmulatedMouse::EndAll(OpenInterface& open) {
    for (const auto& read : open.pending) End(*read, 0);
    open.pending.clear();
}

std::vector<std::uint8_t> EmulatedMouse::Report(std::uint8_t id) const {
    std::lock_guard lock(mutex_);
    return firmware_.Report(id);
}

bool EmulatedMouse::ReportReceived(std::uint8_t id) const {
    std::lock_guard lock(mutex_);
    return firmware_.Received(id);
}

void EmulatedMouse::RefuseNextSets(int count) {
    std::lock_guard lock(mutex_);
    refuseSets_ = count;
}

void EmulatedMouse::RefuseNextGets(int count) {
    std::lock_guard lock(mutex_);
    refuseGets_ = count;
}

void EmulatedMouse::FailNextOpens(int count) {
    std::lock_guard lock(mutex_);
    failOpens_ = count;
}

void EmulatedMouse::ShortenReadsTo(int bytes) {
    std::lock_guard lock(mutex_);
    shortReads_ = bytes;
}

void EmulatedMouse::UnplugDuringNextTransfer() {
    std::lock_guard lock(mutex_);
    unplugDuringTransfer_ = true;
}

void EmulatedMouse::RefuseNotifications() {
    std::lock_guard lock(mutex_);
    refuseNotifications_ = true;
}

std::optional<EmulatedMouse::Target> EmulatedMouse::TargetOf(HidHandle handle) const {
    std::lock_guard lock(mutex_);
    const auto found = handles_.find(handle);
    if (found == handles_.end()) return std::nullopt;
    return found->second.target;
}

int EmulatedMouse::OpenHandleCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(handles_.size());
}

int EmulatedMouse::PendingReadCount() const {
    std::lock_guard lock(mutex_);
    std::size_t count = 0;
    for (const auto& entry : handles_) count += entry.second.pending.size();
    return static_cast<int>(count);
}

std::vector<std::string> EmulatedMouse::Misuses() const {
    std::lock_guard lock(mutex_);
    return misuses_;
}

std::vector<std::u16string> EmulatedMouse::ListInterfaces() {
    std::lock_guard lock(mutex_);
    std::vector<std::u16string> paths;
    for (std::size_t device = 0; device < devices_.size(); ++device) {
        const Device& listed = devices_[device];
        if (!listed.plugged) continue;
        for (std::size_t collection = 0; collection < listed.description.collections.size();
             ++collection) {
            paths.push_back(
                PathOf(listed.description, static_cast<int>(device), static_cast<int>(collection)));
        }
    }
    return paths;
}

HidHandle EmulatedMouse::Open(std::u16string_view path) {
    std::lock_guard lock(mutex_);
    if (failOpens_ > 0) {
        --failOpens_;
        return kInvalidHidHandle;
    }
    for (std::size_t device = 0; device < devices_.size(); ++device) {
        const Device& listed = devices_[device];
        const auto& collections = listed.description.collections;
        for (std::size_t collection = 0; collection < collections.size(); ++collection) {
            const Target target{static_cast<int>(device), static_cast<int>(collection)};
            if (!listed.plugged || collections[collection].heldBySystem ||
                PathOf(listed.description, target.device, target.collection) != path) {
                continue;
            }
            HidHandle handle = kHandleStep;
            while (handles_.contains(handle)) handle += kHandleStep;
            handles_[handle].target = target;
            return handle;
        }
    }
    return kInvalidHidHandle;
}

void EmulatedMouse::Close(HidHandle handle) {
    std::lock_guard lock(mutex_);
    OpenInterface* open = Find(handle, "Close");
    if (open == nullptr) return;
    if (!open->inFlight.empty()) misuses_.push_back("Close with a read in flight");
    EndAll(*open);
    handles_.erase(handle);
}

std::optional<HidCapabilities> EmulatedMouse::Capabilities(HidHandle handle) {
    std::lock_guard lock(mutex_);
    const OpenInterface* open = Find(handle, "Capabilities");
    if (open == nullptr || open->stale) return std::nullopt;
    const HidCollectionDescription& collection = CollectionOf(open->target);
    return HidCapabilities{collection.inputReportLength, collection.featureReportLength};
}

std::optional<HidAttributes> EmulatedMouse::Attributes(HidHandle handle) {
    std::lock_guard lock(mutex_);
    const OpenInterface* open = Find(handle, "Attributes");
    if (open == nullptr || open->stale) return std::nullopt;
    const HidDeviceDescription& device =
        devices_[static_cast<std::size_t>(open->target.device)].description;
    return HidAttributes{device.vendorId, device.productId};
}

bool EmulatedMouse::SetFeature(HidHandle handle, const std::uint8_t* report, int length) {
    if (trace_) trace_->Record("hid: set feature " + std::to_string(report[0]));
    std::lock_guard lock(mutex_);
    return Transfer(handle, length, refuseSets_, "SetFeature") != nullptr &&
           firmware_.SetFeature(report, length);
}

bool EmulatedMouse::GetFeature(HidHandle handle, std::uint8_t* report, int length) {
    if (trace_) trace_->Record("hid: get feature " + std::to_string(report[0]));
    std::lock_guard lock(mutex_);
    return Transfer(handle, length, refuseGets_, "GetFeature") != nullptr &&
           firmware_.GetFeature(report, length);
}

// Called locked. The handle's interface when a feature transfer of this
// length may reach the mouse's firmware; null when it fails on the way.
EmulatedMouse::OpenInterface* EmulatedMouse::Transfer(HidHandle handle, int length, int& refusals,
                                                      const char* call) {
    OpenInterface* open = Find(handle, call);
    if (open == nullptr || open->stale || open->target.device != kMouse) return nullptr;
    if (unplugDuringTransfer_) {
        unplugDuringTransfer_ = false;
        SetPlugged(kMouse, false);
        return nullptr;
    }
    if (refusals > 0) {
        --refusals;
        return nullptr;
    }
    return CollectionOf(open->target).featureReportLength == length ? open : nullptr;
}

std::unique_ptr<PendingRead> EmulatedMouse::StartRead(HidHandle handle, std::uint8_t* buffer,
                                                      int length) {
    std::lock_guard lock(mutex_);
    OpenInterface* open = Find(handle, "StartRead");
    if (open == nullptr || open->stale || CollectionOf(open->target).inputReportLength == 0) {
        return nullptr;
    }
    auto read = std::make_shared<Read>(Read{handle, buffer, length});
    open->inFlight.push_back(read);
    if (open->queued.empty()) {
        open->pending.push_back(read);
    } else {
        Fill(*read, open->queued.front());
        open->queued.pop_front();
    }
    return std::make_unique<Reading>(*this, std::move(read));
}

void EmulatedMouse::CancelReads(HidHandle handle) {
    std::lock_guard lock(mutex_);
    if (OpenInterface* open = Find(handle, "CancelReads")) EndAll(*open);
}

std::uintptr_t EmulatedMouse::RegisterNotifications(WindowHandle window) {
    if (trace_) trace_->Record("hid: register notifications");
    std::lock_guard lock(mutex_);
    if (refuseNotifications_) return 0;
    notified_.push_back(window);
    return notified_.size();
}

int EmulatedMouse::WaitFor(const std::shared_ptr<Read>& read) {
    std::unique_lock lock(mutex_);
    readEnded_.wait(lock, [&read] { return read->ended; });
    Collect(read);
    return read->bytes;
}

void EmulatedMouse::Abandon(const std::shared_ptr<Read>& read) {
    std::lock_guard lock(mutex_);
    if (!read->ended) misuses_.push_back("read destroyed while pending");
    Collect(read);
}

// Called locked: the reader is done with the read.
void EmulatedMouse::Collect(const std::shared_ptr<Read>& read) {
    const auto found = handles_.find(read->handle);
    if (found == handles_.end()) return;
    std::erase(found->second.pending, read);
    std::erase(found->second.inFlight, read);
}

// Called locked. A handle value that is not open is a misuse by the caller.
EmulatedMouse::OpenInterface* EmulatedMouse::Find(HidHandle handle, const char* call) {
    const auto found = handles_.find(handle);
    if (found != handles_.end()) return &found->second;
    misuses_.push_back(std::string(call) + " on a handle that is not open");
    return nullptr;
}

const HidCollectionDescription& EmulatedMouse::CollectionOf(const Target& target) const {
    return devices_[static_cast<std::size_t>(target.device)]
        .description.collections[static_cast<std::size_t>(target.collection)];
}

}  // namespace platform::portable
