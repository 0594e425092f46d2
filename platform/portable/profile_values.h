#pragma once
// The value encodings of private-profile files: integers and struct values.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace platform::portable {

// A value read as an integer: leading white space, an optional sign, decimal
// digits up to the first other character, wrapping modulo 2^32.
std::int32_t ParseProfileInteger(std::u16string_view value);

// Two upper-case hexadecimal digits per byte, then two of the checksum (the
// low byte of the sum of the bytes).
std::u16string EncodeStructValue(std::span<const std::uint8_t> bytes);

// Decodes a struct value into destination; false unless it has exactly the
// digits of destination's size plus the checksum and the checksum matches.
// Digits of either case are read.
bool DecodeStructValue(std::u16string_view value, std::span<std::uint8_t> destination);

}  // namespace platform::portable
