#pragma once
// The private-profile port on the system's own functions, one call each.

#include "platform/private_profile.h"

namespace platform::win32 {

class SystemPrivateProfile final : public PrivateProfile {
  public:
    std::int32_t GetInt(std::u16string_view path, std::u16string_view section,
                        std::u16string_view key, std::int32_t defaultValue) override;
    std::u16string GetString(std::u16string_view path, std::u16string_view section,
                             std::u16string_view key, std::u16string_view defaultValue,
                             std::size_t capacity) override;
    bool GetStruct(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                   std::span<std::uint8_t> destination) override;
    bool WriteString(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    bool WriteStruct(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                     std::span<const std::uint8_t> source) override;
};

}  // namespace platform::win32
