#pragma once
// The text of a private-profile file with an index of its sections and keys,
// read and edited as the system's functions do it: an edit changes one line or
// adds one, and keeps every other character of the text.
//
// Reading: lines end at CR LF, CR or LF; blanks (space, tab, vertical tab,
// form feed) around names and values do not count. "[name" up to the first
// ']' (or the line's end) starts a section; "name=value" is a key; a line
// starting with ';', a line without '=', and anything before the first section
// are not. Of duplicate sections and keys the first one counts, without regard
// to case.
//
// Writing: a changed value replaces the text after the '=' to the line's end;
// a new key goes on its own line after the section's last entry (comments and
// blank lines after it stay after it); a new section goes at the end of the
// text. New lines end with CR LF.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform::portable {

class ProfileDocument {
public:
    explicit ProfileDocument(std::u16string text = {});

    const std::u16string& Text() const { return text_; }

    // The value of the key, without the blanks around it; no value when the
    // section or the key is missing.
    std::optional<std::u16string_view> Find(std::u16string_view section,
                                            std::u16string_view key) const;

    // Sets the key's value; false, and the text unchanged, when the key
    // already holds exactly this text.
    bool Set(std::u16string_view section, std::u16string_view key, std::u16string_view value);

private:
    struct Key {
        std::size_t valueBegin;  // first character of the value after the blanks
        std::size_t valueEnd;    // after the value's last character that is not a blank
        std::size_t afterEquals;
        std::size_t lineEnd;     // where the line break (or the text) begins
    };
    struct Section {
        std::unordered_map<std::u16string, Key> keys;  // by folded name, first occurrence
        std::size_t insertAt = 0;                      // where a new key line goes
        bool insertNeedsBreak = false;                 // the last line has no line break
    };

    void Index();
    const Key* FindKey(std::u16string_view section, std::u16string_view key) const;

    std::u16string text_;
    std::unordered_map<std::u16string, Section> sections_;  // by folded name, first occurrence
};

}  // namespace platform::portable
