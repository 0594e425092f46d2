// The idle cost of the link where no mouse is attached: runs it for the given
// number of seconds (default 10) on the real backend and prints the
// listener's passes and the CPU time of the process meanwhile. Fails when the
// listener woke up at all.

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "device/hid_device_link.h"
#include "platform/portable/desktop.h"
#include "platform/portable/recorded_debug_output.h"
#include "platform/win32/hid_devices.h"
#include "platform/win32/system_services.h"

namespace {

// The system clock, counting the sleeps that end the listener's passes.
class CountingClock final : public platform::Clock {
  public:
    std::uint32_t TickCount() override { return clock_.TickCount(); }
    void Sleep(std::uint32_t milliseconds) override {
        ++sleeps_;
        clock_.Sleep(milliseconds);
    }
    int Sleeps() const { return sleeps_; }

  private:
    platform::win32::SystemClock clock_;
    std::atomic<int> sleeps_ = 0;
};

// User and kernel time of this process so far, in milliseconds.
double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    HWND window = CreateWindowExW(0, L"STATIC", L"idle link", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    platform::win32::HidDevices hid;
    platform::portable::Desktop desktop;
    platform::portable::RecordedDebugOutput debug;
    CountingClock clock;
    HidDeviceLink link(hid, desktop, debug, clock);
    link.vendorId = 0x1B80;
    link.productId = 0xB412;
    std::uintptr_t notification = 0;
    link.Start(reinterpret_cast<platform::WindowHandle>(window), notification);

    const double before = ProcessCpuMs();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double used = ProcessCpuMs() - before;
    std::printf("no mouse, %d s idle: %d listener passes, %.1f ms CPU\n", seconds, clock.Sleeps(),
                used);
    return clock.Sleeps() == 0 ? 0 : 1;
}
