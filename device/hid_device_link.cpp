#include "device/hid_device_link.h"

#include <cstdio>
#include <system_error>
#include <utility>

#include "shell/messages.h"

namespace {

using platform::HidHandle;
using platform::kInvalidHidHandle;

// Identifiers the mouse is also sold under, accepted besides vendorId and productId.
constexpr std::int32_t kFixedVendorId = 0x3938;
constexpr std::int32_t kFixedProductId = 0x1101;

// The first Open looks for 100-byte feature reports, which the mouse does not
// have; it is there to take the input handle before the listener starts.
constexpr int kStartFeatureLength = 100;

}  // namespace

HidDeviceLink::HidDeviceLink(platform::Hid& hid, platform::Desktop& desktop,
                             platform::DebugOutput& debug, platform::Clock& clock)
    : hid_(hid), desktop_(desktop), debug_(debug), clock_(clock), inputSlot_(hid) {}

HidDeviceLink::~HidDeviceLink() {
    if (listener_.joinable()) {
        inputSlot_.Stop();
        listener_.join();
    }
    CloseBoth();
}

int HidDeviceLink::Start(platform::WindowHandle window, std::uintptr_t& notification) {
    notifyWindow_ = window;
    Open(kStartFeatureLength);
    if (!listener_.joinable()) {
        try {
            listener_ = std::thread(InputListenerThread, std::ref(*this));
        } catch (const std::system_error&) {
            // Without the thread the agent runs on, only without DPI-stage reports.
        }
    }
    notification = hid_.RegisterNotifications(window);
    return notification != 0 ? 1 : 0;
}

int HidDeviceLink::Open(int length) {
    CloseBoth();
    Handles taken;
    for (const std::u16string& path : hid_.ListInterfaces()) {
        const HidHandle handle = hid_.Open(path);
        if (handle == kInvalidHidHandle) continue;
        const auto capabilities = hid_.Capabilities(handle);
        const auto attributes = capabilities ? hid_.Attributes(handle) : std::nullopt;
        if (!attributes || !BelongsToMouse(*attributes)) {
            hid_.Close(handle);
            continue;
        }
        Assign(handle, *capabilities, length, taken);
    }
    featureHandle_ = taken.feature;
    inputSlot_.Put(taken.input);
    return IsOpen() ? 1 : 0;
}

bool HidDeviceLink::BelongsToMouse(const platform::HidAttributes& attributes) const {
    const bool vendor = attributes.vendorId == kFixedVendorId || attributes.vendorId == vendorId;
    const bool product =
        attributes.productId == kFixedProductId || attributes.productId == productId;
    return vendor && product;
}

// The last qualifying interface takes a role; the handle it displaces is
// closed unless it still serves the other role.
void HidDeviceLink::Assign(HidHandle handle, const platform::HidCapabilities& capabilities,
                           int length, Handles& taken) {
    const bool feature = capabilities.featureReportLength == length;
    const bool input = capabilities.inputReportLength == inputReportLength_;
    if (feature) CloseUnlessHeldBy(std::exchange(taken.feature, handle), taken.input);
    if (input) CloseUnlessHeldBy(std::exchange(taken.input, handle), taken.feature);
    if (!feature && !input) hid_.Close(handle);
}

void HidDeviceLink::CloseUnlessHeldBy(HidHandle handle, HidHandle other) {
    if (handle != kInvalidHidHandle && handle != other) hid_.Close(handle);
}

void HidDeviceLink::CloseBoth() {
    const HidHandle feature = std::exchange(featureHandle_, kInvalidHidHandle);
    const HidHandle input = inputSlot_.Take();
    CloseUnlessHeldBy(feature, input);
    CloseUnlessHeldBy(input, kInvalidHidHandle);
}

bool HidDeviceLink::IsOpen() const { return featureHandle_ != kInvalidHidHandle; }

int HidDeviceLink::SetFeature(const std::uint8_t* report, int length) {
    return IsOpen() && hid_.SetFeature(featureHandle_, report, length) ? 1 : 0;
}

int HidDeviceLink::GetFeature(std::uint8_t* report, int length) {
    return IsOpen() && hid_.GetFeature(featureHandle_, report, length) ? 1 : 0;
}

void HidDeviceLink::Close() {
    CloseUnlessHeldBy(std::exchange(featureHandle_, kInvalidHidHandle), inputSlot_.Current());
}

void HidDeviceLink::OnInputReport(const std::uint8_t* bytes, int length) {
    char line[64];
    const int size = std::snprintf(
        line, sizeof line, "%d: %02x %02x %02x %02x %02x %02x %02x %02x\n", length, bytes[0],
        bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7]);
    debug_.Write(std::u16string(line, line + size));
    if (bytes[0] == 2 && bytes[1] == 0 && bytes[3] == 0 && bytes[2] != 0) {
        desktop_.Post(notifyWindow_, WM_DEVICE_DPI_STAGE, bytes[2], 0);
    }
}
