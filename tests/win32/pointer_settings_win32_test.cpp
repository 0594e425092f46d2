// The pointer settings applied through the system's registry and system
// parameters under Wine, read back with the system's own functions.

#include <gmock/gmock.h>
#include <windows.h>

#include "config/defaults.h"
#include "platform/portable/recorded_debug_output.h"
#include "platform/win32/session_parameters.h"
#include "platform/win32/system_registry.h"
#include "pointer/pointer_settings.h"

namespace {

constexpr wchar_t kMouseKey[] = L"Control Panel\\Mouse";

struct StoredValue {
    DWORD type = REG_NONE;
    DWORD bytes = 0;
    std::wstring text;
};

StoredValue ReadValue(HKEY root, const wchar_t* subKey, const wchar_t* name) {
    StoredValue value;
    wchar_t buffer[64] = {};
    value.bytes = sizeof(buffer);
    if (RegGetValueW(root, subKey, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type, buffer,
                     &value.bytes) == ERROR_SUCCESS) {
        value.text = buffer;
    }
    return value;
}

class PointerSettingsWin32Test : public ::testing::Test {
  protected:
    platform::win32::SystemRegistry registry_;
    platform::win32::SessionParameters system_;
    platform::portable::RecordedDebugOutput debug_;
    PointerPorts ports_{registry_, system_, debug_};
    RegistryPathKey mouseKey_{registry_};
};

TEST_F(PointerSettingsWin32Test, ProfileReachesTheSessionAndTheRegistry) {
    struct Case {
        std::int32_t dbClick, mouseSpeed, scrollSpeed, scrollPage, enhance;
        const wchar_t* doubleClickText;
        std::uint32_t doubleClickTime;
        const wchar_t* precisionTexts[3];
        DWORD threshold2Bytes;
        int acceleration[3];
        std::uint32_t wheel;
    };
    const Case cases[] = {
        {4, 5, 7, 0, 1, L"680", 680, {L"1", L"6", L"10"}, 6, {6, 10, 1}, 7},
        {10, 10, 7, 1, 0, L"200", 200, {L"0", L"0", L"0"}, 4, {0, 0, 0}, WHEEL_PAGESCROLL},
    };
    const wchar_t* const precisionNames[3] = {L"MouseSpeed", L"MouseThreshold1",
                                              L"MouseThreshold2"};
    for (const Case& each : cases) {
        SCOPED_TRACE(each.dbClick);
        ProfileRecord profile = DefaultProfileRecord();
        profile.DBClick_Speed = each.dbClick;
        profile.Mouse_Speed = each.mouseSpeed;
        profile.Scroll_Speed = each.scrollSpeed;
        profile.scroll_page = each.scrollPage;
        profile.mouse_enhance = each.enhance;
        RefreshPointerSettings(ports_, mouseKey_, profile);

        const StoredValue doubleClick =
            ReadValue(HKEY_CURRENT_USER, kMouseKey, L"DoubleClickSpeed");
        EXPECT_EQ(doubleClick.type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(doubleClick.text, each.doubleClickText);
        EXPECT_EQ(doubleClick.bytes, 8u);
        EXPECT_EQ(system_.DoubleClickTime(), each.doubleClickTime);
        EXPECT_EQ(GetDoubleClickTime(), each.doubleClickTime);

        for (int index = 0; index < 3; ++index) {
            const StoredValue stored =
                ReadValue(HKEY_CURRENT_USER, kMouseKey, precisionNames[index]);
            EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
            EXPECT_EQ(stored.text, each.precisionTexts[index]);
        }
        EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kMouseKey, L"MouseThreshold2").bytes,
                  each.threshold2Bytes);

        int acceleration[3] = {-1, -1, -1};
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETMOUSE, 0, acceleration, 0));
        EXPECT_THAT(acceleration, ::testing::ElementsAreArray(each.acceleration));
        // The pointer speed is not read back: Wine 8 takes it from uiParam,
        // where Windows takes it from pvParam. The native suite checks it.
        UINT lines = 0;
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
        EXPECT_EQ(lines, each.wheel);
        EXPECT_EQ(system_.WheelScrollLines(), each.wheel);
    }
    EXPECT_EQ(debug_.Lines().size(), 6u);
}

TEST_F(PointerSettingsWin32Test, RegistryPathKeyCreatesAMissingKeyAndWritesIntoIt) {
    constexpr wchar_t kTestKey[] = L"Software\\GamingMouseHid tests\\Created";
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\GamingMouseHid tests");

    RegistryPathKey key(registry_);
    ASSERT_EQ(key.Open(u"hkey_current_user\\Software\\GamingMouseHid tests\\Created",
                       platform::kKeyAllAccess),
              1);
    EXPECT_EQ(key.SetString(u"Value", u"10"), 1);
    key.Close();
    EXPECT_EQ(key.SetString(u"Value", u"11"), 0);

    const StoredValue stored = ReadValue(HKEY_CURRENT_USER, kTestKey, L"Value");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.text, L"10");
    EXPECT_EQ(stored.bytes, 6u);
    EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\GamingMouseHid tests"), ERROR_SUCCESS);
}

TEST_F(PointerSettingsWin32Test, KeyOpenedForReadingRefusesWrites) {
    const platform::RegistryKey key =
        registry_.Open(platform::RegistryRoot::CurrentUser, u"Control Panel\\Mouse", KEY_READ);
    ASSERT_NE(key, 0u);
    EXPECT_FALSE(registry_.SetString(key, u"DoubleClickSpeed", u"500"));
    registry_.Close(key);
    EXPECT_EQ(registry_.Open(platform::RegistryRoot::CurrentUser, u"Control Panel\\No such key",
                             platform::kKeyReadWrite),
              0u);
}

}  // namespace
