#pragma once
// UTF-16 text of the platform-neutral code as the wide strings of the Windows
// API: on Windows wchar_t is the same 16-bit unit.

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace platform::win32 {

inline std::wstring Wide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

inline std::u16string Utf16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

}  // namespace platform::win32
