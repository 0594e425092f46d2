#include "private_profile_cases.h"

#include <cstdio>

#include "temp_folder.h"

namespace {

using Kind = ProfileCall::Kind;

ProfileCall Int(std::u16string section, std::u16string key, std::int32_t defaultValue) {
    return {Kind::GetInt, std::move(section), std::move(key), {}, defaultValue, {}};
}
ProfileCall Text(std::u16string section, std::u16string key, std::u16string defaultValue = u"",
                 std::int64_t capacity = 4096) {
    return {Kind::GetString,         std::move(section), std::move(key),
            std::move(defaultValue), capacity,           {}};
}
ProfileCall Struct(std::u16string section, std::u16string key, std::int64_t size) {
    return {Kind::GetStruct, std::move(section), std::move(key), {}, size, {}};
}
ProfileCall Write(std::u16string section, std::u16string key, std::u16string value) {
    return {Kind::WriteString, std::move(section), std::move(key), std::move(value), 0, {}};
}
ProfileCall WriteBytes(std::u16string section, std::u16string key, std::string bytes) {
    return {Kind::WriteStruct,
            std::move(section),
            std::move(key),
            {},
            0,
            std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

std::string Utf8(std::u16string_view text) {
    std::string result;
    for (const char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            result += static_cast<char>(unit);
        } else {
            char escaped[12];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
            result += escaped;
        }
    }
    return result;
}

std::string DescribeBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        text += digits;
    }
    return text;
}

std::string Call(platform::PrivateProfile& profiles, const std::u16string& path,
                 const ProfileCall& call) {
    switch (call.kind) {
        case Kind::GetInt:
            return std::to_string(profiles.GetInt(path, call.section, call.key,
                                                  static_cast<std::int32_t>(call.number)));
        case Kind::GetString:
            return "\"" +
                   Utf8(profiles.GetString(path, call.section, call.key, call.text,
                                           static_cast<std::size_t>(call.number))) +
                   "\"";
        case Kind::GetStruct: {
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(call.number));
            return profiles.GetStruct(path, call.section, call.key, bytes) ? DescribeBytes(bytes)
                                                                           : "fails";
        }
        case Kind::WriteString:
            return profiles.WriteString(path, call.section, call.key, call.text) ? "ok" : "fails";
        case Kind::WriteStruct:
            return profiles.WriteStruct(path, call.section, call.key, call.bytes) ? "ok" : "fails";
    }
    return {};
}

const std::string kPlain = "[Setting]\r\nTotle=6\r\nName=abc\r\n[Profile0Setting]\r\nDPI_Cur=3\r\n";

std::string Utf16File(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace

std::vector<ProfileCase> PrivateProfileCases() {
    using namespace std::string_literals;
    return {
        // Files as the agent and the configuration program write them: the
        // two implementations must agree byte for byte.
        {"lookups ignore case; missing keys, sections and files give the default",
         kPlain,
         {Int(u"Setting", u"Totle", 0), Int(u"SETTING", u"totle", 0), Int(u"Setting", u"Gone", 7),
          Int(u"Nowhere", u"Totle", -3), Text(u"setting", u"NAME"),
          Text(u"Setting", u"Gone", u"def  "), Text(u"Profile0Setting", u"DPI_Cur")},
         {"6", "6", "7", "-3", "\"abc\"", "\"def\"", "\"3\""},
         kPlain},
        {"a read through a small buffer is cut to its capacity less one",
         "[s]\r\nk="s + std::string(5000, 'a') + "\r\n",
         {Text(u"s", u"k", u"", 3), Text(u"s", u"k", u"", 1), Text(u"s", u"gone", u"default", 4),
          Text(u"s", u"k")},
         {"\"aa\"", "\"\"", "\"def\"", "\"" + std::string(4095, 'a') + "\""},
         "[s]\r\nk="s + std::string(5000, 'a') + "\r\n"},
        {"integers: signs, leading spaces, trailing text, wrapping, empty values",
         "[n]\r\na=-1\r\nb=+7\r\nc=  42\r\nd=42A9\r\ne=B42\r\nf=4294967297\r\ng=-4294967297\r\n"
         "h=\"12\"\r\ni=\r\n",
         {Int(u"n", u"a", 5), Int(u"n", u"b", 5), Int(u"n", u"c", 5), Int(u"n", u"d", 5),
          Int(u"n", u"e", 5), Int(u"n", u"f", 5), Int(u"n", u"g", 5), Int(u"n", u"h", 5),
          Int(u"n", u"i", 5), Text(u"n", u"i", u"x")},
         {"-1", "7", "42", "42", "0", "1", "-1", "12", "5", "\"\""},
         "[n]\r\na=-1\r\nb=+7\r\nc=  42\r\nd=42A9\r\ne=B42\r\nf=4294967297\r\ng=-4294967297\r\n"
         "h=\"12\"\r\ni=\r\n"},
        {"white space around names and values, and spaces around the names asked for",
         "[ s ]\r\n  key  =  a b  \r\n\tTab\t=\tv\t\r\n",
         {Text(u"s", u"key"), Text(u"  s ", u" key  "), Text(u"s", u"tab")},
         {"\"a b\"", "\"a b\"", "\"v\""},
         "[ s ]\r\n  key  =  a b  \r\n\tTab\t=\tv\t\r\n"},
        {"one pair of matching outer quotes is removed",
         "[q]\r\na=\"quoted\"\r\nb='single'\r\nc=\"mixed'\r\nd=\"\r\ne=\"\"\r\nf=\" spaced \"\r\n",
         {Text(u"q", u"a"), Text(u"q", u"b"), Text(u"q", u"c"), Text(u"q", u"d"), Text(u"q", u"e"),
          Text(u"q", u"f")},
         {"\"quoted\"", "\"single\"", "\"\"mixed'\"", "\"\"\"", "\"\"", "\" spaced \""},
         "[q]\r\na=\"quoted\"\r\nb='single'\r\nc=\"mixed'\r\nd=\"\r\ne=\"\"\r\nf=\" spaced \"\r\n"},
        {"duplicates: the first section and the first key win; writes go there too",
         "[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nj=4\r\n",
         {Text(u"s", u"k"), Text(u"s", u"j", u"none"), Write(u"S", u"j", u"5"),
          Write(u"s", u"K", u"6"), Text(u"s", u"j")},
         {"\"1\"", "\"none\"", "ok", "ok", "\"5\""},
         "[s]\r\nk=6\r\nK=2\r\nj=5\r\n[S]\r\nk=3\r\nj=4\r\n"},
        {"a line without '=' is no key",
         "k=top\r\n[s]\r\nbare\r\nk=in\r\n",
         {Text(u"s", u"bare", u"none"), Text(u"s", u"k"), Write(u"s", u"j", u"1")},
         {"\"none\"", "\"in\"", "ok"},
         "k=top\r\n[s]\r\nbare\r\nk=in\r\nj=1\r\n"},
        {"a last line without a line end; new keys go after it",
         "[s]\r\nk=v",
         {Text(u"s", u"k"), Write(u"s", u"j", u"w")},
         {"\"v\"", "ok"},
         "[s]\r\nk=v\r\nj=w\r\n"},
        {"writing into a missing file: sections and keys in the order written",
         std::nullopt,
         {Write(u"App1", u"key1", u"string1"), Write(u"App1", u"key2", u"string2"),
          Write(u"App1", u"key3", u"string3"), Write(u"App2", u"key4", u"string4"),
          Write(u"App3", u"key5", u"string5")},
         {"ok", "ok", "ok", "ok", "ok"},
         "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n"
         "[App3]\r\nkey5=string5\r\n"},
        {"an existing key keeps its place and spelling; new keys follow the last one",
         "[s]\r\nb=value\r\na=value\r\n[t]\r\nx=1\r\n",
         {Write(u"s", u"z", u""), Write(u"s", u"B", u""), Write(u"s", u"y", u""),
          Write(u"s", u"a", u"value"), Int(u"t", u"x", 0)},
         {"ok", "ok", "ok", "ok", "1"},
         "[s]\r\nb=\r\na=value\r\nz=\r\ny=\r\n[t]\r\nx=1\r\n"},
        {"struct values: checksum, length, digits of either case",
         "[b]\r\nlower=616261637573006f\r\nodd=16361637475730083\r\nsum=636163747573006F\r\n"
         "cactus=6361637475730083\r\n",
         {WriteBytes(u"b", u"abacus", "abacus\0"s), Struct(u"b", u"abacus", 7),
          Struct(u"b", u"abacus", 6), Struct(u"b", u"abacus", 8), Struct(u"b", u"lower", 7),
          Struct(u"b", u"odd", 7), Struct(u"b", u"sum", 7), Struct(u"b", u"cactus", 7),
          Struct(u"b", u"gone", 7), Text(u"b", u"abacus")},
         {"ok", "61626163757300", "fails", "fails", "61626163757300", "fails", "fails",
          "63616374757300", "fails", "\"616261637573006F\""},
         "[b]\r\nlower=616261637573006f\r\nodd=16361637475730083\r\nsum=636163747573006F\r\n"
         "cactus=6361637475730083\r\nabacus=616261637573006F\r\n"},
        {"text of the Western code page reads as UTF-16 and writes back as those bytes",
         "[Caf\xC9]\r\nname=Caf\xE9 \x80 \xFF\r\n",
         {Text(u"Caf\u00C9", u"name"), Write(u"CAF\u00C9", u"other", u"Zo\u00EB \u20AC")},
         {"\"Caf\\u00E9 \\u20AC \\u00FF\"", "ok"},
         "[Caf\xC9]\r\nname=Caf\xE9 \x80 \xFF\r\nother=Zo\xEB \x80\r\n"},
        {"characters the code page lacks are written as the closest letter or '?'",
         std::nullopt,
         {Write(u"s", u"k", u"\u0101\u0141\u0152\u0138\u4E2D."), Text(u"s", u"k")},
         {"ok", "\"aL\\u0152?\?.\""},
         "[s]\r\nk=aL\x8C?\?.\r\n"},
        {"a file with the UTF-16 byte-order mark stays UTF-16",
         Utf16File(u"[s]\r\nk=v\r\n"),
         {Text(u"s", u"k"), Write(u"s", u"k", u"\u0101\u4E2D")},
         {"\"v\"", "ok"},
         Utf16File(u"[s]\r\nk=\u0101\u4E2D\r\n")},
        {"a NUL in a value ends it",
         "[s]\r\nk=a\0b\r\n"s,
         {Text(u"s", u"k")},
         {"\"a\""},
         "[s]\r\nk=a\0b\r\n"s},
        {"a changed value of the same length and an unchanged value",
         "[Profile2Setting]\r\nGroupID=0\r\nDPI_Cur=3\r\n[Setting]\r\nDevice=1\r\n",
         {Write(u"Profile2Setting", u"DPI_Cur", u"4"), Write(u"Setting", u"Device", u"1"),
          Int(u"Profile2Setting", u"DPI_Cur", 0)},
         {"ok", "ok", "4"},
         "[Profile2Setting]\r\nGroupID=0\r\nDPI_Cur=4\r\n[Setting]\r\nDevice=1\r\n"},

        // Where Wine rewrites the whole file or reads differently: the
        // results stated are those of Windows, which our engine follows.
        {"a file with LF line ends keeps them; the new line ends with CR LF",
         "[s]\nk=v\nm=1\n",
         {Text(u"s", u"k"), Write(u"s", u"k", u"x"), Write(u"s", u"n", u"2")},
         {"\"v\"", "ok", "ok"},
         "[s]\nk=x\nm=1\nn=2\r\n",
         "Wine rewrites every line with CR LF"},
        {"blank lines and comments are kept; a new key goes after the last entry",
         "[s]\r\na=1\r\n\r\n;note\r\n[t]\r\nb=2\r\n",
         {Write(u"s", u"c", u"3"), Text(u"s", u";note", u"none")},
         {"ok", "\"none\""},
         "[s]\r\na=1\r\nc=3\r\n\r\n;note\r\n[t]\r\nb=2\r\n",
         "Wine drops blank lines and keeps ';note' as a key"},
        {"bytes before the first section are kept",
         "\x01\x02junk\0\0 more junk\x7F\0bytes\x03\x04\x05\x06\x07!"s,
         {Write(u"section1", u"key1", u"string1"), Text(u"section1", u"key1")},
         {"ok", "\"string1\""},
         "\x01\x02junk\0\0 more junk\x7F\0bytes\x03\x04\x05\x06\x07!\r\n[section1]\r\nkey1=string1\r\n"s,
         "Wine keeps such bytes as keys of a nameless section and writes them back as lines"},
        {"a value is written as given, leading spaces too",
         "[s]\r\nk=old\r\n",
         {Write(u"s", u"k", u"  new"), Text(u"s", u"k")},
         {"ok", "\"new\""},
         "[s]\r\nk=  new\r\n",
         "Wine strips the leading spaces of the value it writes"},
        {"lines before the first section belong to no section",
         "k=top\r\n[s]\r\nk=in\r\n",
         {Text(u"", u"k", u"none")},
         {"\"none\""},
         "k=top\r\n[s]\r\nk=in\r\n",
         "Wine keeps them in a nameless section that the empty name finds"},
        {"names compare without regard to case beyond ASCII",
         "[Caf\xC9]\r\n\xC9t\xE9=1\r\n",
         {Int(u"caf\u00E9", u"\u00C9T\u00C9", 0)},
         {"1"},
         "[Caf\xC9]\r\n\xC9t\xE9=1\r\n",
         "Wine folds the case of ASCII letters only"},
        {"a section header without ']' and an empty section name",
         "[s\r\nk=v\r\n[]\r\nj=w\r\n",
         {Text(u"s", u"k", u"none"), Text(u"", u"j", u"none")},
         {"\"v\"", "\"w\""},
         "[s\r\nk=v\r\n[]\r\nj=w\r\n",
         "Wine needs the ']' and never finds a section by the empty name"},
    };
}

ProfileRun RunProfileCase(platform::PrivateProfile& profiles, const ProfileCase& profileCase,
                          const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (profileCase.fileBefore) WriteFileBytes(file, *profileCase.fileBefore);
    ProfileRun run;
    const std::u16string path = file.u16string();
    for (const ProfileCall& call : profileCase.calls)
        run.results.push_back(Call(profiles, path, call));
    run.fileAfter = ReadFileBytes(file);
    return run;
}

std::string Printable(const std::optional<std::string>& bytes) {
    if (!bytes) return "(no file)";
    std::string text;
    for (const char byte : *bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x20 && value < 0x7F) {
            text += byte;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", value);
            text += escaped;
        }
    }
    return text;
}
