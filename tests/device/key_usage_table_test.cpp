#include "device/key_usage_table.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyUsageTable, OnePairForEveryKeyCodeFrom0x10To0xA0) {
    for (std::size_t i = 0; i < KeyUsageTable.size(); ++i) {
        EXPECT_EQ(KeyUsageTable[i].KeyCode, 0x10 + i);
    }
}

TEST(KeyUsageTable, LookupsBothWaysLastMatchWins) {
    struct Case {
        std::uint8_t keyCode;
        std::uint32_t usage;
    };
    for (const Case c : {Case{0x14, 0x04},
                         {0x90, 0x183},
                         {0x99, 0x223},
                         {0xA0, 0xE7},
                         {0x17, 0},
                         {0x0F, 0},
                         {0xA1, 0},
                         {0xFF, 0}}) {
        EXPECT_EQ(KeyCodeToUsage(c.keyCode), c.usage) << std::hex << int{c.keyCode};
    }
    for (const Case c : {Case{0x7E, 0x00},
                         {0x8F, 0xE2},
                         {0x96, 0xE9},
                         {0x97, 0xEA},
                         {0x30, 0x23},
                         {0x14, 0x04},
                         {0x99, 0x223},
                         {0, 0x83},
                         {0, 0x1FF}}) {
        EXPECT_EQ(UsageToKeyCode(c.usage), c.keyCode) << std::hex << c.usage;
    }
}

}  // namespace
