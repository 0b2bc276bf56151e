#include "control/startup_checks.h"

#include "fake_platform.h"
#include "host/common_unit.h"
#include "host/windows_version.h"
#include "installation/installer_state.h"
#include "installation/product_identity.h"
#include "installation/running_product.h"

namespace {

const char kUserShellFolders[] =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

const char kRussianQuestion[] =
    "The Норвелик is a Russian-language program.\r\n"
    "Can you read the following line?\r\n"
    "Это русскоязычная программа. Желаете продолжить установку?\r\n"
    "To ensure correct representation of Russian messages you may set Russian language for "
    "non-Unicode programs in Regional Options of the Control Panel.\r\n"
    "Would you like to continue installation of the program?";

}  // namespace

class StartupChecksTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        ResetIsWin64();
        // As the frame of the program starts: Russian Windows 7 x64, administrator.
        StartCommonUnit();
        WriteProductIdentity();
    }
    void TearDown() override { ShutdownCommonUnit(); }

    void EnglishUser() { State().IsRussian = false; }
};

TEST_F(StartupChecksTest, ReadsTheEnvironmentWithTheIdentityInPlace) {
    ASSERT_TRUE(StartupChecks());
    EXPECT_EQ(State().ProgramFolder, "Norvelik\\");
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
}

TEST_F(StartupChecksTest, NonAdministratorIsStoppedWithTheRightsMessage) {
    struct Row {
        bool russian;
        const char* text;
        bool extended;
    } rows[] = {
        {true, "У Вас нет права устанавливать программы!", true},
        {false, "You have no right to install applications!", false},
    };
    for (const Row& r : rows) {
        fake::MessageBoxes().Reset();
        fake::Processes().Reset();
        fake::Processes().mappings.insert("norvelik_memfile");
        fake::SystemInfo().admin = false;
        State().IsRussian = r.russian;

        EXPECT_FALSE(StartupChecks());
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u) << "no question after the refusal";
        const fake::ShownBox& box = fake::MessageBoxes().shown[0];
        EXPECT_EQ(box.text, r.text);
        EXPECT_EQ(box.caption, "Норвелик");
        EXPECT_EQ(box.style, 0x200010u);
        EXPECT_EQ(box.extended, r.extended);
        if (r.extended) {
            EXPECT_EQ(box.language, 0x19);
        }
        EXPECT_EQ(fake::Processes().probes, 0) << "the running product is left alone";
    }
}

TEST_F(StartupChecksTest, UnreadableRegistryStopsAfterItsOwnMessage) {
    fake::Registry().SetDword(kUserShellFolders, "Programs", 1);
    fake::SystemInfo().admin = false;
    EXPECT_FALSE(StartupChecks());
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].text, "Нет доступа к системному реестру");
}

TEST_F(StartupChecksTest, RunningProductIsAskedToQuitThroughItsWindow) {
    struct Row {
        const char* what;
        bool marker;
        bool window;
        bool posted;
        std::vector<std::uint32_t> sleeps;
    } rows[] = {
        {"not running", false, true, false, {}},
        {"marker without window", true, false, false, {512}},
        {"marker and window", true, true, true, {512}},
    };
    for (const Row& r : rows) {
        fake::Processes().Reset();
        fake::Clock().Reset();
        if (r.marker) fake::Processes().mappings.insert("norvelik_memfile");
        if (r.window) fake::Processes().windowsByClass["TNVMainForm"] = 0x4242;

        EXPECT_TRUE(StartupChecks()) << r.what;
        ASSERT_EQ(fake::Processes().posted.size(), r.posted ? 1u : 0u) << r.what;
        if (r.posted) {
            const fake::PostedMessage& m = fake::Processes().posted[0];
            EXPECT_EQ(m.window, 0x4242u);
            EXPECT_EQ(m.message, 0x0012u);
            EXPECT_EQ(m.wParam, 0u);
            EXPECT_EQ(m.lParam, 0);
        }
        EXPECT_EQ(fake::Clock().sleeps, r.sleeps) << r.what;
    }
}

TEST_F(StartupChecksTest, EnglishUserIsAskedWhetherTheyReadRussianAndOnlyYesGoesOn) {
    struct Row {
        int answer;
        bool goesOn;
    } rows[] = {{6, true}, {7, false}, {2, false}, {1, false}};
    for (const Row& r : rows) {
        fake::MessageBoxes().Reset();
        fake::MessageBoxes().answers = {r.answer};
        EnglishUser();

        EXPECT_EQ(StartupChecks(), r.goesOn) << "answer " << r.answer;
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
        const fake::ShownBox& box = fake::MessageBoxes().shown[0];
        EXPECT_EQ(box.text, kRussianQuestion);
        EXPECT_EQ(box.caption, "Russian is not basic language on your computer!");
        EXPECT_EQ(box.style, 0x2024u);
        EXPECT_TRUE(box.extended);
        EXPECT_EQ(box.language, 0x19);
    }
}

TEST_F(StartupChecksTest, RussianUserIsNotAsked) {
    fake::MessageBoxes().answers = {7};
    EXPECT_TRUE(StartupChecks());
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
}

TEST_F(StartupChecksTest, MarkerCountsOnlyWhenItExistedBefore) {
    EXPECT_FALSE(IsAppRunning());
    EXPECT_EQ(fake::Processes().lastProbeSize, 64u);
    fake::Processes().mappings.insert("norvelik_memfile");
    EXPECT_TRUE(IsAppRunning());
    fake::Processes().mappingCreationFails = true;
    EXPECT_FALSE(IsAppRunning());
    fake::Processes().mappingCreationFails = false;
    fake::Processes().mappings = {"norvelik_memfile2", "Norvelik_Memfile_other"};
    EXPECT_FALSE(IsAppRunning());
}
