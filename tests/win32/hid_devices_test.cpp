// The real HID backend under Wine, where no mouse of ours is attached.

#include "platform/win32/hid_devices.h"

#include <gmock/gmock.h>
#include <windows.h>

#include <winternl.h>

#include <chrono>
#include <thread>

#include "device/hid_device_link.h"
#include "platform/portable/desktop.h"
#include "platform/portable/manual_clock.h"
#include "platform/portable/recorded_debug_output.h"

using platform::kInvalidHidHandle;
using ::testing::IsEmpty;

namespace {

// One entry of the system's handle table (SystemHandleInformation).
struct HandleEntry {
    ULONG ownerProcess;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};

// The handles this process holds, from the system's handle table: Wine's
// GetProcessHandleCount always reports 0.
int OpenHandles() {
    constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
    std::vector<ULONG_PTR> table(1 << 18);
    ULONG length = 0;
    if (NtQuerySystemInformation(kSystemHandleInformation, table.data(),
                                 static_cast<ULONG>(table.size() * sizeof(ULONG_PTR)),
                                 &length) != 0) {
        return -1;
    }
    const ULONG count = *reinterpret_cast<const ULONG*>(table.data());
    const auto* entries = reinterpret_cast<const HandleEntry*>(table.data() + 1);
    int mine = 0;
    for (ULONG index = 0; index < count; ++index) {
        mine += entries[index].ownerProcess == GetCurrentProcessId() ? 1 : 0;
    }
    return mine;
}

class HidDevicesTest : public ::testing::Test {
  protected:
    // A message-only window: it needs no display.
    HidDevicesTest()
        : window_(CreateWindowExW(0, L"STATIC", L"hid test", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr)) {}
    ~HidDevicesTest() override { DestroyWindow(window_); }

    platform::win32::HidDevices hid_;
    platform::portable::Desktop desktop_;
    platform::portable::RecordedDebugOutput debug_;
    platform::portable::ManualClock clock_;
    HWND window_;
};

TEST_F(HidDevicesTest, EnumeratesAndDescribesWhatTheSystemLists) {
    const std::vector<std::u16string> paths = hid_.ListInterfaces();
    std::printf("HID interfaces listed: %zu\n", paths.size());
    for (const std::u16string& path : paths) {
        EXPECT_FALSE(path.empty());
        const platform::HidHandle handle = hid_.Open(path);
        if (handle == kInvalidHidHandle) continue;
        const auto capabilities = hid_.Capabilities(handle);
        const auto attributes = hid_.Attributes(handle);
        ASSERT_TRUE(capabilities && attributes);
        std::printf("  vendor %04x product %04x: input %d, feature %d bytes\n",
                    attributes->vendorId, attributes->productId, capabilities->inputReportLength,
                    capabilities->featureReportLength);
        hid_.Close(handle);
    }
}

// A read that nothing answers ends without data when it is cancelled, or when
// it is dropped unanswered.
TEST_F(HidDevicesTest, PendingReadEndsWhenCancelled) {
    const int before = OpenHandles();
    for (const std::u16string& path : hid_.ListInterfaces()) {
        const platform::HidHandle handle = hid_.Open(path);
        if (handle == kInvalidHidHandle) continue;
        const auto capabilities = hid_.Capabilities(handle);
        if (capabilities && capabilities->inputReportLength > 0) {
            std::vector<std::uint8_t> buffer(capabilities->inputReportLength);
            auto read = hid_.StartRead(handle, buffer.data(), capabilities->inputReportLength);
            ASSERT_NE(read, nullptr);
            hid_.CancelReads(handle);
            EXPECT_EQ(read->Wait(), 0);
            read = hid_.StartRead(handle, buffer.data(), capabilities->inputReportLength);
            read.reset();
        }
        hid_.Close(handle);
    }
    EXPECT_EQ(OpenHandles(), before);
}

// The first round also loads what the system keeps open for later calls
// (SetupAPI, the notification service); later rounds must hold no more.
TEST_F(HidDevicesTest, LinkFindsNoMouseAndLeaksNoHandle) {
    ASSERT_NE(window_, nullptr);
    std::vector<int> handlesAfterRound;
    for (int round = 0; round < 3; ++round) {
        auto link = std::make_unique<HidDeviceLink>(hid_, desktop_, debug_, clock_);
        link->vendorId = 0x1B80;
        link->productId = 0xB412;
        std::uintptr_t notification = 0;
        EXPECT_EQ(link->Start(reinterpret_cast<platform::WindowHandle>(window_), notification), 1);
        EXPECT_NE(notification, 0u);
        for (const int length : {8, 40, 2049}) {
            EXPECT_EQ(link->Open(length), 0);
            EXPECT_EQ(link->FeatureHandle(), kInvalidHidHandle);
            EXPECT_EQ(link->InputHandle(), kInvalidHidHandle);
        }
        std::uint8_t report[8] = {6, 0x5A};
        EXPECT_EQ(link->SetFeature(report, 8), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        link.reset();
        handlesAfterRound.push_back(OpenHandles());
    }
    std::printf("handles after each round: %d %d %d\n", handlesAfterRound[0], handlesAfterRound[1],
                handlesAfterRound[2]);
    EXPECT_GT(handlesAfterRound[0], 0);
    EXPECT_EQ(handlesAfterRound[1], handlesAfterRound[0]);
    EXPECT_EQ(handlesAfterRound[2], handlesAfterRound[0]);
    EXPECT_THAT(clock_.Sleeps(), IsEmpty());  // the listener never made a pass
    EXPECT_THAT(debug_.Lines(), IsEmpty());
}

}  // namespace
