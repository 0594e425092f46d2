#pragma once
// A link to the emulated mouse, as the agent window sets it up, and waits for
// what the listener thread does.

#include <gmock/gmock.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "device/hid_device_link.h"
#include "platform/portable/desktop.h"
#include "platform/portable/emulated_mouse.h"
#include "platform/portable/manual_clock.h"
#include "platform/portable/recorded_debug_output.h"

// True once `condition` holds; false when it still does not after 5 s.
inline bool Eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class LinkTest : public ::testing::Test {
  protected:
    explicit LinkTest(platform::portable::HidDeviceDescription mouse =
                          platform::portable::GamingMouseDescription())
        : mouse_(desktop_, std::move(mouse)) {}

    HidDeviceLink& Link() {
        if (!link_) {
            link_ = std::make_unique<HidDeviceLink>(mouse_, desktop_, debug_, clock_);
            link_->vendorId = 0x1B80;
            link_->productId = 0xB412;
        }
        return *link_;
    }

    void DestroyLink() { link_.reset(); }

    // Once the link is gone, nothing of it may remain open, pending or misused.
    void TearDown() override {
        DestroyLink();
        EXPECT_EQ(mouse_.OpenHandleCount(), 0);
        EXPECT_EQ(mouse_.PendingReadCount(), 0);
        EXPECT_THAT(mouse_.Misuses(), ::testing::IsEmpty());
    }

    int Start() {
        std::uintptr_t notification = 0;
        return Link().Start(window_, notification);
    }

    std::optional<platform::portable::EmulatedMouse::Target> TargetOf(platform::HidHandle handle) {
        return mouse_.TargetOf(handle);
    }

    platform::portable::Desktop desktop_;
    platform::portable::RecordedDebugOutput debug_;
    platform::portable::ManualClock clock_;
    platform::portable::EmulatedMouse mouse_;
    const platform::WindowHandle window_ = desktop_.AddPeerWindow(u"GamingMouseHid_kavrim");
    std::unique_ptr<HidDeviceLink> link_;
};
