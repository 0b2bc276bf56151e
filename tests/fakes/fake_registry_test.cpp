// What the fake registry models beyond the rules the contract tests hold it
// and Windows to (tests/contract): a user without administrator rights.
#include "fake_platform.h"

using platform::RegRoot;

class FakeRegistryTest : public FakePlatformTest {};

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
