#include "control/installer_state.h"

#include <gtest/gtest.h>

TEST(InstallerStateTest, StartsWithVersionsUnsetAndAdministratorAssumed) {
    ResetInstallerState();
    EXPECT_EQ(State().VersionMajor, -1);
    EXPECT_EQ(State().VersionMinor, -1);
    EXPECT_TRUE(State().IsAdmin);
    EXPECT_FALSE(State().IsRussian);
    EXPECT_FALSE(State().InstallConfirmed);
    EXPECT_TRUE(State().ProgramFolder.empty());
}
