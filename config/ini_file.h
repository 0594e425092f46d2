#pragma once
// One private-profile file and typed reads and writes of one key each, every
// call forwarded to the platform on the full path; nothing is cached. An empty
// path (the agent could not name its file) skips every call: reads give the
// default or fail, writes fail.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/private_profile.h"

class IniFile {
  public:
    // Texts are read through a buffer of this many characters, terminator included.
    static constexpr std::size_t kStringBuffer = 4096;

    IniFile(platform::PrivateProfile& profiles, std::u16string_view path)
        : profiles_(profiles), path_(path) {}

    void SetPath(std::u16string_view path) { path_ = path; }

    std::int32_t GetInt(std::u16string_view section, std::u16string_view key,
                        std::int32_t defaultValue) const;
    std::u16string GetString(std::u16string_view section, std::u16string_view key,
                             std::u16string_view defaultValue) const;
    bool GetStruct(std::u16string_view section, std::u16string_view key,
                   std::span<std::uint8_t> destination) const;

    bool WriteInt(std::u16string_view section, std::u16string_view key, std::int32_t value) const;
    bool WriteString(std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) const;
    bool WriteStruct(std::u16string_view section, std::u16string_view key,
                     std::span<const std::uint8_t> source) const;

  private:
    platform::PrivateProfile& profiles_;
    std::u16string path_;
};

// An integer as "%d" prints it.
std::u16string DecimalText(std::int32_t value);
