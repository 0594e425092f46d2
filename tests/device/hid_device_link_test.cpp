// Finding and opening the mouse's collections, the two roles, feature reports.

#include <gmock/gmock.h>

#include "platform/window_messages.h"
#include "tests/device/link_fixture.h"

using platform::kInvalidHidHandle;
using platform::portable::EmulatedMouse;
using platform::portable::GamingMouseDescription;
using platform::portable::HidCollectionDescription;
using platform::portable::HidDeviceDescription;

namespace {

constexpr int kInputCollection = 2;

class HidDeviceLinkTest : public LinkTest {
  protected:
    using LinkTest::LinkTest;
};

TEST_F(HidDeviceLinkTest, AbsentMouseLeavesBothHandlesInvalid) {
    mouse_.Unplug();
    EXPECT_EQ(Link().Open(40), 0);
    EXPECT_EQ(Link().FeatureHandle(), kInvalidHidHandle);
    EXPECT_EQ(Link().InputHandle(), kInvalidHidHandle);
    EXPECT_FALSE(Link().IsOpen());
    std::uint8_t report[40] = {3};
    EXPECT_EQ(Link().SetFeature(report, 40), 0);
    EXPECT_EQ(Link().GetFeature(report, 40), 0);
    EXPECT_EQ(mouse_.OpenHandleCount(), 0);
}

TEST_F(HidDeviceLinkTest, StartFindsNoHundredByteReportsYetTakesTheInputCollection) {
    std::uintptr_t notification = 0;
    EXPECT_EQ(Link().Start(window_, notification), 1);
    EXPECT_NE(notification, 0u);
    EXPECT_FALSE(Link().IsOpen());
    EXPECT_EQ(TargetOf(Link().InputHandle()), (EmulatedMouse::Target{0, kInputCollection}));
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);
}

TEST_F(HidDeviceLinkTest, StartRegistersTheWindowForArrivalsAndRemovals) {
    Start();
    mouse_.Unplug();
    mouse_.Plug();
    const auto received = desktop_.ReceivedBy(window_);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].message, platform::kMsgDeviceChange);
    EXPECT_EQ(received[1].message, platform::kMsgDeviceChange);
}

TEST_F(HidDeviceLinkTest, RefusedRegistrationMakesStartReturnZero) {
    mouse_.RefuseNotifications();
    std::uintptr_t notification = 7;
    EXPECT_EQ(Link().Start(window_, notification), 0);
    EXPECT_EQ(notification, 0u);
}

TEST_F(HidDeviceLinkTest, OpenTakesTheCollectionOfTheRequestedLength) {
    for (const auto& [length, collection] : {std::pair{8, 3}, {40, 4}, {2049, 5}}) {
        EXPECT_EQ(Link().Open(length), 1);
        EXPECT_EQ(TargetOf(Link().FeatureHandle()), (EmulatedMouse::Target{0, collection}));
        EXPECT_EQ(TargetOf(Link().InputHandle()), (EmulatedMouse::Target{0, kInputCollection}));
        EXPECT_EQ(mouse_.OpenHandleCount(), 2);
    }
}

TEST_F(HidDeviceLinkTest, FeatureReportsTravelThroughTheFeatureHandle) {
    ASSERT_EQ(Link().Open(40), 1);
    std::vector<std::uint8_t> settings(40, 0);
    settings[0] = 3;
    settings[1] = 5;
    settings[39] = 0xEE;
    EXPECT_EQ(Link().SetFeature(settings.data(), 40), 1);
    EXPECT_EQ(mouse_.Report(3), settings);

    std::vector<std::uint8_t> answer(40, 0);
    answer[0] = 3;
    EXPECT_EQ(Link().GetFeature(answer.data(), 40), 1);
    EXPECT_EQ(answer, settings);

    mouse_.RefuseNextSets(1);
    EXPECT_EQ(Link().SetFeature(settings.data(), 40), 0);
    EXPECT_EQ(Link().SetFeature(settings.data(), 40), 1);
}

TEST_F(HidDeviceLinkTest, UnpluggedHandleStaysUntilTheNextOpenAndTransfersFail) {
    ASSERT_EQ(Link().Open(40), 1);
    mouse_.Unplug();
    EXPECT_TRUE(Link().IsOpen());
    std::uint8_t report[40] = {3};
    EXPECT_EQ(Link().SetFeature(report, 40), 0);
    EXPECT_EQ(Link().Open(40), 0);
    EXPECT_EQ(mouse_.OpenHandleCount(), 0);
}

struct Identifiers {
    std::uint16_t vendor;
    std::uint16_t product;
    int expected;
};

class AcceptedIdentifiersTest : public HidDeviceLinkTest,
                                public ::testing::WithParamInterface<Identifiers> {
  protected:
    AcceptedIdentifiersTest() : HidDeviceLinkTest(MouseWith(GetParam())) {}

    static HidDeviceDescription MouseWith(const Identifiers& identifiers) {
        HidDeviceDescription mouse = GamingMouseDescription();
        mouse.vendorId = identifiers.vendor;
        mouse.productId = identifiers.product;
        return mouse;
    }
};

TEST_P(AcceptedIdentifiersTest, AnyAcceptedVendorWithAnyAcceptedProduct) {
    EXPECT_EQ(Link().Open(40), GetParam().expected);
    EXPECT_EQ(mouse_.OpenHandleCount(), 2 * GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, AcceptedIdentifiersTest,
    ::testing::Values(Identifiers{0x1B80, 0xB412, 1}, Identifiers{0x3938, 0xB412, 1},
                      Identifiers{0x1B80, 0x1101, 1}, Identifiers{0x3938, 0x1101, 1},
                      Identifiers{0x1B81, 0xB412, 0}, Identifiers{0x1B80, 0xB413, 0},
                      Identifiers{0x0603, 0x1020, 0}));

TEST_F(HidDeviceLinkTest, AnotherVendorsDeviceWithTheSameLengthsIsClosed) {
    mouse_.AddDevice(platform::portable::OtherVendorDescription());
    ASSERT_EQ(Link().Open(40), 1);
    EXPECT_EQ(TargetOf(Link().FeatureHandle())->device, EmulatedMouse::kMouse);
    EXPECT_EQ(TargetOf(Link().InputHandle())->device, EmulatedMouse::kMouse);
    EXPECT_EQ(mouse_.OpenHandleCount(), 2);

    mouse_.Unplug();
    EXPECT_EQ(Link().Open(40), 0);
    EXPECT_EQ(Link().InputHandle(), kInvalidHidHandle);
    EXPECT_EQ(mouse_.OpenHandleCount(), 0);
}

TEST_F(HidDeviceLinkTest, SkipsCollectionsThatCannotBeOpened) {
    mouse_.FailNextOpens(3);  // pointer, keyboard and the input collection
    EXPECT_EQ(Link().Open(40), 1);
    EXPECT_EQ(Link().InputHandle(), kInvalidHidHandle);
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);
}

HidDeviceDescription MouseWithTwiceEachRole() {
    HidDeviceDescription mouse = GamingMouseDescription();
    mouse.collections.push_back({.inputReportLength = 4, .featureReportLength = 0});
    mouse.collections.push_back({.inputReportLength = 0, .featureReportLength = 40});
    return mouse;
}

class TwoCandidatesTest : public HidDeviceLinkTest {
  protected:
    TwoCandidatesTest() : HidDeviceLinkTest(MouseWithTwiceEachRole()) {}
};

TEST_F(TwoCandidatesTest, TheLastListedCandidateWinsEachRole) {
    ASSERT_EQ(Link().Open(40), 1);
    EXPECT_EQ(TargetOf(Link().FeatureHandle()), (EmulatedMouse::Target{0, 7}));
    EXPECT_EQ(TargetOf(Link().InputHandle()), (EmulatedMouse::Target{0, 6}));
    EXPECT_EQ(mouse_.OpenHandleCount(), 2);
}

HidDeviceDescription MouseWithOneCollectionForBothRoles() {
    return {.vendorId = 0x1B80,
            .productId = 0xB412,
            .collections = {
                HidCollectionDescription{.inputReportLength = 4, .featureReportLength = 40}}};
}

class SharedCollectionTest : public HidDeviceLinkTest {
  protected:
    SharedCollectionTest() : HidDeviceLinkTest(MouseWithOneCollectionForBothRoles()) {}
};

// A double close shows up as a misuse in the emulated mouse (TearDown).
TEST_F(SharedCollectionTest, ServesBothRolesAndIsClosedOnce) {
    ASSERT_EQ(Link().Open(40), 1);
    EXPECT_EQ(Link().FeatureHandle(), Link().InputHandle());
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);

    Link().Close();
    EXPECT_FALSE(Link().IsOpen());
    EXPECT_NE(Link().InputHandle(), kInvalidHidHandle);
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);
    Link().Close();
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);

    ASSERT_EQ(Link().Open(40), 1);
    ASSERT_EQ(Link().Open(40), 1);
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);
}

TEST_F(HidDeviceLinkTest, CloseTwiceClosesOnce) {
    ASSERT_EQ(Link().Open(8), 1);
    Link().Close();
    Link().Close();
    EXPECT_FALSE(Link().IsOpen());
    EXPECT_EQ(mouse_.OpenHandleCount(), 1);
}

}  // namespace
