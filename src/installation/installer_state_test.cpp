#include "installation/installer_state.h"

#include <gtest/gtest.h>

// Every fixture starts from here: a field the reset forgot would carry one
// test's state into the next.
TEST(InstallerStateTest, ResetPutsBackTheStateBeforeStartUp) {
    InstallerState& s = State();
    s.VersionMajor = 1500;
    s.VersionMinor = 0;
    s.IsAdmin = false;
    s.IsRussian = true;
    s.InstallConfirmed = true;
    s.ProgramFolder = "C:\\Norvelik\\";
    s.FileList = "nvf.cok;";
    ResetInstallerState();
    EXPECT_EQ(State().VersionMajor, -1);
    EXPECT_EQ(State().VersionMinor, -1);
    EXPECT_TRUE(State().IsAdmin);
    EXPECT_FALSE(State().IsRussian);
    EXPECT_FALSE(State().InstallConfirmed);
    EXPECT_TRUE(State().ProgramFolder.empty());
    EXPECT_TRUE(State().FileList.empty());
}
