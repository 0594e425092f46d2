#include "platform/win32/session_parameters.h"

#include <windows.h>

#include <climits>  // WHEEL_PAGESCROLL is UINT_MAX, and the header does not include it

namespace platform::win32 {

static_assert(kUpdateProfile == SPIF_UPDATEINIFILE && kSendChange == SPIF_SENDCHANGE);
static_assert(kWheelPageScroll == WHEEL_PAGESCROLL);

bool SessionParameters::SetDoubleClickTime(std::uint32_t milliseconds) {
    return ::SetDoubleClickTime(milliseconds) != FALSE;
}

bool SessionParameters::SetMouseAcceleration(const MouseAcceleration& values,
                                             std::uint32_t update) {
    int array[3] = {values.firstThreshold, values.secondThreshold, values.acceleration};
    return SystemParametersInfoW(SPI_SETMOUSE, 0, array, update) != FALSE;
}

bool SessionParameters::SetMouseSpeed(std::int32_t speed, std::uint32_t update) {
    // The speed travels as the pointer parameter's value, not through it.
    void* value = reinterpret_cast<void*>(static_cast<std::intptr_t>(speed));
    return SystemParametersInfoW(SPI_SETMOUSESPEED, 0, value, update) != FALSE;
}

bool SessionParameters::SetWheelScrollLines(std::uint32_t lines, std::uint32_t update) {
    return SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, lines, nullptr, update) != FALSE;
}

std::uint32_t SessionParameters::DoubleClickTime() { return GetDoubleClickTime(); }

std::uint32_t SessionParameters::WheelScrollLines() {
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return lines;
}

}  // namespace platform::win32
