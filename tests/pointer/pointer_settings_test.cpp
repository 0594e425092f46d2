#include "pointer/pointer_settings.h"

#include <gmock/gmock.h>

#include "config/defaults.h"
#include "platform/portable/memory_registry.h"
#include "platform/portable/recorded_debug_output.h"
#include "platform/portable/recorded_system_parameters.h"

using platform::RegistryRoot;
using platform::portable::MemoryRegistry;
using platform::portable::RecordedDebugOutput;
using platform::portable::RecordedSystemParameters;
using platform::portable::Trace;
using ::testing::ElementsAre;
using ::testing::Optional;

namespace {

constexpr std::u16string_view kMouseSubKey = u"Control Panel\\Mouse";

class PointerSettingsTest : public ::testing::Test {
  protected:
    std::optional<std::u16string> MouseValue(std::u16string_view name) const {
        return registry_.StringValue(RegistryRoot::CurrentUser, kMouseSubKey, name);
    }

    void Refresh() { RefreshPointerSettings(ports_, mouseKey_, profile_); }

    Trace trace_;
    MemoryRegistry registry_{&trace_};
    RecordedSystemParameters system_{&trace_};
    RecordedDebugOutput debug_{&trace_};
    PointerPorts ports_{registry_, system_, debug_};
    RegistryPathKey mouseKey_{registry_};
    ProfileRecord profile_ = DefaultProfileRecord();
};

TEST_F(PointerSettingsTest, RefreshRunsEveryCallInOrderWithItsAccessAndFlags) {
    profile_.DBClick_Speed = 4;
    profile_.mouse_enhance = 1;
    profile_.Mouse_Speed = 5;
    profile_.scroll_page = 0;
    profile_.Scroll_Speed = 7;
    Refresh();
    EXPECT_THAT(trace_.Events(),
                ElementsAre("system: SetDoubleClickTime 680",
                            "registry: open HKEY_CURRENT_USER\\Control Panel\\Mouse access 0x2001f",
                            "registry: set DoubleClickSpeed = 680", "registry: close",
                            "debug: RefreshDoubleClickSpeed\n",
                            "registry: open HKEY_CURRENT_USER\\Control Panel\\Mouse access 0xf003f",
                            "registry: set MouseSpeed = 1", "registry: set MouseThreshold1 = 6",
                            "registry: set MouseThreshold2 = 10",
                            "system: SetMouseAcceleration 6 10 1 flags 2",
                            "system: SetMouseSpeed 10 flags 2", "debug: RefreshMouseMoveSpeed\n",
                            "system: SetWheelScrollLines 7 flags 1", "debug: RefreshScrollLine\n"));
    EXPECT_EQ(registry_.OpenKeys(), 1u);  // the precision key stays open
}

TEST_F(PointerSettingsTest, DoubleClickSpeedLevelsGiveTheTimeInSessionAndRegistry) {
    struct Case {
        std::int32_t level;
        std::uint32_t milliseconds;
        std::u16string_view text;
    };
    const Case cases[] = {{1, 920, u"920"}, {2, 840, u"840"}, {3, 760, u"760"}, {4, 680, u"680"},
                          {5, 600, u"600"}, {6, 520, u"520"}, {7, 440, u"440"}, {8, 360, u"360"},
                          {9, 280, u"280"}, {10, 200, u"200"}};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.level);
        profile_.DBClick_Speed = each.level;
        RefreshDoubleClickSpeed(ports_, profile_);
        EXPECT_EQ(system_.DoubleClickTime(), each.milliseconds);
        EXPECT_THAT(MouseValue(u"DoubleClickSpeed"), Optional(std::u16string(each.text)));
    }
    EXPECT_EQ(registry_.OpenKeys(), 0u);
}

TEST_F(PointerSettingsTest, PointerSpeedIsTwiceTheLevel) {
    for (std::int32_t level = 1; level <= 10; ++level) {
        profile_.Mouse_Speed = level;
        RefreshMouseMoveSpeed(ports_, mouseKey_, profile_);
        EXPECT_EQ(system_.MouseSpeed(), 2 * level);
    }
    EXPECT_EQ(registry_.OpenKeys(), 1u);  // reopened each time, one key held
}

TEST_F(PointerSettingsTest, PrecisionSwitchSetsRegistryTextsAndAcceleration) {
    struct Case {
        std::int32_t enhance;
        std::u16string_view mouseSpeed, threshold1, threshold2;
        std::int32_t first, second, acceleration;
    };
    const Case cases[] = {{1, u"1", u"6", u"10", 6, 10, 1}, {0, u"0", u"0", u"0", 0, 0, 0}};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.enhance);
        profile_.mouse_enhance = each.enhance;
        RefreshMouseMoveSpeed(ports_, mouseKey_, profile_);
        EXPECT_THAT(MouseValue(u"MouseSpeed"), Optional(std::u16string(each.mouseSpeed)));
        EXPECT_THAT(MouseValue(u"MouseThreshold1"), Optional(std::u16string(each.threshold1)));
        EXPECT_THAT(MouseValue(u"MouseThreshold2"), Optional(std::u16string(each.threshold2)));
        const platform::MouseAcceleration applied = system_.Acceleration();
        EXPECT_EQ(applied.firstThreshold, each.first);
        EXPECT_EQ(applied.secondThreshold, each.second);
        EXPECT_EQ(applied.acceleration, each.acceleration);
    }
}

TEST_F(PointerSettingsTest, WheelScrollsLinesOrAPageIgnoringTheLines) {
    profile_.Scroll_Speed = 7;
    profile_.scroll_page = 1;
    RefreshScrollLine(ports_, profile_);
    EXPECT_EQ(system_.WheelScrollLines(), platform::kWheelPageScroll);
    profile_.scroll_page = 0;
    RefreshScrollLine(ports_, profile_);
    EXPECT_EQ(system_.WheelScrollLines(), 7u);
    EXPECT_THAT(system_.Calls(), ElementsAre("SetWheelScrollLines 4294967295 flags 1",
                                             "SetWheelScrollLines 7 flags 1"));
}

TEST_F(PointerSettingsTest, TextsAreStoredWithTheirTerminator) {
    profile_.DBClick_Speed = 4;
    profile_.mouse_enhance = 1;
    Refresh();
    const auto bytesOf = [&](std::u16string_view name) {
        return registry_.ValueBytes(RegistryRoot::CurrentUser, kMouseSubKey, name).value().size();
    };
    EXPECT_EQ(bytesOf(u"MouseThreshold2"), 6u);   // "10"
    EXPECT_EQ(bytesOf(u"MouseSpeed"), 4u);        // "1"
    EXPECT_EQ(bytesOf(u"DoubleClickSpeed"), 8u);  // "680"
    profile_.mouse_enhance = 0;
    Refresh();
    EXPECT_EQ(bytesOf(u"MouseThreshold2"), 4u);  // "0"
}

TEST_F(PointerSettingsTest, MissingMouseKeyIsCreatedForPrecisionOnly) {
    registry_.RemoveKey(RegistryRoot::CurrentUser, kMouseSubKey);
    profile_.DBClick_Speed = 10;
    profile_.mouse_enhance = 1;

    RefreshDoubleClickSpeed(ports_, profile_);
    EXPECT_FALSE(registry_.KeyExists(RegistryRoot::CurrentUser, kMouseSubKey));
    EXPECT_EQ(system_.DoubleClickTime(), 200u);

    RefreshMouseMoveSpeed(ports_, mouseKey_, profile_);
    EXPECT_EQ(MouseValue(u"DoubleClickSpeed"), std::nullopt);
    EXPECT_THAT(MouseValue(u"MouseSpeed"), Optional(std::u16string(u"1")));
    EXPECT_THAT(MouseValue(u"MouseThreshold1"), Optional(std::u16string(u"6")));
    EXPECT_THAT(MouseValue(u"MouseThreshold2"), Optional(std::u16string(u"10")));
}

TEST_F(PointerSettingsTest, EveryCallFailingStillRunsEveryStepAndWritesTheLines) {
    registry_.FailOpens(true);
    registry_.FailCreates(true);
    system_.FailAll(true);
    Refresh();
    EXPECT_THAT(debug_.Lines(), ElementsAre(u"RefreshDoubleClickSpeed\n",
                                            u"RefreshMouseMoveSpeed\n", u"RefreshScrollLine\n"));
    EXPECT_EQ(system_.Calls().size(), 4u);
    EXPECT_EQ(system_.DoubleClickTime(), 500u);
    EXPECT_EQ(system_.WheelScrollLines(), 3u);
    EXPECT_EQ(MouseValue(u"MouseSpeed"), std::nullopt);
    EXPECT_EQ(registry_.OpenKeys(), 0u);
}

TEST_F(PointerSettingsTest, RefusedWritesLeaveTheSystemCallsRunning) {
    registry_.FailWrites(true);
    profile_.Scroll_Speed = 9;
    Refresh();
    EXPECT_EQ(MouseValue(u"DoubleClickSpeed"), std::nullopt);
    EXPECT_EQ(system_.DoubleClickTime(), 680u);
    EXPECT_EQ(system_.MouseSpeed(), 10);
    EXPECT_EQ(system_.WheelScrollLines(), 9u);
    EXPECT_EQ(debug_.Lines().size(), 3u);
}

}  // namespace
