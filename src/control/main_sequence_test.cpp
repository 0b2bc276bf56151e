#include "control/main_sequence.h"

#include "control/installer_state.h"
#include "fake_platform.h"
#include "host/windows_version.h"

class MainSequenceTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        ResetIsWin64();
    }
};

TEST_F(MainSequenceTest, RunsTheChecksBetweenStartAndShutdownAndEndsWithZero) {
    struct Row {
        std::uint32_t lcid;
        int answer;
        std::size_t boxes;
    } rows[] = {{0x0409, 7, 1}, {0x0409, 6, 1}, {0x0419, 7, 0}};
    for (const Row& r : rows) {
        fake::ResetAll();
        fake::SystemInfo().lcid = r.lcid;
        fake::MessageBoxes().answers = {r.answer};
        EXPECT_EQ(RunSetup(), 0);
        EXPECT_TRUE(fake::Shell().comInitialized);
        EXPECT_EQ(fake::MessageBoxes().shown.size(), r.boxes);
        EXPECT_EQ(State().Reg, nullptr);
        EXPECT_EQ(fake::Registry().openKeys(), 0);
    }
}

TEST_F(MainSequenceTest, ClosingTheFormWithoutConfirmingInstallsNothing) {
    fake::FormToolkit().userActions = [] {
        // The user closes the agreement page at once.
        for (auto& w : fake::FormToolkit().widgets) {
            if (w.second.parent == platform::kNoWidget) fake::FormToolkit().RequestClose(w.first);
        }
    };
    EXPECT_EQ(RunSetup(), 0);
    EXPECT_EQ(fake::FormToolkit().loopRuns, 1);
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    EXPECT_FALSE(fake::Registry().KeyExists(
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik"));
}

TEST_F(MainSequenceTest, AnUnexpectedErrorIsReportedAndTheSetupStillEndsWithZero) {
    // A machine-wide folder value of the wrong type is an error no step handles.
    fake::Registry().SetDword("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion",
                              "ProgramFilesDir", 1);
    EXPECT_EQ(RunSetup(), 0);
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].style, 0x200010u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].text.rfind("Установка прервана", 0), 0u);
    EXPECT_EQ(fake::FormToolkit().loopRuns, 0);
    EXPECT_EQ(State().Reg, nullptr);
    EXPECT_EQ(fake::Registry().openKeys(), 0);
}
