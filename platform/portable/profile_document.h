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
#include <functional>
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
        std::size_t lineEnd;  // where the line break (or the text) begins
    };
    // Lookups by a view of a folded name, without building a string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view name) const {
            return std::hash<std::u16string_view>{}(name);
        }
    };
    template <class Value>
    using ByName = std::unordered_map<std::u16string, Value, NameHash, std::equal_to<>>;

    struct Section {
        ByName<Key> keys;               // by folded name, first occurrence
        std::size_t insertAt = 0;       // where a new key line goes
        bool insertNeedsBreak = false;  // the last line has no line break
    };

    void Index();
    const Key* FindKey(std::u16string_view section, std::u16string_view key) const;

    // The name asked for, folded, in a buffer kept between calls.
    std::u16string_view FoldedArgument(std::u16string_view name, std::u16string& buffer) const;

    std::u16string text_;
    ByName<Section> sections_;  // by folded name, first occurrence
    mutable std::u16string sectionBuffer_;
    mutable std::u16string keyBuffer_;
};

}  // namespace platform::portable
