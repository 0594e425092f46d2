// Upload, command and fetch against the emulated mouse.

#include "device/profile_transfer.h"

#include <gmock/gmock.h>

#include <cstring>
#include <functional>
#include <vector>

#include "config/defaults.h"
#include "device/button_report.h"
#include "device/settings_report.h"
#include "tests/device/link_fixture.h"
#include "tests/device/macro_fixtures.h"

using platform::portable::EmulatedMouse;
using platform::portable::GamingMouseDescription;
using platform::portable::HidDeviceDescription;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int kCommandCollection = 3;
constexpr int kButtonCollection = 5;

// A clock that lets a test act at each wait, as the mouse might meanwhile.
class ClockWithHook final : public platform::Clock {
  public:
    explicit ClockWithHook(platform::portable::ManualClock& clock) : clock_(clock) {}
    std::uint32_t TickCount() override { return clock_.TickCount(); }
    void Sleep(std::uint32_t milliseconds) override {
        clock_.Sleep(milliseconds);
        if (onSleep) onSleep();
    }
    std::function<void()> onSleep;

  private:
    platform::portable::ManualClock& clock_;
};

HidDeviceDescription MouseWithoutButtonCollection() {
    HidDeviceDescription mouse = GamingMouseDescription();
    mouse.collections.pop_back();  // the 2049-byte collection
    return mouse;
}

ProfileRecord SampleProfile() {
    ProfileRecord profile = DefaultProfileRecord();
    profile.DPI_Cur = 6;
    profile.light_type = 2;
    profile.light_Color[1] = 0x00FF00;
    profile.ButtonAssigned[3] = Macro(0xA6, {Press(0x14), Wait(50), Release(0x14), Wait(30)});
    profile.ButtonAssigned[4] = Action(0xD2);
    return profile;
}

template <typename Report>
std::vector<std::uint8_t> Bytes(const Report& report) {
    return {report.begin(), report.end()};
}

std::vector<std::uint8_t> ButtonReportOf(const ProfileRecord& profile) {
    ButtonReport report;
    BuildButtonReport(profile, report);
    return Bytes(report);
}

class TransferTest : public LinkTest {
  protected:
    using LinkTest::LinkTest;

    int FeatureCollection() {
        const auto target = TargetOf(Link().FeatureHandle());
        return target ? target->collection : -1;
    }

    ClockWithHook hookedClock_{clock_};
    const ProfileRecord profile_ = SampleProfile();
    const std::vector<std::uint8_t> initialButtons_ = mouse_.Report(4);
};

using Upload = TransferTest;

TEST_F(Upload, SendsBothReportsWithOneWaitBetween) {
    EXPECT_EQ(UploadProfile(Link(), hookedClock_, profile_), 1);
    EXPECT_EQ(mouse_.Report(3), Bytes(BuildSettingsReport(profile_)));
    EXPECT_EQ(mouse_.Report(4), ButtonReportOf(profile_));
    EXPECT_THAT(clock_.Sleeps(), ElementsAre(300));
    EXPECT_EQ(FeatureCollection(), kButtonCollection);
}

TEST_F(Upload, SettingsRefusedFourTimesThenAcceptedStillSendsButtons) {
    mouse_.RefuseNextSets(4);
    EXPECT_EQ(UploadProfile(Link(), hookedClock_, profile_), 1);
    EXPECT_EQ(mouse_.Report(4), ButtonReportOf(profile_));
    EXPECT_THAT(clock_.Sleeps(), ElementsAre(300, 300, 300, 300, 300));
}

TEST_F(Upload, SettingsRefusedFiveTimesGivesUpWithTheHandleClosed) {
    mouse_.RefuseNextSets(5);
    EXPECT_EQ(UploadProfile(Link(), hookedClock_, profile_), 0);
    EXPECT_THAT(clock_.Sleeps(), ElementsAre(300, 300, 300, 300, 300));
    EXPECT_FALSE(Link().IsOpen());
    EXPECT_EQ(mouse_.Report(4), initialButtons_);
}

TEST_F(Upload, ButtonsRefusedOnceIsNotRetried) {
    hookedClock_.onSleep = [this] { mouse_.RefuseNextSets(1); };
    EXPECT_EQ(UploadProfile(Link(), hookedClock_, profile_), 0);
    EXPECT_EQ(mouse_.Report(3), Bytes(BuildSettingsReport(profile_)));
    EXPECT_EQ(mouse_.Report(4), initialButtons_);
    EXPECT_FALSE(Link().IsOpen());
}

TEST_F(Upload, MouseUnpluggedBetweenTheReports) {
    hookedClock_.onSleep = [this] { mouse_.Unplug(); };
    EXPECT_EQ(UploadProfile(Link(), hookedClock_, profile_), 0);
    EXPECT_EQ(mouse_.Report(3), Bytes(BuildSettingsReport(profile_)));
    EXPECT_EQ(mouse_.Report(4), initialButtons_);
    EXPECT_FALSE(Link().IsOpen());
}

TEST_F(Upload, AbsentMouseFailsAtOnce) {
    mouse_.Unplug();
    EXPECT_EQ(UploadProfile(Link(), hookedClock_, profile_), 0);
    EXPECT_THAT(clock_.Sleeps(), IsEmpty());
}

class UploadWithoutButtonCollection : public TransferTest {
  protected:
    UploadWithoutButtonCollection() : TransferTest(MouseWithoutButtonCollection()) {}
};

TEST_F(UploadWithoutButtonCollection, FailsAlthoughSettingsWereAccepted) {
    EXPECT_EQ(UploadProfile(Link(), hookedClock_, profile_), 0);
    EXPECT_EQ(mouse_.Report(3), Bytes(BuildSettingsReport(profile_)));
    EXPECT_FALSE(Link().IsOpen());
}

TEST_F(UploadWithoutButtonCollection, FetchDecodesSettingsThenFails) {
    ProfileRecord active = DefaultProfileRecord();
    EXPECT_EQ(FetchProfileFromMouse(Link(), hookedClock_, active, active), 0);
    EXPECT_EQ(active.DPI_Cur, 0);  // what the mouse's blank report 3 says
    EXPECT_THAT(clock_.Sleeps(), IsEmpty());
}

using Command = TransferTest;

TEST_F(Command, SendsTheCommandReportOnceAndKeepsTheHandle) {
    Link().Open(40);
    EXPECT_EQ(SendDeviceCommand(Link()), 1);
    EXPECT_EQ(mouse_.Report(6), Bytes(BuildCommandReport()));
    EXPECT_EQ(FeatureCollection(), kCommandCollection);

    mouse_.RefuseNextSets(1);
    EXPECT_EQ(SendDeviceCommand(Link()), 0);
    EXPECT_EQ(FeatureCollection(), kCommandCollection);
}

TEST_F(Command, AbsentMouseSendsNothing) {
    const auto before = mouse_.Report(6);
    mouse_.Unplug();
    EXPECT_EQ(SendDeviceCommand(Link()), 0);
    EXPECT_EQ(mouse_.Report(6), before);
}

class Fetch : public TransferTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(UploadProfile(Link(), clock_, profile_), 1);
        Link().Close();
    }
    // Sleeps during the fetch, after those of the upload.
    std::vector<std::uint32_t> FetchSleeps() const {
        const auto sleeps = clock_.Sleeps();
        return {sleeps.begin() + 1, sleeps.end()};
    }
    ProfileRecord active_ = DefaultProfileRecord();
};

TEST_F(Fetch, ReadsBothReportsWithAWaitBeforeTheSecond) {
    EXPECT_EQ(FetchProfileFromMouse(Link(), hookedClock_, active_, profile_), 1);
    EXPECT_EQ(active_.DPI_Cur, 6);
    EXPECT_EQ(active_.light_Color[1], 0x00FF00);
    EXPECT_EQ(active_.ButtonAssigned[4].ActionCode, 0xD2);
    const ButtonAssignment& macro = active_.ButtonAssigned[3];
    EXPECT_EQ(macro.ActionCode, 0xA6);
    EXPECT_EQ(macro.EventCount, 4);
    EXPECT_EQ(macro.MacroRef, profile_.ButtonAssigned[3].MacroRef);
    EXPECT_THAT(FetchSleeps(), ElementsAre(300));
    EXPECT_EQ(FeatureCollection(), kButtonCollection);
}

TEST_F(Fetch, SettingsNotDeliveredLeavesTheProfileUntouched) {
    mouse_.RefuseNextGets(1);
    EXPECT_EQ(FetchProfileFromMouse(Link(), hookedClock_, active_, profile_), 0);
    const ProfileRecord untouched = DefaultProfileRecord();
    EXPECT_EQ(std::memcmp(&active_, &untouched, sizeof active_), 0);
    EXPECT_FALSE(Link().IsOpen());
}

TEST_F(Fetch, ButtonsNotDeliveredKeepTheDecodedSettingsOnly) {
    hookedClock_.onSleep = [this] { mouse_.RefuseNextGets(1); };
    EXPECT_EQ(FetchProfileFromMouse(Link(), hookedClock_, active_, profile_), 0);
    EXPECT_EQ(active_.DPI_Cur, 6);
    const auto untouched = DefaultProfileRecord().ButtonAssigned;
    EXPECT_EQ(std::memcmp(&active_.ButtonAssigned, &untouched, sizeof untouched), 0);
    EXPECT_FALSE(Link().IsOpen());
}

TEST_F(Fetch, MouseUnpluggedBetweenTheReports) {
    hookedClock_.onSleep = [this] { mouse_.Unplug(); };
    EXPECT_EQ(FetchProfileFromMouse(Link(), hookedClock_, active_, profile_), 0);
    EXPECT_EQ(active_.DPI_Cur, 6);
    EXPECT_FALSE(Link().IsOpen());
}

}  // namespace
