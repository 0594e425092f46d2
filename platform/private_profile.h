#pragma once
// The private-profile (INI) file functions. The configuration program edits
// the same file through the system's own functions, so every backend reads and
// writes exactly what they would. Each call names the file by its full path
// and touches it afresh: nothing is held open and a change made by another
// process is seen at the next call.
//
// Section and key names are compared without regard to case; spaces around
// them are ignored.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platform {

class PrivateProfile {
  public:
    virtual ~PrivateProfile() = default;

    // The key's value read as a decimal integer: leading white space skipped,
    // an optional sign, then digits up to the first other character, wrapping
    // modulo 2^32 ("42A" is 42, "B42" is 0). The default when the file,
    // section or key is missing or the value is empty.
    virtual std::int32_t GetInt(std::u16string_view path, std::u16string_view section,
                                std::u16string_view key, std::int32_t defaultValue) = 0;

    // The key's value without one pair of matching outer quotes, or the
    // default without its trailing spaces when the key is missing; cut to
    // capacity - 1 characters as a buffer of that many characters would hold.
    virtual std::u16string GetString(std::u16string_view path, std::u16string_view section,
                                     std::u16string_view key, std::u16string_view defaultValue,
                                     std::size_t capacity) = 0;

    // Fills destination from a struct value: 2 hexadecimal digits per byte and
    // 2 digits of checksum (the low byte of the sum of the bytes). False when
    // the key is missing or the value has another length or checksum; the
    // destination's content is then not to be used.
    virtual bool GetStruct(std::u16string_view path, std::u16string_view section,
                           std::u16string_view key, std::span<std::uint8_t> destination) = 0;

    // Sets the key's value, adding the key (and its section) when missing. The
    // file is created when missing, its folder never is. False when the file
    // cannot be written.
    virtual bool WriteString(std::u16string_view path, std::u16string_view section,
                             std::u16string_view key, std::u16string_view value) = 0;

    // Writes the bytes as a struct value: upper-case digits, then the checksum.
    virtual bool WriteStruct(std::u16string_view path, std::u16string_view section,
                             std::u16string_view key, std::span<const std::uint8_t> source) = 0;
};

}  // namespace platform
