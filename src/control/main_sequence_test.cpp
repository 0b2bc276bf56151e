#include "control/main_sequence.h"

#include "fake_platform.h"
#include "host/common_unit.h"
#include "host/windows_version.h"
#include "installation/installer_state.h"

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
        EXPECT_FALSE(HasReg());
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

// What ends the setup before its form: an error no step handles (a
// machine-wide folder value of the wrong type), or another setup or
// uninstaller that holds the machine's lock. Either is reported in the current
// mode and the setup ends with 0, having asked no product to quit. A lock the
// system cannot make stops nobody.
TEST_F(MainSequenceTest, WhatStopsTheSetupBeforeItsFormIsReportedAndItEndsWithZero) {
    enum class Cause { WrongType, LockHeld, LockUnavailable };
    struct Row {
        Cause cause;
        std::uint32_t lcid;
        std::uint32_t style;  // 0: no message, the form runs
        const char* text;
    } rows[] = {
        {Cause::WrongType, 0x0419, 0x200010,
         "Установка прервана из-за непредвиденной ошибки:\r\n"
         "Invalid data type for 'ProgramFilesDir'"},
        {Cause::LockHeld, 0x0419, 0x42030,
         "На этом компьютере уже работает установка или удаление программы \"Норвелик\".\r\n"
         "Дождитесь её окончания и запустите эту программу снова."},
        {Cause::LockHeld, 0x0409, 0x42030,
         "Another setup or uninstaller of \"Норвелик\" is running on this computer.\r\n"
         "Please wait until it ends, then start this program again."},
        {Cause::LockUnavailable, 0x0419, 0, nullptr},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::SystemInfo().lcid = r.lcid;
        fake::Processes().mappings.insert("norvelik_memfile");  // the product runs
        fake::Processes().windowsByClass["TNVMainForm"] = 0x1234;
        switch (r.cause) {
            case Cause::WrongType:
                fake::Registry().SetDword("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion",
                                          "ProgramFilesDir", 1);
                break;
            case Cause::LockHeld:
                fake::Processes().locksHeldElsewhere["Global\\Norvelik.Setup"] =
                    fake::FakeProcesses::kHeldForever;
                break;
            case Cause::LockUnavailable:
                fake::Processes().lockCreation = platform::kErrorInvalidName;
                break;
        }
        const int row = static_cast<int>(&r - rows);

        EXPECT_EQ(RunSetup(), 0) << row;
        if (r.style == 0) {
            EXPECT_EQ(fake::FormToolkit().loopRuns, 1) << row;
            continue;
        }
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u) << row;
        EXPECT_EQ(fake::MessageBoxes().shown[0].text, r.text) << row;
        EXPECT_EQ(fake::MessageBoxes().shown[0].caption, "Норвелик") << row;
        EXPECT_EQ(fake::MessageBoxes().shown[0].style, r.style) << row;
        EXPECT_EQ(fake::FormToolkit().loopRuns, 0) << row;
        EXPECT_TRUE(fake::Processes().posted.empty()) << row;
        EXPECT_FALSE(HasReg()) << row;
        EXPECT_EQ(fake::Registry().openKeys(), 0) << row;
    }
}
