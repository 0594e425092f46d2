#include "pointer/registry_path_key.h"

#include <gmock/gmock.h>

#include "platform/portable/memory_registry.h"

using platform::RegistryRoot;
using platform::portable::MemoryRegistry;

namespace {

constexpr std::u16string_view kMousePath = u"HKEY_CURRENT_USER\\Control Panel\\Mouse";

struct SplitCase {
    std::u16string_view path;
    RegistryRoot root;
    std::u16string_view subKey;
};

class RegistryPathKeyTest : public ::testing::Test {
  protected:
    MemoryRegistry registry_;
    RegistryPathKey key_{registry_};
};

TEST_F(RegistryPathKeyTest, SplitRootPicksTheNamedRootWhateverItsCase) {
    const SplitCase cases[] = {
        {u"HKEY_CURRENT_USER\\Control Panel\\Mouse", RegistryRoot::CurrentUser,
         u"Control Panel\\Mouse"},
        {u"hkey_current_user\\Control Panel\\Mouse", RegistryRoot::CurrentUser,
         u"Control Panel\\Mouse"},
        {u"HKEY_LOCAL_MACHINE\\Software", RegistryRoot::LocalMachine, u"Software"},
        {u"Hkey_Current_Config\\System", RegistryRoot::CurrentConfig, u"System"},
        {u"HKEY_CLASSES_ROOT\\.txt", RegistryRoot::ClassesRoot, u".txt"},
        // Unknown roots: the local machine, with the whole path as the sub-key.
        {u"HKEY_USERS\\.DEFAULT\\Control Panel", RegistryRoot::LocalMachine,
         u"HKEY_USERS\\.DEFAULT\\Control Panel"},
        {u"Software\\Vendor", RegistryRoot::LocalMachine, u"Software\\Vendor"},
    };
    for (const SplitCase& each : cases) {
        SCOPED_TRACE(std::string(each.path.begin(), each.path.end()));
        RegistryPathKey key(registry_);
        EXPECT_EQ(key.SplitRoot(each.path), 1);
        EXPECT_EQ(key.rootKey, each.root);
        EXPECT_EQ(TextOf(key.subKeyPath), each.subKey);
    }
}

TEST_F(RegistryPathKeyTest, PathWithoutBackslashIsRefusedAndChangesNothing) {
    ASSERT_EQ(key_.SplitRoot(kMousePath), 1);
    for (std::u16string_view path : {u"HKEY_CURRENT_USER", u""}) {
        EXPECT_EQ(key_.SplitRoot(path), 0);
        EXPECT_EQ(key_.rootKey, RegistryRoot::CurrentUser);
        EXPECT_EQ(TextOf(key_.subKeyPath), u"Control Panel\\Mouse");
    }
}

TEST_F(RegistryPathKeyTest, OpenOfPathWithoutBackslashOpensNothing) {
    EXPECT_EQ(key_.Open(u"HKEY_CURRENT_USER", platform::kKeyAllAccess), 0);
    EXPECT_EQ(key_.openKey, 0u);
    EXPECT_EQ(key_.rootKey, std::nullopt);
    EXPECT_EQ(registry_.OpenKeys(), 0u);
    EXPECT_EQ(key_.SetString(u"MouseSpeed", u"1"), 0);
}

TEST_F(RegistryPathKeyTest, SubKeyThatDoesNotFitIsRefusedRatherThanCut) {
    const std::u16string longPath = u"HKEY_CURRENT_USER\\" + std::u16string(260, u'k');
    EXPECT_EQ(key_.SplitRoot(longPath), 0);
    EXPECT_EQ(key_.Open(longPath, platform::kKeyAllAccess), 0);
    EXPECT_EQ(registry_.OpenKeys(), 0u);

    const std::u16string fitting = u"HKEY_CURRENT_USER\\" + std::u16string(259, u'k');
    EXPECT_EQ(key_.SplitRoot(fitting), 1);
    EXPECT_EQ(TextOf(key_.subKeyPath).size(), 259u);
}

TEST_F(RegistryPathKeyTest, OpenWritesIntoTheExistingKey) {
    ASSERT_EQ(key_.Open(kMousePath, platform::kKeyAllAccess), 1);
    EXPECT_EQ(key_.SetString(u"MouseSpeed", u"1"), 1);
    EXPECT_EQ(
        registry_.StringValue(RegistryRoot::CurrentUser, u"control panel\\mouse", u"MouseSpeed"),
        u"1");
}

TEST_F(RegistryPathKeyTest, OpenCreatesAMissingKeyWhateverTheAccess) {
    registry_.RemoveKey(RegistryRoot::CurrentUser, u"Control Panel");
    ASSERT_EQ(key_.Open(kMousePath, 0x20019 /* KEY_READ */), 1);
    EXPECT_TRUE(registry_.KeyExists(RegistryRoot::CurrentUser, u"Control Panel\\Mouse"));
    EXPECT_EQ(key_.SetString(u"MouseSpeed", u"0"), 1);
}

TEST_F(RegistryPathKeyTest, KeyNeitherOpenedNorCreatedFailsEveryWrite) {
    registry_.FailOpens(true);
    registry_.FailCreates(true);
    EXPECT_EQ(key_.Open(kMousePath, platform::kKeyAllAccess), 0);
    EXPECT_EQ(key_.openKey, 0u);
    EXPECT_EQ(key_.SetString(u"MouseSpeed", u"1"), 0);
}

TEST_F(RegistryPathKeyTest, ReopeningAndClosingReleaseTheKeyHeld) {
    ASSERT_EQ(key_.Open(kMousePath, platform::kKeyAllAccess), 1);
    ASSERT_EQ(key_.Open(kMousePath, platform::kKeyAllAccess), 1);
    EXPECT_EQ(registry_.OpenKeys(), 1u);

    key_.Close();
    EXPECT_EQ(registry_.OpenKeys(), 0u);
    EXPECT_EQ(key_.openKey, 0u);
    EXPECT_EQ(TextOf(key_.subKeyPath), u"");
    EXPECT_EQ(key_.rootKey, RegistryRoot::CurrentUser);

    {
        RegistryPathKey held(registry_);
        held.Open(kMousePath, platform::kKeyAllAccess);
        EXPECT_EQ(registry_.OpenKeys(), 1u);
    }
    EXPECT_EQ(registry_.OpenKeys(), 0u);
}

}  // namespace
