#pragma once
// How a private-profile file's bytes become text. A file that starts with the
// UTF-16LE byte-order mark holds UTF-16; any other file holds bytes of the
// Western ANSI code page (Windows-1252), which is how the system reads it on
// Western installations. Decoding then encoding gives back the same bytes, so
// an edit keeps every byte it does not touch.

#include <string>
#include <string_view>

namespace platform::portable {

struct ProfileText {
    bool utf16 = false;   // the file starts with the UTF-16LE byte-order mark
    std::u16string text;  // without the mark
    std::string oddByte;  // a UTF-16 file's unpaired last byte, kept as it was
};

ProfileText DecodeProfileText(std::string_view bytes);
std::string EncodeProfileText(const ProfileText& text);

// The text as it will read back from a file of this encoding: characters the
// code page lacks become their closest letter or '?', as the system writes them.
std::u16string Representable(std::u16string_view text, bool utf16);

}  // namespace platform::portable
