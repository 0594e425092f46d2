#include "config/ini_file.h"

#include <string>

std::u16string DecimalText(std::int32_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

std::int32_t IniFile::GetInt(std::u16string_view section, std::u16string_view key,
                             std::int32_t defaultValue) const {
    if (path_.empty()) return defaultValue;
    return profiles_.GetInt(path_, section, key, defaultValue);
}

std::u16string IniFile::GetString(std::u16string_view section, std::u16string_view key,
                                  std::u16string_view defaultValue) const {
    if (path_.empty()) return std::u16string(defaultValue.substr(0, kStringBuffer - 1));
    return profiles_.GetString(path_, section, key, defaultValue, kStringBuffer);
}

bool IniFile::GetStruct(std::u16string_view section, std::u16string_view key,
                        std::span<std::uint8_t> destination) const {
    return !path_.empty() && profiles_.GetStruct(path_, section, key, destination);
}

bool IniFile::WriteInt(std::u16string_view section, std::u16string_view key,
                       std::int32_t value) const {
    return WriteString(section, key, DecimalText(value));
}

bool IniFile::WriteString(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) const {
    return !path_.empty() && profiles_.WriteString(path_, section, key, value);
}

bool IniFile::WriteStruct(std::u16string_view section, std::u16string_view key,
                          std::span<const std::uint8_t> source) const {
    return !path_.empty() && profiles_.WriteStruct(path_, section, key, source);
}
