#include "config/validation_report.h"

#include <gtest/gtest.h>

#include "load_setup.h"
#include "platform/portable/private_profile.h"

static void PrintTo(const ReplacedValue& value, std::ostream* out) {
    const auto narrow = [](const std::u16string& text) {
        return std::string(text.begin(), text.end());
    };
    *out << narrow(value.section) << "/" << narrow(value.key) << ": " << narrow(value.inFile)
         << " -> " << narrow(value.used);
}

namespace {

TEST(ValidationReport, ListsEveryValueValidationReplacesInKeyOrder) {
    TempFolder folder;
    WriteFileBytes(folder.Path() / "GamingMouse",
                   "[Setting]\r\nTotle=2\r\nActive=5\r\nShow_OSD=7\r\n0=9\r\n1=1\r\n"
                   "[Profile9Setting]\r\nMouse_Speed=0\r\nDPI_Value3=11\r\nButtonAssigned1=00\r\n"
                   "[Profile1Setting]\r\nlight_speed=3\r\n");
    platform::portable::PrivateProfile profiles;

    std::vector<ReplacedValue> replaced =
        ListReplacedValues(profiles, folder.AgentPath("GamingMouse"));

    // Buttons without a value in the file take their default assignment too.
    const auto missingButtons = std::erase_if(replaced, [](const ReplacedValue& value) {
        return value.key.starts_with(u"ButtonAssigned") && value.inFile.empty() &&
               value.used == u"default assignment";
    });
    EXPECT_EQ(missingButtons, 13u);

    EXPECT_EQ(replaced, (std::vector<ReplacedValue>{
                            {u"Setting", u"Active", u"5", u"0"},
                            {u"Setting", u"Show_OSD", u"7", u"1"},
                            {u"Setting", u"0", u"9", u"0"},
                            {u"Profile9Setting", u"DPI_Value3", u"11", u"6"},
                            {u"Profile9Setting", u"Mouse_Speed", u"0", u"5"},
                            {u"Profile9Setting", u"ButtonAssigned1", u"00", u"default assignment"},
                        }));
}

TEST(ValidationReport, AFileTheAgentCreatedNeedsNoReplacement) {
    LoadSetup setup;
    platform::portable::PrivateProfile profiles;
    setup.LoadWith(profiles, setup.path);
    EXPECT_TRUE(ListReplacedValues(profiles, setup.path).empty());
}

}  // namespace
