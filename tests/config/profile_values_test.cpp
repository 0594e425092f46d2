#include "platform/portable/profile_values.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::portable::DecodeStructValue;
using platform::portable::EncodeStructValue;
using platform::portable::ParseProfileInteger;

TEST(ProfileInteger, ReadsAsTheSystemDoes) {
    const struct {
        std::u16string_view text;
        std::int32_t value;
    } cases[] = {
        {u"0", 0},
        {u"-1", -1},
        {u"+7", 7},
        {u"  42", 42},
        {u"\t-5", -5},
        {u"42A9", 42},
        {u"B42", 0},
        {u"-", 0},
        {u"2147483647", 2147483647},
        {u"2147483648", -2147483647 - 1},
        {u"4294967295", -1},
        {u"4294967296", 0},
        {u"4294967297", 1},
        {u"-4294967297", -1},
        {u"99999999999999999999", 1661992959},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(ParseProfileInteger(testCase.text), testCase.value)
            << std::string(testCase.text.begin(), testCase.text.end());
    }
}

TEST(StructValue, EncodesWithUpperCaseDigitsAndTheChecksum) {
    const std::vector<std::uint8_t> abacus = {'a', 'b', 'a', 'c', 'u', 's', 0};
    EXPECT_EQ(EncodeStructValue(abacus), u"616261637573006F");
    EXPECT_EQ(EncodeStructValue({}), u"00");

    std::vector<std::uint8_t> record(380, 0);
    record[0] = 0x01;
    record[1] = 0x02;
    const std::u16string value = EncodeStructValue(record);
    EXPECT_EQ(value.size(), 762u);
    EXPECT_EQ(value.substr(0, 4), u"0102");
    EXPECT_EQ(value.substr(760), u"03");
}

TEST(StructValue, DecodesOnlyTheRightLengthWithTheRightChecksum) {
    std::vector<std::uint8_t> seven(7);
    EXPECT_TRUE(DecodeStructValue(u"6361637475730083", seven));
    EXPECT_EQ(std::string(seven.begin(), seven.end() - 1), "cactus");
    EXPECT_TRUE(DecodeStructValue(u"616261637573006f", seven));

    std::vector<std::uint8_t> six(6);
    std::vector<std::uint8_t> eight(8);
    const std::u16string hundredThousandDigits(100000, u'0');
    for (const auto& [value, destination] :
         std::vector<std::pair<std::u16string, std::vector<std::uint8_t>*>>{
             {u"616261637573006F", &six},
             {u"616261637573006F", &eight},
             {u"636163747573006F", &seven},   // checksum off
             {u"16361637475730083", &seven},  // one digit too many
             {u"63616374757300", &seven},     // checksum missing
             {u"6361637475730G83", &seven},   // not a digit
             {u"", &seven},
             {hundredThousandDigits, &seven},
         }) {
        EXPECT_FALSE(DecodeStructValue(value, *destination))
            << std::string(value.begin(), value.begin() + std::min<std::size_t>(value.size(), 20));
    }
}

}  // namespace
