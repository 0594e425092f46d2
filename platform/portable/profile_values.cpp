#include "platform/portable/profile_values.h"

namespace platform::portable {
namespace {

constexpr std::u16string_view kHexDigits = u"0123456789ABCDEF";

int HexDigitValue(char16_t digit) {
    if (digit >= u'0' && digit <= u'9') return digit - u'0';
    if (digit >= u'A' && digit <= u'F') return digit - u'A' + 10;
    if (digit >= u'a' && digit <= u'f') return digit - u'a' + 10;
    return -1;
}

void AppendHexByte(std::u16string& text, std::uint8_t byte) {
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0x0F];
}

// The byte written as the two digits at value[index], or -1.
int HexByteAt(std::u16string_view value, std::size_t index) {
    const int high = HexDigitValue(value[index]);
    const int low = HexDigitValue(value[index + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

}  // namespace

std::int32_t ParseProfileInteger(std::u16string_view value) {
    std::size_t index = 0;
    while (index < value.size() && value[index] <= u' ') ++index;
    bool negative = false;
    if (index < value.size() && (value[index] == u'-' || value[index] == u'+')) {
        negative = value[index] == u'-';
        ++index;
    }
    std::uint32_t magnitude = 0;  // unsigned arithmetic wraps as the system's reading does
    for (; index < value.size() && value[index] >= u'0' && value[index] <= u'9'; ++index) {
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(value[index] - u'0');
    }
    if (negative) magnitude = 0u - magnitude;
    return static_cast<std::int32_t>(magnitude);
}

std::u16string EncodeStructValue(std::span<const std::uint8_t> bytes) {
    std::u16string text;
    text.reserve(2 * bytes.size() + 2);
    std::uint8_t checksum = 0;
    for (const std::uint8_t byte : bytes) {
        AppendHexByte(text, byte);
        checksum = static_cast<std::uint8_t>(checksum + byte);
    }
    AppendHexByte(text, checksum);
    return text;
}

bool DecodeStructValue(std::u16string_view value, std::span<std::uint8_t> destination) {
    if (value.size() != 2 * destination.size() + 2) return false;
    std::uint8_t checksum = 0;
    for (std::size_t index = 0; index < destination.size(); ++index) {
        const int byte = HexByteAt(value, 2 * index);
        if (byte < 0) return false;
        destination[index] = static_cast<std::uint8_t>(byte);
        checksum = static_cast<std::uint8_t>(checksum + byte);
    }
    return HexByteAt(value, 2 * destination.size()) == checksum;
}

}  // namespace platform::portable
