#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/complete_setup.h"
#include "fake_platform.h"
#include "installation/installer_state.h"

namespace {

const std::string kFolder = "C:\\Program Files\\Norvelik\\";
const std::string kProgram = kFolder + "Norvelik.exe";
constexpr std::uint32_t kAnyProcess = 0xFFFFFFFF;

class RunInstalledProgramTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake::Files().AddFolder(kFolder);
        State().ProgramFolder = kFolder;
        State().ProductName = "Norvelik";
    }
};

TEST_F(RunInstalledProgramTest, DesktopShellStartsTheProductWhenItAnswers) {
    fake::Shell().desktopShellAnswers = true;
    RunInstalledProgram();
    ASSERT_EQ(fake::Shell().openedAsDesktopUser.size(), 1u);
    const fake::OpenedFile& opened = fake::Shell().openedAsDesktopUser[0];
    EXPECT_EQ(opened.file, kProgram);
    EXPECT_EQ(opened.parameters, "");
    // The desktop's shell has a working folder of its own.
    EXPECT_EQ(opened.workingFolder, kFolder);
    EXPECT_EQ(opened.showCommand, 1);
    // Started once only: the setup's own open is not tried as well.
    EXPECT_TRUE(fake::Shell().opened.empty());
    EXPECT_EQ(fake::Processes().allowedForeground, std::vector<std::uint32_t>{kAnyProcess});
}

TEST_F(RunInstalledProgramTest, WithoutADesktopShellTheSetupOpensItItself) {
    fake::Shell().desktopShellAnswers = false;
    RunInstalledProgram();
    EXPECT_TRUE(fake::Shell().openedAsDesktopUser.empty());
    ASSERT_EQ(fake::Shell().opened.size(), 1u);
    EXPECT_EQ(fake::Shell().opened[0].file, kProgram);
    EXPECT_EQ(fake::Shell().opened[0].workingFolder, "");
    EXPECT_EQ(fake::Files().workingFolder, kFolder);
    // The window may still come to the front, whoever started it.
    EXPECT_EQ(fake::Processes().allowedForeground, std::vector<std::uint32_t>{kAnyProcess});
}

}  // namespace
