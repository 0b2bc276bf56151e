// The fake registry must follow the rules of the real one that the setup
// program relies on, or tests against it prove nothing.
#include "fake_platform.h"

using platform::RegRoot;

class FakeRegistryTest : public FakePlatformTest {};

TEST_F(FakeRegistryTest, ThirtyTwoBitViewLandsUnderWow6432Node) {
    platform::RegKey key;
    ASSERT_EQ(platform::RegOpen(RegRoot::LocalMachine, "Software\\Vendor\\",
                                platform::kKeyAllAccess, true, &key),
              platform::kSuccess);
    platform::RegWriteString(key, "v", "x");
    platform::RegClose(key);
    EXPECT_TRUE(fake::Registry().HasValue("HKLM\\Software\\WOW6432Node\\Vendor", "v"));
    EXPECT_FALSE(fake::Registry().KeyExists("HKLM\\Software\\Vendor"));
}

TEST_F(FakeRegistryTest, SixtyFourBitFlagReachesNativeViewAndNamingTheNodeIsNotRedirected) {
    platform::RegKey key;
    platform::RegOpen(RegRoot::LocalMachine, "Software\\Vendor",
                      platform::kKeyAllAccess | platform::kKeyWow64_64Key, true, &key);
    platform::RegClose(key);
    platform::RegOpen(RegRoot::LocalMachine, "Software\\WOW6432Node\\Other",
                      platform::kKeyAllAccess | platform::kKeyWow64_64Key, true, &key);
    platform::RegClose(key);
    EXPECT_TRUE(fake::Registry().KeyExists("HKLM\\Software\\Vendor"));
    EXPECT_TRUE(fake::Registry().KeyExists("HKLM\\Software\\WOW6432Node\\Other"));
    EXPECT_FALSE(fake::Registry().KeyExists("HKLM\\Software\\WOW6432Node\\WOW6432Node"));
}

TEST_F(FakeRegistryTest, CurrentUserIsNeverRedirected) {
    EXPECT_EQ(fake::Registry().Resolve(RegRoot::CurrentUser, "Software\\X", 0xF003F),
              "HKCU\\Software\\X");
}

TEST_F(FakeRegistryTest, StringReadOfDwordIsInvalidDataAndMissingValueIsNotFound) {
    fake::Registry().SetDword("HKCU\\K", "n", 7);
    platform::RegKey key;
    ASSERT_EQ(platform::RegOpen(RegRoot::CurrentUser, "K", platform::kKeyAllAccess, false, &key),
              0u);
    std::string text = "unchanged";
    EXPECT_EQ(platform::RegReadString(key, "n", &text, nullptr), platform::kErrorInvalidData);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(platform::RegReadString(key, "missing", &text, nullptr),
              platform::kErrorFileNotFound);
    platform::RegClose(key);
}

TEST_F(FakeRegistryTest, NonAdministratorCannotOpenMachineKeysForWriting) {
    fake::Registry().CreateKey("HKLM\\Software\\WOW6432Node\\A");
    fake::Registry().hklmReadOnly = true;
    platform::RegKey key;
    EXPECT_EQ(platform::RegOpen(RegRoot::LocalMachine, "Software\\A", platform::kKeyAllAccess,
                                false, &key),
              platform::kErrorAccessDenied);
    EXPECT_EQ(key, platform::kNoKey);
    EXPECT_EQ(
        platform::RegOpen(RegRoot::LocalMachine, "Software\\A", platform::kKeyRead, false, &key),
        platform::kSuccess);
    platform::RegClose(key);
}

TEST_F(FakeRegistryTest, DeleteTreeRemovesSubkeysOnlyOfThatKey) {
    fake::Registry().CreateKey("HKLM\\Software\\A\\B\\C");
    fake::Registry().CreateKey("HKLM\\Software\\AB");
    EXPECT_EQ(
        platform::RegDeleteTree(RegRoot::LocalMachine, "Software\\A", platform::kKeyWow64_64Key),
        platform::kSuccess);
    EXPECT_FALSE(fake::Registry().KeyExists("HKLM\\Software\\A\\B"));
    EXPECT_TRUE(fake::Registry().KeyExists("HKLM\\Software\\AB"));
}
