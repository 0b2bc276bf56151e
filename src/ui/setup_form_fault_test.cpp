#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/installer_state.h"
#include "fake_platform.h"
#include "host/common_unit.h"
#include "ui/setup_form.h"

namespace {

const std::string kFolder = "C:\\Program Files\\Norvelik\\";

class SetupFormFaultTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        State().ProductName = "Norvelik";
        State().ShortTitleRu = "Норвелик";
        State().ProgramFolder = kFolder;
        fake::Payload().Add("NORVELIK", "EXE", std::string(3 * 1024 * 1024 + 5, 'p'));
        fake::Payload().Add("NVF", "COK", std::string(1024 * 1024, 'f'));
        form = std::make_unique<TSetupForm>();
        form->Show();
        auto& ui = fake::FormToolkit();
        ASSERT_TRUE(ui.Click(form->LicenceCheckBox.Handle()));
        ASSERT_TRUE(ui.Click(form->NextBitBtn.Handle()));
    }
    void Submit(const std::string& folder = kFolder) {
        auto& ui = fake::FormToolkit();
        ASSERT_TRUE(ui.Type(form->PathLabeledEdit.Handle(), folder));
        ASSERT_TRUE(ui.Click(form->NextBitBtn.Handle()));
    }
    bool FormOpen() { return !fake::FormToolkit().Widget(form->Handle()).destroyed; }
    std::unique_ptr<TSetupForm> form;
};

TEST_F(SetupFormFaultTest, TooLittleRoomWarnsAndKeepsTheSettingsPage) {
    fake::Files().freeBytes = 2 * 1024 * 1024 + 7;
    Submit();
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    const fake::ShownBox& box = fake::MessageBoxes().shown[0];
    EXPECT_EQ(box.style, kWarningBoxStyle);
    EXPECT_EQ(box.text, "Недостаточно места на диске: для установки нужно 5 МБ, свободно 2 МБ.");
    EXPECT_FALSE(State().InstallConfirmed);
    EXPECT_TRUE(FormOpen());
    EXPECT_TRUE(form->AdvancedGroupBox.Visible());

    // Room made meanwhile: the next Next goes through.
    fake::Files().freeBytes = 5 * 1024 * 1024;
    Submit();
    EXPECT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_TRUE(State().InstallConfirmed);
    EXPECT_FALSE(FormOpen());
}

// An earlier installation's copies are replaced, so only the growth and one
// temporary copy need room.
TEST_F(SetupFormFaultTest, InstalledCopiesCountTowardsTheRoom) {
    fake::Files().AddFile(kFolder + "Norvelik.exe", std::string(3 * 1024 * 1024, 'o'));
    fake::Files().AddFile(kFolder + "nvf.cok", std::string(1024 * 1024, 'o'));
    fake::Files().freeBytes = 3 * 1024 * 1024 + 5;
    Submit();
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    EXPECT_TRUE(State().InstallConfirmed);
}

const std::string kRuleWarning =
    "Строка пути к папке с установленной программой обязательно должна содержать в себе слово "
    "\"Norvelik\"!";
const std::string kCreateWarning = "Папку с таким именем создать невозможно!";

// Whatever is typed, the user gets one of the two warnings and stays on the
// settings page, and nothing is made outside the folder asked for.
TEST_F(SetupFormFaultTest, BadFoldersGetAWarningAndKeepTheFormOpen) {
    const std::string longName = "C:\\Norvelik\\" + std::string(250, 'x');
    struct Row {
        std::string typed;
        const std::string* warning;
    } rows[] = {
        {"", &kRuleWarning},
        {"   ", &kRuleWarning},
        {"C:\\Norvelik<", &kCreateWarning},
        {"C:\\Norvelik>", &kCreateWarning},
        {"C:\\Norvelik|", &kCreateWarning},
        {"C:\\Norvelik\\\"x\"", &kCreateWarning},
        {"C:\\Norvelik*", &kCreateWarning},
        {"C:\\Norvelik?", &kCreateWarning},
        {longName, &kCreateWarning},
        {"Norvelik", &kCreateWarning},
        {"\\Norvelik", &kCreateWarning},
        {"C:Norvelik", &kCreateWarning},
        {"C:\\Norvelik\\..", &kCreateWarning},
        {"C:\\Norvelik\\..\\", &kCreateWarning},
        {"C:\\Windows\\..\\Norvelik\\.", &kCreateWarning},
        {"C:\\Plain\\.\\Norvelik", &kCreateWarning},
        {"C:\\NorvelikFile", &kCreateWarning},
        {"Q:\\Norvelik", &kCreateWarning},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        form.reset();
        SetUp();
        fake::Files().AddFile("C:\\NorvelikFile", "a file, not a folder");
        fake::Files().AddFolder("C:\\Norvelik");
        fake::Files().AddFolder("C:\\Windows");
        Submit(r.typed);
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
        EXPECT_EQ(fake::MessageBoxes().shown[0].text, *r.warning);
        EXPECT_EQ(fake::MessageBoxes().shown[0].style, kWarningBoxStyle);
        EXPECT_FALSE(State().InstallConfirmed);
        EXPECT_TRUE(FormOpen());
        EXPECT_EQ(fake::Files().Bytes("C:\\NorvelikFile"), "a file, not a folder");
        EXPECT_FALSE(fake::Files().HasFolder("C:\\Plain"));
    }
}

// Dots inside names are ordinary names, not steps up or in place.
TEST_F(SetupFormFaultTest, DotsInsideNamesAreAccepted) {
    for (const char* typed : {"C:\\Norvelik.1500", "C:\\...Norvelik", "C:\\Games..\\Norvelik"}) {
        form.reset();
        SetUp();
        Submit(typed);
        EXPECT_TRUE(fake::MessageBoxes().shown.empty()) << typed;
        EXPECT_TRUE(State().InstallConfirmed) << typed;
    }
}

}  // namespace
