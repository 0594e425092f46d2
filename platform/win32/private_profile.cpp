#include "platform/win32/private_profile.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/win32/text.h"

namespace platform::win32 {
namespace {

// The system counts sizes in 32 bits; larger requests are cut.
UINT SizeArgument(std::size_t size) {
    return static_cast<UINT>(std::min<std::size_t>(size, std::numeric_limits<UINT>::max()));
}

}  // namespace

std::int32_t SystemPrivateProfile::GetInt(std::u16string_view path, std::u16string_view section,
                                          std::u16string_view key, std::int32_t defaultValue) {
    return static_cast<std::int32_t>(GetPrivateProfileIntW(Wide(section).c_str(), Wide(key).c_str(),
                                                           defaultValue, Wide(path).c_str()));
}

std::u16string SystemPrivateProfile::GetString(std::u16string_view path,
                                               std::u16string_view section, std::u16string_view key,
                                               std::u16string_view defaultValue,
                                               std::size_t capacity) {
    if (capacity == 0) return {};
    std::vector<wchar_t> buffer(capacity, L'\0');
    const DWORD copied = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(),
                                                  Wide(defaultValue).c_str(), buffer.data(),
                                                  SizeArgument(capacity), Wide(path).c_str());
    return Utf16({buffer.data(), std::min<std::size_t>(copied, capacity - 1)});
}

bool SystemPrivateProfile::GetStruct(std::u16string_view path, std::u16string_view section,
                                     std::u16string_view key, std::span<std::uint8_t> destination) {
    return GetPrivateProfileStructW(Wide(section).c_str(), Wide(key).c_str(), destination.data(),
                                    SizeArgument(destination.size()), Wide(path).c_str()) != FALSE;
}

bool SystemPrivateProfile::WriteString(std::u16string_view path, std::u16string_view section,
                                       std::u16string_view key, std::u16string_view value) {
    return WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                      Wide(path).c_str()) != FALSE;
}

bool SystemPrivateProfile::WriteStruct(std::u16string_view path, std::u16string_view section,
                                       std::u16string_view key,
                                       std::span<const std::uint8_t> source) {
    // The system reads the source only; its declaration lacks the const.
    std::vector<std::uint8_t> bytes(source.begin(), source.end());
    return WritePrivateProfileStructW(Wide(section).c_str(), Wide(key).c_str(), bytes.data(),
                                      SizeArgument(bytes.size()), Wide(path).c_str()) != FALSE;
}

}  // namespace platform::win32
