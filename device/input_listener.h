#pragma once
// The input report listener: a thread that reads the 4-byte input reports of
// the mouse through the link's input handle and turns DPI-stage reports into
// WM_DEVICE_DPI_STAGE for the agent window.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/hid.h"

class HidDeviceLink;

// The input handle as the window thread and the listener share it. The window
// thread takes a handle away only after the listener has left the read it had
// pending on it, so the listener never reads through a handle value that was
// closed (the system hands closed values out again). Between changes the
// listener sleeps here: while there is no handle, and after a read that
// failed at once on a stale handle.
class InputHandleSlot {
  public:
    explicit InputHandleSlot(platform::Hid& hid) : hid_(hid) {}

    // Window thread. The handle the slot holds now.
    platform::HidHandle Current() const;
    // Window thread. Empties the slot, ending any read pending on the handle
    // and waiting until the listener has left it; returns it for closing.
    platform::HidHandle Take();
    // Window thread. Puts a handle (or kInvalidHidHandle) into the slot.
    void Put(platform::HidHandle handle);
    // Window thread. The listener ends at its next pass; a pending read ends.
    void Stop();

    // Listener. Waits for a handle worth reading (false: stop requested) and
    // starts a read on it into `buffer`. `read` is null when the read failed
    // at once; that handle is not tried again.
    bool StartRead(std::uint8_t* buffer, int length, std::unique_ptr<platform::PendingRead>& read);
    // Listener. Waits for the started read to end; the bytes it transferred.
    int FinishRead(std::unique_ptr<platform::PendingRead> read);

  private:
    bool WorthReading() const;

    platform::Hid& hid_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    platform::HidHandle handle_ = platform::kInvalidHidHandle;
    bool refused_ = false;  // the last read on handle_ failed at once
    bool reading_ = false;  // a read on handle_ is in flight
    bool stop_ = false;
};

// The listener's thread procedure; returns when the link stops it.
void InputListenerThread(HidDeviceLink& link);
