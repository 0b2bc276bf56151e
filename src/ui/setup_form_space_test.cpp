#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/installer_state.h"
#include "fake_platform.h"
#include "host/common_unit.h"
#include "ui/setup_form.h"

namespace {

const std::string kFolder = "C:\\Program Files\\Norvelik\\";

class SetupFormSpaceTest : public FakePlatformTest {
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
    void Submit() {
        auto& ui = fake::FormToolkit();
        ASSERT_TRUE(ui.Type(form->PathLabeledEdit.Handle(), kFolder));
        ASSERT_TRUE(ui.Click(form->NextBitBtn.Handle()));
    }
    bool FormOpen() { return !fake::FormToolkit().Widget(form->Handle()).destroyed; }
    std::unique_ptr<TSetupForm> form;
};

TEST_F(SetupFormSpaceTest, TooLittleRoomWarnsAndKeepsTheSettingsPage) {
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
TEST_F(SetupFormSpaceTest, InstalledCopiesCountTowardsTheRoom) {
    fake::Files().AddFile(kFolder + "Norvelik.exe", std::string(3 * 1024 * 1024, 'o'));
    fake::Files().AddFile(kFolder + "nvf.cok", std::string(1024 * 1024, 'o'));
    fake::Files().freeBytes = 3 * 1024 * 1024 + 5;
    Submit();
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    EXPECT_TRUE(State().InstallConfirmed);
}

}  // namespace
