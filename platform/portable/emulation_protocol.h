#pragma once
// How the emulated agent's mouse is controlled from another program: a
// hidden window of the emulated agent, reached by title, takes WM_COPYDATA
// whose dwData names the control. A dump is answered with WM_COPYDATA (UTF-8
// text, one line per report) to the window passed as wParam.

#include <cstdint>
#include <string_view>

namespace emulation {

inline constexpr std::u16string_view kControlWindowTitle = u"GamingMouseHid emulated mouse";

enum class Control : std::uintptr_t {
    kPlug = 1,
    kUnplug = 2,
    kPressDpiButton = 3,
    kRefuse = 4,  // payload: the count as a 32-bit integer
    kDump = 5,    // wParam: the window that receives the text
};

// The dwData of the answer to a dump.
inline constexpr std::uintptr_t kDumpText = 0x4455;

}  // namespace emulation
