// Bringing a loaded configuration into range: which values are replaced,
// by what, and what is left alone.

#include "config/validation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "config/defaults.h"

namespace {

struct GlobalCase {
    const char* name;
    std::function<void(GlobalSettings&)> change;
    std::function<void(const GlobalSettings&)> check;
};

class GlobalValidation : public testing::TestWithParam<GlobalCase> {};

TEST_P(GlobalValidation, ReplacesOnlyWhatIsOutOfRange) {
    ConfigDocument document = DefaultConfigDocument();
    GetParam().change(document.Global);
    ValidateConfigDocument(document);
    GetParam().check(document.Global);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GlobalValidation,
    testing::Values(
        GlobalCase{"TotleZeroBecomesOneAndCurrentFollows",
                   [](GlobalSettings& g) {
                       g.Totle = 0;
                       g.Current = 3;
                   },
                   [](const GlobalSettings& g) {
                       EXPECT_EQ(g.Totle, 1);
                       EXPECT_EQ(g.Current, 0);
                   }},
        GlobalCase{"TotleSevenBecomesOne", [](GlobalSettings& g) { g.Totle = 7; },
                   [](const GlobalSettings& g) { EXPECT_EQ(g.Totle, 1); }},
        GlobalCase{"CurrentEqualToTotleBecomesZero",
                   [](GlobalSettings& g) {
                       g.Totle = 4;
                       g.Current = 4;
                       g.Active = 3;
                   },
                   [](const GlobalSettings& g) {
                       EXPECT_EQ(g.Current, 0);
                       EXPECT_EQ(g.Active, 3);
                   }},
        GlobalCase{"NegativeActiveBecomesZero", [](GlobalSettings& g) { g.Active = -1; },
                   [](const GlobalSettings& g) { EXPECT_EQ(g.Active, 0); }},
        GlobalCase{"SwitchesOutOfRangeBecomeOne",
                   [](GlobalSettings& g) {
                       g.Show_TrayIcon = 2;
                       g.Show_OSD = 5;
                   },
                   [](const GlobalSettings& g) {
                       EXPECT_EQ(g.Show_TrayIcon, 1);
                       EXPECT_EQ(g.Show_OSD, 1);
                   }},
        GlobalCase{"LanguageTwoBecomesEnglishSpanishStays", [](GlobalSettings& g) { g.lan_id = 2; },
                   [](const GlobalSettings& g) { EXPECT_EQ(g.lan_id, 0); }},
        GlobalCase{"SpanishStays", [](GlobalSettings& g) { g.lan_id = 1; },
                   [](const GlobalSettings& g) { EXPECT_EQ(g.lan_id, 1); }},
        GlobalCase{"ProfileIdsKeepDuplicatesButNotSix",
                   [](GlobalSettings& g) { g.ProfileIds = {0, 0, 6, -1, 5, 2}; },
                   [](const GlobalSettings& g) {
                       EXPECT_EQ(g.ProfileIds, (std::array<std::int32_t, 6>{0, 0, 0, 0, 5, 2}));
                   }},
        GlobalCase{"IdsBeyondTotleAreNotLookedAt",
                   [](GlobalSettings& g) {
                       g.Totle = 2;
                       g.ProfileIds = {1, 9, 9, 9, 9, 9};
                   },
                   [](const GlobalSettings& g) {
                       EXPECT_EQ(g.ProfileIds, (std::array<std::int32_t, 6>{1, 0, 9, 9, 9, 9}));
                   }}),
    [](const testing::TestParamInfo<GlobalCase>& param) { return std::string(param.param.name); });

struct ProfileCase {
    const char* name;
    std::function<void(ProfileRecord&)> change;
    std::function<void(const ProfileRecord&)> check;
};

class ProfileValidation : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileValidation, ReplacesOnlyWhatIsOutOfRange) {
    ProfileRecord profile = DefaultProfileRecord();
    GetParam().change(profile);
    NormaliseProfile(profile);
    GetParam().check(profile);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileValidation,
    testing::Values(
        ProfileCase{"DpiStageSevenStaysEightBecomesThree", [](ProfileRecord& p) { p.DPI_Cur = 8; },
                    [](const ProfileRecord& p) { EXPECT_EQ(p.DPI_Cur, 3); }},
        ProfileCase{"DpiStageSevenStays", [](ProfileRecord& p) { p.DPI_Cur = 7; },
                    [](const ProfileRecord& p) { EXPECT_EQ(p.DPI_Cur, 7); }},
        ProfileCase{"DpiValueTakesItsOwnStageDefault",
                    [](ProfileRecord& p) { p.DPI_Value = {0, 1, 2, 11, 10, -1, 3}; },
                    [](const ProfileRecord& p) {
                        EXPECT_EQ(p.DPI_Value, (std::array<std::int32_t, 7>{0, 1, 2, 6, 10, 8, 3}));
                    }},
        ProfileCase{"SpeedsRejectZeroBrightnessAcceptsIt",
                    [](ProfileRecord& p) {
                        p.light_speed = 0;
                        p.light_bright = 0;
                        p.DBClick_Speed = 0;
                        p.Scroll_Speed = 11;
                    },
                    [](const ProfileRecord& p) {
                        EXPECT_EQ(p.light_speed, 3);
                        EXPECT_EQ(p.light_bright, 0);
                        EXPECT_EQ(p.DBClick_Speed, 4);
                        EXPECT_EQ(p.Scroll_Speed, 3);
                    }},
        ProfileCase{"MouseSpeedZeroOrElevenBecomesFive",
                    [](ProfileRecord& p) { p.Mouse_Speed = 11; },
                    [](const ProfileRecord& p) { EXPECT_EQ(p.Mouse_Speed, 5); }},
        ProfileCase{"LightingFieldsGetTheirReplacements",
                    [](ProfileRecord& p) {
                        p.GroupID = 21;
                        p.POLLRATE_VALUE = 4;
                        p.Enable_light = 2;
                        p.Cycle_enable = 2;
                        p.light_type = 7;
                        p.light_bright = 6;
                        p.light_bright_colorID = 7;
                        p.scroll_page = -1;
                        p.mouse_enhance = 2;
                    },
                    [](const ProfileRecord& p) {
                        EXPECT_EQ(p.GroupID, 0);
                        EXPECT_EQ(p.POLLRATE_VALUE, 2);
                        EXPECT_EQ(p.Enable_light, 1);
                        EXPECT_EQ(p.Cycle_enable, 0);
                        EXPECT_EQ(p.light_type, 0);
                        EXPECT_EQ(p.light_bright, 5);
                        EXPECT_EQ(p.light_bright_colorID, 0);
                        EXPECT_EQ(p.scroll_page, 0);
                        EXPECT_EQ(p.mouse_enhance, 0);
                    }},
        ProfileCase{"ColoursAndTextsAreNotChecked",
                    [](ProfileRecord& p) {
                        p.DPI_Color[0] = -1;
                        p.light_Color[3] = 0x7F000000;
                        AssignText(p.Profil_Name, u"any name at all");
                    },
                    [](const ProfileRecord& p) {
                        EXPECT_EQ(p.DPI_Color[0], -1);
                        EXPECT_EQ(p.light_Color[3], 0x7F000000);
                        EXPECT_EQ(TextOf(p.Profil_Name), u"any name at all");
                    }}),
    [](const testing::TestParamInfo<ProfileCase>& param) { return std::string(param.param.name); });

TEST(ButtonValidation, OnlyTheActionCodeDecidesAReset) {
    const std::uint8_t rejected[] = {0xAC, 0xBB, 0xC8, 0xD7, 0x00, 0x9F, 0xFF};
    const std::uint8_t accepted[] = {0xA0, 0xAB, 0xB0, 0xBA, 0xC0, 0xC7, 0xD0, 0xD6};
    for (std::uint8_t code : rejected) {
        ProfileRecord profile = DefaultProfileRecord();
        ButtonAssignment& slot2 = profile.ButtonAssigned[2];
        slot2.ActionCode = code;
        slot2.EventCount = 5;
        slot2.Events[0] = {0x14, 0, 1};
        slot2.RepeatMode = 2;
        slot2.MacroRef = 77;
        slot2.reserved1 = 0x11;
        slot2.reserved2 = {0x22, 0x33};
        NormaliseProfile(profile);
        ButtonAssignment expected = DefaultButtonAssignment(2);
        expected.reserved1 = 0x11;
        expected.reserved2 = {0x22, 0x33};
        EXPECT_EQ(std::memcmp(&slot2, &expected, sizeof expected), 0) << "code " << int{code};
    }
    for (std::uint8_t code : accepted) {
        ProfileRecord profile = DefaultProfileRecord();
        ButtonAssignment& slot4 = profile.ButtonAssigned[4];
        slot4.ActionCode = code;
        slot4.ButtonNo = 0;
        slot4.MacroRef = 5;
        const ButtonAssignment before = slot4;
        NormaliseProfile(profile);
        EXPECT_EQ(std::memcmp(&slot4, &before, sizeof before), 0) << "code " << int{code};
    }
}

TEST(ButtonValidation, TheSeventhButtonIsResetToItselfEveryTime) {
    ProfileRecord profile = DefaultProfileRecord();
    const ProfileRecord before = profile;
    NormaliseProfile(profile);
    NormaliseProfile(profile);
    EXPECT_EQ(std::memcmp(&profile, &before, sizeof before), 0);
    EXPECT_EQ(profile.ButtonAssigned[6].ActionCode, 0x00);
    EXPECT_EQ(profile.ButtonAssigned[6].ButtonNo, 7);
    EXPECT_EQ(profile.ButtonAssigned[6].MacroRef, -1);
}

TEST(DocumentValidation, SlotsBeyondTotleAreLeftAsTheyAre) {
    ConfigDocument document = DefaultConfigDocument();
    document.Global.Totle = 9;  // becomes 1: only slot 0 is in use
    document.Profiles[0].DPI_Cur = 99;
    document.Profiles[1].DPI_Cur = 99;
    ValidateConfigDocument(document);
    EXPECT_EQ(document.Profiles[0].DPI_Cur, 3);
    EXPECT_EQ(document.Profiles[1].DPI_Cur, 99);
}

TEST(Texts, AreCutToTheirFieldAndStayTerminated) {
    NameText name{};
    AssignText(name, std::u16string(80, u'x'));
    EXPECT_EQ(TextOf(name).size(), 49u);
    EXPECT_EQ(name.back(), u'\0');
    AssignText(name, u"short");
    EXPECT_EQ(TextOf(name), u"short");
}

}  // namespace
