#include "platform/portable/profile_document.h"

#include <algorithm>

namespace platform::portable {
namespace {

bool IsBlank(char16_t character) {
    return character == u' ' || character == u'\t' || character == u'\v' || character == u'\f';
}

bool IsLineBreak(char16_t character) { return character == u'\r' || character == u'\n'; }

// Names compare without regard to case over the letters of the Western code
// page, the characters such a file can hold.
char16_t FoldCase(char16_t character) {
    if (character >= u'A' && character <= u'Z') return character + (u'a' - u'A');
    if (character >= 0xC0 && character <= 0xDE && character != 0xD7) return character + 0x20;
    switch (character) {
        case 0x0152:  // Œ
        case 0x0160:  // Š
        case 0x017D:  // Ž
            return character + 1;
        case 0x0178:  // Ÿ
            return 0x00FF;
        default:
            return character;
    }
}

std::u16string Folded(std::u16string_view name) {
    std::u16string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldCase);
    return folded;
}

std::u16string_view TrimBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A name as callers pass it: up to its first NUL, without surrounding spaces.
std::u16string_view ArgumentName(std::u16string_view name) {
    name = name.substr(0, name.find(u'\0'));
    while (!name.empty() && name.front() == u' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == u' ') name.remove_suffix(1);
    return name;
}

}  // namespace

ProfileDocument::ProfileDocument(std::u16string text) : text_(std::move(text)) { Index(); }

void ProfileDocument::Index() {
    sections_.clear();
    Section* current = nullptr;  // the section the lines belong to, unless ignored
    const std::u16string_view text = text_;
    std::size_t lineBegin = 0;
    while (lineBegin < text.size()) {
        std::size_t lineEnd = lineBegin;
        while (lineEnd < text.size() && !IsLineBreak(text[lineEnd])) ++lineEnd;
        std::size_t next = lineEnd;
        if (next < text.size() && text[next] == u'\r') ++next;
        if (next < text.size() && text[next] == u'\n') ++next;
        const bool hasBreak = next > lineEnd;
        const std::u16string_view line = TrimBlanks(text.substr(lineBegin, lineEnd - lineBegin));
        lineBegin = next;
        if (line.empty() || line.front() == u';') continue;

        if (line.front() == u'[') {
            const std::u16string_view name = TrimBlanks(line.substr(1, line.find(u']') - 1));
            auto [entry, isFirst] = sections_.try_emplace(Folded(name));
            current = isFirst ? &entry->second : nullptr;
            if (current) {
                current->insertAt = next;
                current->insertNeedsBreak = !hasBreak;
            }
            continue;
        }
        if (!current) continue;
        current->insertAt = next;
        current->insertNeedsBreak = !hasBreak;

        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) continue;
        const std::size_t lineOffset = static_cast<std::size_t>(line.data() - text.data());
        const std::u16string_view value = TrimBlanks(line.substr(equals + 1));
        const std::size_t valueBegin = value.empty()
                                           ? lineOffset + line.size()
                                           : static_cast<std::size_t>(value.data() - text.data());
        current->keys.try_emplace(
            Folded(TrimBlanks(line.substr(0, equals))),
            Key{valueBegin, valueBegin + value.size(), lineOffset + equals + 1, lineEnd});
    }
}

std::u16string_view ProfileDocument::FoldedArgument(std::u16string_view name,
                                                    std::u16string& buffer) const {
    name = ArgumentName(name);
    buffer.resize(name.size());
    std::transform(name.begin(), name.end(), buffer.begin(), FoldCase);
    return buffer;
}

const ProfileDocument::Key* ProfileDocument::FindKey(std::u16string_view section,
                                                     std::u16string_view key) const {
    const auto foundSection = sections_.find(FoldedArgument(section, sectionBuffer_));
    if (foundSection == sections_.end()) return nullptr;
    const auto foundKey = foundSection->second.keys.find(FoldedArgument(key, keyBuffer_));
    return foundKey == foundSection->second.keys.end() ? nullptr : &foundKey->second;
}

std::optional<std::u16string_view> ProfileDocument::Find(std::u16string_view section,
                                                         std::u16string_view key) const {
    const Key* found = FindKey(section, key);
    if (!found) return std::nullopt;
    return std::u16string_view(text_).substr(found->valueBegin,
                                             found->valueEnd - found->valueBegin);
}

bool ProfileDocument::Set(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) {
    section = ArgumentName(section);
    key = ArgumentName(key);
    value = value.substr(0, value.find(u'\0'));

    if (const Key* found = FindKey(section, key)) {
        const std::size_t length = found->lineEnd - found->afterEquals;
        if (std::u16string_view(text_).substr(found->afterEquals, length) == value) return false;
        text_.replace(found->afterEquals, length, value);
    } else if (const auto foundSection = sections_.find(FoldedArgument(section, sectionBuffer_));
               foundSection != sections_.end()) {
        std::u16string line = foundSection->second.insertNeedsBreak ? u"\r\n" : u"";
        line.append(key).append(u"=").append(value).append(u"\r\n");
        text_.insert(foundSection->second.insertAt, line);
    } else {
        if (!text_.empty() && !IsLineBreak(text_.back())) text_ += u"\r\n";
        text_.append(u"[").append(section).append(u"]\r\n");
        text_.append(key).append(u"=").append(value).append(u"\r\n");
    }
    Index();
    return true;
}

}  // namespace platform::portable
