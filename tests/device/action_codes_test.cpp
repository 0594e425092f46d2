// Every action code with entries, built into report 4 and read back.

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "device/button_report.h"
#include "device/button_report_decoder.h"
#include "device/report_hex.h"
#include "tests/device/macro_fixtures.h"

namespace {

struct CodeCase {
    std::uint8_t code;
    const char* entries;  // in slot 0, so with slot number 1
};

const CodeCase kCodes[] = {
    {0xA0, "2101000000000000ffff"},
    {0xA1, "2102000000000000ffff"},
    {0xA2, "2104000000000000ffff"},
    {0xA3, "2108000000000000ffff"},
    {0xA4, "2110000000000000ffff"},
    {0xA5, "21010000000000000f00a1010000000000000f0021010000000000000f00a1010000000000000f00"},
    {0xB0, "61010600000000000000"},
    {0xB1, "61011900000000000000"},
    {0xB2, "61011b00000000000000"},
    {0xB3, "61010400000000000000"},
    {0xB4, "61010900000000000000"},
    {0xB5, "61011100000000000000"},
    {0xB6, "61011300000000000000"},
    {0xB7, "61011600000000000000"},
    {0xB8, "61011d00000000000000"},  // Control+Z both ways: reads back as 0xB8
    {0xB9, "81000002000000000000"},
    {0xBA, "61080000000000000000"},
    {0xC0, "41010000000000000000"},
    {0xC1, "41020000000000000000"},
    {0xC2, "41000000000000000000"},
    {0xC3, "61042b00000000000000"},
    {0xC4, "61043d00000000000000"},
    {0xC5, "61080800000000000000"},
    {0xC6, "61080700000000000000"},
    {0xC7, "61080f00000000000000"},
    {0xD0, "81080000000000000000"},
    {0xD1, "81040000000000000000"},
    {0xD2, "81010000000000000000"},
    {0xD3, "81020000000000000000"},
    {0xD4, "81400000000000000000"},
    {0xD5, "81800000000000000000"},
    {0xD6, "81100000000000000000"},
};

TEST(ActionCodes, EachCodeIsItsFixedEntriesAndReadsBackAsItself) {
    for (const CodeCase& c : kCodes) {
        ProfileRecord profile = DefaultProfileRecord();
        profile.ButtonAssigned[0] = Action(c.code);
        ButtonReport report;
        BuildButtonReport(profile, report);
        const std::size_t length = std::string_view(c.entries).size() / 2;
        EXPECT_EQ(ReportToHex(std::span(report).subspan(49, length)), c.entries)
            << "code " << std::hex << int{c.code};
        EXPECT_EQ(ReadSlotTable(report)[1], 48 + length);

        ProfileRecord back = DefaultProfileRecord();
        DecodeButtonReport(report, back, profile);
        EXPECT_EQ(back.ButtonAssigned[0].ActionCode, c.code) << "code " << std::hex << int{c.code};
    }
}

}  // namespace
