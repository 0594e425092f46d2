#include "device/input_listener.h"

#include <algorithm>
#include <array>
#include <utility>

#include "device/hid_device_link.h"

namespace {

// The pause after each pass that read, which bounds the passes to about a
// hundred a second whatever the reads do.
constexpr std::uint32_t kPassPauseMs = 10;

}  // namespace

platform::HidHandle InputHandleSlot::Current() const {
    std::lock_guard lock(mutex_);
    return handle_;
}

platform::HidHandle InputHandleSlot::Take() {
    std::unique_lock lock(mutex_);
    const platform::HidHandle taken = std::exchange(handle_, platform::kInvalidHidHandle);
    refused_ = false;
    if (reading_) hid_.CancelReads(taken);
    changed_.wait(lock, [this] { return !reading_; });
    return taken;
}

void InputHandleSlot::Put(platform::HidHandle handle) {
    std::lock_guard lock(mutex_);
    handle_ = handle;
    refused_ = false;
    changed_.notify_all();
}

void InputHandleSlot::Stop() {
    std::lock_guard lock(mutex_);
    stop_ = true;
    if (reading_) hid_.CancelReads(handle_);
    changed_.notify_all();
}

bool InputHandleSlot::WorthReading() const {
    return handle_ != platform::kInvalidHidHandle && !refused_;
}

// The read starts under the lock, so that a Take or Stop that comes after
// it finds reading_ set and ends the read.
bool InputHandleSlot::StartRead(std::uint8_t* buffer, int length,
                                std::unique_ptr<platform::PendingRead>& read) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return stop_ || WorthReading(); });
    if (stop_) return false;
    read = hid_.StartRead(handle_, buffer, length);
    refused_ = read == nullptr;
    reading_ = read != nullptr;
    return true;
}

int InputHandleSlot::FinishRead(std::unique_ptr<platform::PendingRead> read) {
    const int bytes = read->Wait();
    read.reset();
    std::lock_guard lock(mutex_);
    reading_ = false;
    changed_.notify_all();
    return bytes;
}

void InputListenerThread(HidDeviceLink& link) {
    std::uint8_t* const buffer = link.inputBuffer_.data();
    std::unique_ptr<platform::PendingRead> read;
    while (link.inputSlot_.StartRead(buffer, link.inputReportLength_, read)) {
        if (read != nullptr && link.inputSlot_.FinishRead(std::move(read)) > 0) {
            // A short read leaves the previous report's bytes in the buffer.
            std::array<std::uint8_t, HidDeviceLink::kInputBufferSize> copy{};
            std::copy_n(buffer, link.inputReportLength_, copy.begin());
            link.OnInputReport(copy.data(), link.inputReportLength_);
        }
        link.clock_.Sleep(kPassPauseMs);
    }
}
