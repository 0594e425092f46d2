#include "platform/win32/hid_devices.h"

// clang-format off
#include "platform/win32/hid_api.h"
#include <dbt.h>
#include <setupapi.h>
// clang-format on

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

HANDLE Device(HidHandle handle) { return reinterpret_cast<HANDLE>(handle); }

GUID HidInterfaceClass() {
    GUID hidGuid{};
    HidD_GetHidGuid(&hidGuid);
    return hidGuid;
}

// The device path of one enumerated interface; no value when its detail
// cannot be had.
std::optional<std::u16string> DevicePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& interface) {
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailW(set, &interface, nullptr, 0, &required, nullptr);
    if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return std::nullopt;
    std::vector<DWORD> storage((required + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);  // the fixed part only
    if (!SetupDiGetDeviceInterfaceDetailW(set, &interface, detail, required, nullptr, nullptr)) {
        return std::nullopt;
    }
    return Utf16(detail->DevicePath);
}

// One overlapped ReadFile with its own event.
class OverlappedRead final : public PendingRead {
  public:
    OverlappedRead(HANDLE device, HANDLE event) : device_(device) { overlapped_.hEvent = event; }
    OverlappedRead(const OverlappedRead&) = delete;
    OverlappedRead& operator=(const OverlappedRead&) = delete;

    // The system writes into the record until the read ends, so it is never
    // freed with the read still pending.
    ~OverlappedRead() override {
        if (pending_) {
            CancelIoEx(device_, &overlapped_);
            Wait();
        }
        CloseHandle(overlapped_.hEvent);
    }

    // False when the read failed at once.
    bool Start(std::uint8_t* buffer, int length) {
        DWORD count = 0;
        if (ReadFile(device_, buffer, static_cast<DWORD>(length), &count, &overlapped_)) {
            bytes_ = static_cast<int>(count);
            return true;
        }
        pending_ = GetLastError() == ERROR_IO_PENDING;
        return pending_;
    }

    // A cancelled or failed read counts as no data.
    int Wait() override {
        if (pending_) {
            WaitForSingleObject(overlapped_.hEvent, INFINITE);
            DWORD count = 0;
            const BOOL read = GetOverlappedResult(device_, &overlapped_, &count, FALSE);
            bytes_ = read ? static_cast<int>(count) : 0;
            pending_ = false;
        }
        return bytes_;
    }

  private:
    HANDLE device_;
    OVERLAPPED overlapped_{};
    bool pending_ = false;
    int bytes_ = 0;
};

}  // namespace

std::vector<std::u16string> HidDevices::ListInterfaces() {
    GUID hidGuid = HidInterfaceClass();
    HDEVINFO set =
        SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return {};
    std::vector<std::u16string> paths;
    SP_DEVICE_INTERFACE_DATA interface {};
    interface.cbSize = sizeof interface;
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &hidGuid, index, &interface);
         ++index) {
        if (auto path = DevicePath(set, interface)) paths.push_back(std::move(*path));
    }
    SetupDiDestroyDeviceInfoList(set);
    return paths;
}

HidHandle HidDevices::Open(std::u16string_view path) {
    HANDLE device = CreateFileW(Wide(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    return device == INVALID_HANDLE_VALUE ? kInvalidHidHandle : reinterpret_cast<HidHandle>(device);
}

void HidDevices::Close(HidHandle handle) { CloseHandle(Device(handle)); }

std::optional<HidCapabilities> HidDevices::Capabilities(HidHandle handle) {
    hid_api::PreparsedData* preparsed = nullptr;
    if (!HidD_GetPreparsedData(Device(handle), &preparsed)) return std::nullopt;
    hid_api::Caps caps{};
    const LONG status = HidP_GetCaps(preparsed, &caps);
    HidD_FreePreparsedData(preparsed);
    if (status != hid_api::kStatusSuccess) return std::nullopt;
    return HidCapabilities{caps.InputReportByteLength, caps.FeatureReportByteLength};
}

std::optional<HidAttributes> HidDevices::Attributes(HidHandle handle) {
    hid_api::Attributes attributes{};
    attributes.Size = sizeof attributes;
    if (!HidD_GetAttributes(Device(handle), &attributes)) return std::nullopt;
    return HidAttributes{attributes.VendorID, attributes.ProductID};
}

bool HidDevices::SetFeature(HidHandle handle, const std::uint8_t* report, int length) {
    // The driver takes the buffer as writable but only reads it.
    return HidD_SetFeature(Device(handle), const_cast<std::uint8_t*>(report),
                           static_cast<ULONG>(length)) != FALSE;
}

bool HidDevices::GetFeature(HidHandle handle, std::uint8_t* report, int length) {
    return HidD_GetFeature(Device(handle), report, static_cast<ULONG>(length)) != FALSE;
}

std::unique_ptr<PendingRead> HidDevices::StartRead(HidHandle handle, std::uint8_t* buffer,
                                                   int length) {
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (event == nullptr) return nullptr;
    auto read = std::make_unique<OverlappedRead>(Device(handle), event);
    if (!read->Start(buffer, length)) return nullptr;
    return read;
}

void HidDevices::CancelReads(HidHandle handle) { CancelIoEx(Device(handle), nullptr); }

std::uintptr_t HidDevices::RegisterNotifications(WindowHandle window) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = HidInterfaceClass();
    return reinterpret_cast<std::uintptr_t>(RegisterDeviceNotificationW(
        reinterpret_cast<HWND>(window), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

}  // namespace platform::win32
