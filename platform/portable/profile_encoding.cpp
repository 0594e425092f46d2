#include "platform/portable/profile_encoding.h"

#include <array>
#include <cstdint>

namespace platform::portable {
namespace {

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves
// undefined map to the control characters of the same number, as the system's
// conversion does, so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FromCodePage(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80u];
    return byte;
}

// The system writes the letters of Latin Extended-A (U+0100 to U+017F) that
// the code page lacks as their closest letter; a space marks none.
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDd\xD0"
    "dEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIiIi  JjKk LlLlLl "
    " LlNnNnNn   OoOoOo\x8C\x9CRrRrRrSsSsSs"
    "\x8A\x9ATtTtTtUuUuUuUuUuUuWwYy\x9FZzZz\x8E\x9E ";

// The code page byte of a character, or -1 when the code page lacks it.
int ToCodePage(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return character;
    for (std::size_t index = 0; index < kHighControls.size(); ++index) {
        if (kHighControls[index] == character) return static_cast<int>(0x80 + index);
    }
    return -1;
}

// The byte the system writes for a character: its own, the closest letter, or '?'.
char WrittenByte(char16_t character) {
    const int byte = ToCodePage(character);
    if (byte >= 0) return static_cast<char>(byte);
    if (character >= 0x100 && character < 0x100 + kLatinExtendedA.size() &&
        kLatinExtendedA[character - 0x100u] != ' ') {
        return kLatinExtendedA[character - 0x100u];
    }
    return '?';
}

}  // namespace

ProfileText DecodeProfileText(std::string_view bytes) {
    ProfileText result;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        result.utf16 = true;
        const std::size_t units = (bytes.size() - 2) / 2;
        result.text.resize(units);
        for (std::size_t unit = 0; unit < units; ++unit) {
            const auto low = static_cast<unsigned char>(bytes[2 + 2 * unit]);
            const auto high = static_cast<unsigned char>(bytes[3 + 2 * unit]);
            result.text[unit] = static_cast<char16_t>(low | (high << 8));
        }
        if (bytes.size() % 2 != 0) result.oddByte.push_back(bytes.back());
        return result;
    }
    result.text.resize(bytes.size());
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        result.text[index] = FromCodePage(static_cast<unsigned char>(bytes[index]));
    }
    return result;
}

std::string EncodeProfileText(const ProfileText& text) {
    std::string bytes;
    if (text.utf16) {
        bytes.reserve(2 + 2 * text.text.size() + text.oddByte.size());
        bytes.push_back('\xFF');  // the byte-order mark
        bytes.push_back('\xFE');
        for (const char16_t unit : text.text) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
        bytes += text.oddByte;
        return bytes;
    }
    bytes.reserve(text.text.size());
    for (const char16_t character : text.text) bytes += WrittenByte(character);
    return bytes;
}

std::u16string Representable(std::u16string_view text, bool utf16) {
    std::u16string result(text);
    if (utf16) return result;
    for (char16_t& character : result) {
        character = FromCodePage(static_cast<unsigned char>(WrittenByte(character)));
    }
    return result;
}

}  // namespace platform::portable
