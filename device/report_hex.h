#pragma once
// Reports as text: two lower-case hexadecimal digits per byte, no separators,
// byte 0 (the identifier) first.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

std::string ReportToHex(std::span<const std::uint8_t> bytes);

// The bytes of a hexadecimal text (either case), or nothing when the text has
// an odd length or a character that is not a hexadecimal digit.
std::optional<std::vector<std::uint8_t>> ReportFromHex(std::string_view text);
