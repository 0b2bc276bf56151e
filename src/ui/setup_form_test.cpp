#include "ui/setup_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "host/message_boxes.h"
#include "installation/installer_state.h"
#include "installation/product_identity.h"
#include "ui/toolkit/application.h"

namespace {

using platform::WidgetHandle;

const std::string kRuleWarning =
    "Строка пути к папке с установленной программой обязательно должна содержать в себе слово "
    "\"Norvelik\"!";
const std::string kCreateWarning = "Папку с таким именем создать невозможно!";
const std::string kDefaultFolder = "C:\\Program Files\\Norvelik\\";

class SetupFormTest : public FakePlatformTest {
  public:
    void SetUp() override {
        FakePlatformTest::SetUp();
        WriteProductIdentity();
        InstallerState& s = State();
        s.ProgramFolder = kDefaultFolder;
        s.IsRussian = true;
        // The form must set its choices itself.
        s.InstallConfirmed = true;
        s.CreateDesktopIcon = false;
        s.RunAfterInstall = false;
        Open();
    }

    // Makes the form and puts it on screen, as the application's loop does.
    void Open() {
        form = std::make_unique<TSetupForm>();
        form->Show();
        Ui().formJournal.clear();
    }

    fake::FakeFormToolkit& Ui() { return fake::FormToolkit(); }
    fake::FakeWidget& W(const TControl& c) { return Ui().Widget(c.Handle()); }
    bool Click(const TControl& c) { return Ui().Click(c.Handle()); }
    bool FormOpen() { return !W(*form).destroyed; }

    void GoToSettings() {
        ASSERT_TRUE(Click(form->LicenceCheckBox));
        ASSERT_TRUE(Click(form->NextBitBtn));
        ASSERT_TRUE(form->AdvancedGroupBox.Visible());
    }

    // Types the folder on the settings page and presses Next.
    void SubmitFolder(const std::string& folder) {
        ASSERT_TRUE(Ui().Type(form->PathLabeledEdit.Handle(), folder));
        ASSERT_TRUE(Click(form->NextBitBtn));
    }

    std::vector<std::string> WarningTexts() {
        std::vector<std::string> texts;
        for (const fake::ShownBox& box : fake::MessageBoxes().shown) {
            EXPECT_EQ(box.style, kWarningBoxStyle);
            texts.push_back(box.text);
        }
        return texts;
    }

    std::unique_ptr<TSetupForm> form;
};

platform::FontSpec Arial(int height, bool bold = false, bool italic = false) {
    platform::FontSpec f;
    f.face = "Arial";
    f.pixelHeight = height;
    f.bold = bold;
    f.italic = italic;
    f.charset = 204;
    return f;
}

// Caption width in the form's font (Arial 13 pixels) plus room for the tick.
int BoxWidth(const std::string& caption) {
    return fake::FakeTextExtent(Arial(13), caption).width + 24;
}

const std::string kLicenceCaption =
    "подтверждаю, что соглашение прочитано полностью, все его положения приняты.";
const std::string kDesktopCaption = "поместить ярлык для запуска программы на \"Рабочий стол\"";
const std::string kRunCaption = "запустить программу по окончании её установки";

TEST_F(SetupFormTest, ComponentsStartWhereTheLayoutPutsThem) {
    const TSetupForm& f = *form;
    struct Row {
        const char* name;
        const TControl& control;
        const TControl& parent;
        platform::Bounds bounds;
        bool visible;
        bool enabled;
    } rows[] = {
        {"BrandImage", f.BrandImage, f, {0, 0, 64, 60}, true, true},
        {"TitleLabel", f.TitleLabel, f, {64, 0, 489, 17}, true, true},
        {"PreLicenceLabel", f.PreLicenceLabel, f, {64, 24, 489, 41}, true, true},
        {"LicenceMemo", f.LicenceMemo, f, {0, 64, 553, 148}, true, true},
        {"LicenceCheckBox",
         f.LicenceCheckBox,
         f,
         {8, 232, BoxWidth(kLicenceCaption), 17},
         true,
         true},
        {"BottomPanel", f.BottomPanel, f, {0, 264, 553, 41}, true, true},
        {"CancelBitBtn", f.CancelBitBtn, f.BottomPanel, {8, 8, 113, 25}, true, true},
        {"NextBitBtn", f.NextBitBtn, f.BottomPanel, {432, 8, 113, 25}, true, false},
        {"AdvancedGroupBox", f.AdvancedGroupBox, f, {0, 61, 553, 203}, false, false},
        {"DesktopIconCheckBox",
         f.DesktopIconCheckBox,
         f.AdvancedGroupBox,
         {8, 32, BoxWidth(kDesktopCaption), 17},
         true,
         false},
        {"RunCheckBox",
         f.RunCheckBox,
         f.AdvancedGroupBox,
         {8, 64, BoxWidth(kRunCaption), 17},
         true,
         false},
        {"PathLabeledEdit", f.PathLabeledEdit, f.AdvancedGroupBox, {8, 136, 481, 23}, true, false},
        {"PathBitBtn", f.PathBitBtn, f.AdvancedGroupBox, {496, 136, 49, 23}, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const fake::FakeWidget& w = W(r.control);
        EXPECT_EQ(w.parent, r.parent.Handle());
        EXPECT_EQ(w.bounds, r.bounds);
        EXPECT_EQ(r.control.BoundsRect(), r.bounds);
        EXPECT_EQ(w.visible, r.visible);
        EXPECT_EQ(w.enabled, r.enabled);
    }
    const fake::FakeWidget& formWidget = W(f);
    EXPECT_EQ(formWidget.bounds.width, 553);
    EXPECT_EQ(formWidget.bounds.height, 305);
    EXPECT_TRUE(formWidget.topmost);
    EXPECT_EQ(formWidget.font, Arial(13));
}

TEST_F(SetupFormTest, FormCreateWritesEveryCaption) {
    const TSetupForm& f = *form;
    struct Row {
        const TControl& control;
        std::string text;
    } rows[] = {
        {f, "Норвелик"},
        {f.TitleLabel, "Подготовка к установке программы Норвелик версии 1500"},
        {f.PreLicenceLabel,
         "Лицензионное соглашение с конечным пользователем на использование программного "
         "обеспечения \"Норвелик\":"},
        {f.LicenceMemo, AgreementText()},
        {f.LicenceCheckBox, kLicenceCaption},
        {f.AdvancedGroupBox, "Настройки установки"},
        {f.PathLabeledEdit, kDefaultFolder},
        {f.PathLabeledEdit.EditLabel, "Папка, в которую будет установлена программа:"},
        {f.DesktopIconCheckBox, kDesktopCaption},
        {f.RunCheckBox, kRunCaption},
        {f.CancelBitBtn, "Отмена"},
        {f.NextBitBtn, "Далее"},
        {f.PathBitBtn, "..."},
    };
    for (const Row& r : rows) EXPECT_EQ(W(r.control).text, r.text);
    EXPECT_EQ(Application().Title(), "Норвелик");
    EXPECT_EQ(W(f.PathLabeledEdit).hint, kRuleWarning);
}

TEST_F(SetupFormTest, FormCreateSetsTheChoices) {
    const InstallerState& s = State();
    EXPECT_FALSE(s.InstallConfirmed);
    EXPECT_TRUE(s.CreateDesktopIcon);
    EXPECT_TRUE(s.RunAfterInstall);
    EXPECT_EQ(s.ProgramFolder, kDefaultFolder);
    EXPECT_FALSE(W(form->LicenceCheckBox).checked);
    EXPECT_TRUE(W(form->DesktopIconCheckBox).checked);
    EXPECT_TRUE(W(form->RunCheckBox).checked);
    EXPECT_EQ(Ui().focused, form->LicenceMemo.Handle());
}

TEST_F(SetupFormTest, FontsCursorsTabOrderAndButtonsFollowTheDesign) {
    const TSetupForm& f = *form;
    EXPECT_EQ(W(f.TitleLabel).font, Arial(13, true));
    EXPECT_EQ(W(f.PreLicenceLabel).font, Arial(13));
    EXPECT_EQ(W(f.LicenceMemo).font, Arial(12, false, true));
    EXPECT_EQ(W(f.PathLabeledEdit).font, Arial(12));
    EXPECT_EQ(W(f.PathLabeledEdit.EditLabel).font, Arial(12));
    EXPECT_EQ(W(f.LicenceCheckBox).font, Arial(13));
    EXPECT_EQ(W(f.RunCheckBox).font, Arial(13));
    EXPECT_TRUE(W(f.TitleLabel).centred && W(f.TitleLabel).wordWrap);
    EXPECT_TRUE(W(f.PreLicenceLabel).centred && W(f.PreLicenceLabel).wordWrap);

    for (const TControl* hand :
         std::vector<const TControl*>{&f.LicenceCheckBox, &f.CancelBitBtn, &f.NextBitBtn,
                                      &f.DesktopIconCheckBox, &f.RunCheckBox, &f.PathBitBtn}) {
        EXPECT_TRUE(W(*hand).handCursor) << W(*hand).text;
    }
    EXPECT_FALSE(W(f.LicenceMemo).handCursor);
    EXPECT_FALSE(W(f.PathLabeledEdit).handCursor);

    using H = std::vector<WidgetHandle>;
    EXPECT_EQ(Ui().tabOrders[f.Handle()], (H{f.LicenceMemo.Handle(), f.LicenceCheckBox.Handle(),
                                             f.BottomPanel.Handle(), f.AdvancedGroupBox.Handle()}));
    EXPECT_EQ(Ui().tabOrders[f.BottomPanel.Handle()],
              (H{f.CancelBitBtn.Handle(), f.NextBitBtn.Handle()}));
    EXPECT_EQ(Ui().tabOrders[f.AdvancedGroupBox.Handle()],
              (H{f.DesktopIconCheckBox.Handle(), f.RunCheckBox.Handle(), f.PathLabeledEdit.Handle(),
                 f.PathBitBtn.Handle()}));

    EXPECT_EQ(W(f).defaultButton, f.CancelBitBtn.Handle());
    EXPECT_EQ(W(f).cancelButton, f.CancelBitBtn.Handle());
    EXPECT_EQ(W(f.CancelBitBtn).imageCount, 2);
    EXPECT_EQ(W(f.CancelBitBtn).placement, platform::GlyphPlacement::LeftOfCaption);
    EXPECT_EQ(W(f.NextBitBtn).imageCount, 1);
    EXPECT_EQ(W(f.NextBitBtn).placement, platform::GlyphPlacement::RightOfCaption);
    EXPECT_NE(W(f.CancelBitBtn).bitmap, W(f.NextBitBtn).bitmap);
    EXPECT_FALSE(W(f.BrandImage).bitmap.empty());
}

TEST_F(SetupFormTest, CheckBoxesAreAsWideAsTheirCaptionInTheFormFont) {
    struct Row {
        const TCheckBox& box;
        std::size_t captionChars;
    } rows[] = {
        {form->LicenceCheckBox, 75}, {form->DesktopIconCheckBox, 55}, {form->RunCheckBox, 45}};
    for (const Row& r : rows) {
        // The fake measures 13 / 2 pixels per character of Arial 13.
        EXPECT_EQ(W(r.box).text.size(), r.captionChars);
        EXPECT_EQ(W(r.box).bounds.width, static_cast<int>(r.captionChars) * 13 / 2 + 24);
    }
}

// Ticking the consent enables the settings and Next in a fixed order;
// clearing it disables them again.
TEST_F(SetupFormTest, ConsentBoxEnablesAndDisablesInOrder) {
    const TSetupForm& f = *form;
    EXPECT_FALSE(Click(f.NextBitBtn));  // disabled before the consent
    for (bool ticked : {true, false}) {
        SCOPED_TRACE(ticked);
        Ui().enabledChanges.clear();
        ASSERT_TRUE(Click(f.LicenceCheckBox));
        std::vector<std::pair<WidgetHandle, bool>> expected = {
            {f.AdvancedGroupBox.Handle(), ticked},
            {f.PathLabeledEdit.Handle(), ticked},
            {f.PathLabeledEdit.EditLabel.Handle(), ticked},
            {f.PathBitBtn.Handle(), ticked},
            {f.DesktopIconCheckBox.Handle(), ticked},
            {f.RunCheckBox.Handle(), ticked},
            {f.NextBitBtn.Handle(), ticked}};
        EXPECT_EQ(Ui().enabledChanges, expected);
        EXPECT_EQ(f.LicenceCheckBox.Checked(), ticked);
    }
    EXPECT_FALSE(Click(f.NextBitBtn));
    EXPECT_FALSE(f.AdvancedGroupBox.Visible());
}

TEST_F(SetupFormTest, FirstNextShowsTheSettingsPage) {
    GoToSettings();
    const TSetupForm& f = *form;
    EXPECT_FALSE(W(f.PreLicenceLabel).visible);
    EXPECT_FALSE(W(f.LicenceMemo).visible);
    EXPECT_EQ(W(f.TitleLabel).bounds, (platform::Bounds{64, 0, 489, 58}));
    EXPECT_TRUE(W(f.AdvancedGroupBox).visible);
    EXPECT_TRUE(W(f.NextBitBtn).enabled);
    // The consent stays given; its box is out of the user's reach.
    EXPECT_TRUE(f.LicenceCheckBox.Checked());
    EXPECT_FALSE(Click(f.LicenceCheckBox));
    for (const TControl* c : std::vector<const TControl*>{&f.DesktopIconCheckBox, &f.RunCheckBox,
                                                          &f.PathLabeledEdit, &f.PathBitBtn}) {
        EXPECT_TRUE(Ui().Reachable(c->Handle())) << W(*c).text;
    }
    EXPECT_TRUE(FormOpen());
    EXPECT_FALSE(State().InstallConfirmed);
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    EXPECT_TRUE(fake::Files().journal.empty());
}

TEST_F(SetupFormTest, SettingsBoxesSetTheChoices) {
    GoToSettings();
    ASSERT_TRUE(Click(form->DesktopIconCheckBox));
    EXPECT_FALSE(State().CreateDesktopIcon);
    EXPECT_TRUE(State().RunAfterInstall);
    ASSERT_TRUE(Click(form->RunCheckBox));
    EXPECT_FALSE(State().RunAfterInstall);
    ASSERT_TRUE(Click(form->DesktopIconCheckBox));
    EXPECT_TRUE(State().CreateDesktopIcon);
}

// The second Next takes the folder rule's decision: an accepted folder
// confirms the installation and closes the form; a refused one is warned of,
// in the same Russian text in both modes, and the form stays. The edit shows
// the folder as it will be used when Windows reads the text as another.
TEST_F(SetupFormTest, SecondNextActsOnTheFolderDecision) {
    const std::string noRoom =
        "Недостаточно места на диске: для установки нужно 1 МБ, свободно 0 МБ.";
    struct Row {
        const char* typed;
        const char* programFolder;   // afterwards
        const char* edit;            // afterwards
        const std::string* warning;  // nullptr: accepted
    } rows[] = {
        {"D:\\Games\\NORVELIK", "D:\\Games\\NORVELIK\\", "D:\\Games\\NORVELIK", nullptr},
        {"C:\\Program Files//Norvelik/.", "C:\\Program Files\\Norvelik\\",
         "C:\\Program Files\\Norvelik\\", nullptr},
        {"", "", "", &kRuleWarning},
        {"C:\\Norvelik/..", "C:\\", "C:\\", &kRuleWarning},
        {"Q:\\Norvelik\\", "Q:\\Norvelik\\", "Q:\\Norvelik\\", &kCreateWarning},
        {"Norvelik", "Norvelik\\", "Norvelik", &kCreateWarning},
        {"C:\\Small\\Norvelik", "C:\\Small\\Norvelik\\", "C:\\Small\\Norvelik", &noRoom},
    };
    for (bool russian : {true, false}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.typed) + (russian ? " ru" : " en"));
            form.reset();
            fake::ResetAll();
            fake::Files().AddDrive("D:");
            fake::Payload().Add("NVF", "COK", std::string(1024, 'f'));
            if (std::string(r.typed).find("Small") != std::string::npos) {
                fake::Files().freeBytes = 1000;
            }
            State().IsRussian = russian;
            Open();
            GoToSettings();
            SubmitFolder(r.typed);

            EXPECT_EQ(State().ProgramFolder, r.programFolder);
            EXPECT_EQ(W(form->PathLabeledEdit).text, r.edit);
            if (r.warning == nullptr) {
                EXPECT_TRUE(WarningTexts().empty());
                EXPECT_TRUE(State().InstallConfirmed);
                EXPECT_FALSE(FormOpen());
            } else {
                EXPECT_EQ(WarningTexts(), std::vector<std::string>{*r.warning});
                EXPECT_FALSE(State().InstallConfirmed);
                EXPECT_TRUE(FormOpen());
                EXPECT_TRUE(form->AdvancedGroupBox.Visible());
            }
        }
    }
}

TEST_F(SetupFormTest, NextAfterAWarningReadsTheEditAgain) {
    GoToSettings();
    SubmitFolder("Q:\\Norvelik");
    ASSERT_EQ(WarningTexts(), std::vector<std::string>{kCreateWarning});
    SubmitFolder("C:\\Apps\\Norvelik");
    EXPECT_TRUE(State().InstallConfirmed);
    EXPECT_EQ(State().ProgramFolder, "C:\\Apps\\Norvelik\\");
    EXPECT_EQ(WarningTexts().size(), 1u);
}

TEST_F(SetupFormTest, BrowseHidesTheFormAndTakesOnlyAChosenFolder) {
    struct Row {
        const char* name;
        bool startExists;
        platform::FolderDialogOutcome outcome;
        const char* choice;
        const char* startFolder;  // handed to the dialog
        const char* editAfter;
    } rows[] = {
        {"chosen", true, platform::FolderDialogOutcome::Chosen, "D:\\Apps", kDefaultFolder.c_str(),
         "D:\\Apps"},
        {"drive root", false, platform::FolderDialogOutcome::Chosen, "C:\\", "", "C:\\"},
        {"cancelled", true, platform::FolderDialogOutcome::Cancelled, "D:\\Apps",
         kDefaultFolder.c_str(), kDefaultFolder.c_str()},
        {"missing start", false, platform::FolderDialogOutcome::Cancelled, "", "",
         kDefaultFolder.c_str()},
        {"no dialog", false, platform::FolderDialogOutcome::Unavailable, "", "",
         kDefaultFolder.c_str()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        form.reset();
        fake::ResetAll();
        State().ProgramFolder = kDefaultFolder;
        if (r.startExists) fake::Files().AddFolder(kDefaultFolder);
        Open();
        GoToSettings();
        fake::Shell().dialogOutcome = r.outcome;
        fake::Shell().dialogChoice = r.choice;
        std::string formId = std::to_string(form->Handle());

        ASSERT_TRUE(Click(form->PathBitBtn));

        ASSERT_EQ(fake::Shell().dialogs.size(), 1u);
        const platform::FolderDialogSpec& dialog = fake::Shell().dialogs[0];
        EXPECT_EQ(dialog.title, "Папка, в которую будет установлена программа:");
        EXPECT_EQ(dialog.flags, 0x41u);
        EXPECT_TRUE(dialog.root.empty());
        EXPECT_EQ(dialog.startFolder, r.startFolder);
        EXPECT_EQ(Ui().formJournal, (std::vector<std::string>{"hide " + formId, "show " + formId}));
        EXPECT_EQ(form->PathLabeledEdit.Text(), r.editAfter);
        EXPECT_TRUE(W(*form).visible);
        EXPECT_FALSE(State().InstallConfirmed);
    }
}

TEST_F(SetupFormTest, BrowsedFolderWithoutTheProductWordIsRefusedAtNext) {
    GoToSettings();
    fake::Files().AddDrive("D:");
    fake::Shell().dialogOutcome = platform::FolderDialogOutcome::Chosen;
    fake::Shell().dialogChoice = "D:\\Apps";
    ASSERT_TRUE(Click(form->PathBitBtn));
    ASSERT_TRUE(Click(form->NextBitBtn));
    EXPECT_EQ(WarningTexts(), std::vector<std::string>{kRuleWarning});
    EXPECT_EQ(State().ProgramFolder, "D:\\Apps\\");
    EXPECT_TRUE(FormOpen());
}

// Cancel, Escape, Enter (Cancel is also the default button) and the close
// button all end the form without confirming, on either page.
TEST_F(SetupFormTest, EveryWayOutButNextLeavesTheInstallUnconfirmed) {
    using Action = void (*)(SetupFormTest&);
    struct Row {
        const char* name;
        Action leave;
    } rows[] = {
        {"cancel", [](SetupFormTest& t) { EXPECT_TRUE(t.Click(t.form->CancelBitBtn)); }},
        {"escape", [](SetupFormTest& t) { EXPECT_TRUE(t.Ui().PressEscape(t.form->Handle())); }},
        {"enter", [](SetupFormTest& t) { EXPECT_TRUE(t.Ui().PressEnter(t.form->Handle())); }},
        {"close button", [](SetupFormTest& t) { t.Ui().RequestClose(t.form->Handle()); }},
    };
    for (bool onSettings : {false, true}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.name) + (onSettings ? " on settings" : " on agreement"));
            form.reset();
            fake::ResetAll();
            State().ProgramFolder = kDefaultFolder;
            Open();
            if (onSettings) GoToSettings();
            r.leave(*this);
            EXPECT_FALSE(FormOpen());
            EXPECT_FALSE(State().InstallConfirmed);
            EXPECT_FALSE(fake::Files().HasFolder(kDefaultFolder));
            EXPECT_TRUE(fake::MessageBoxes().shown.empty());
        }
    }
}

TEST_F(SetupFormTest, CancelAfterARefusedFolderEndsWithoutInstalling) {
    GoToSettings();
    SubmitFolder("Q:\\Norvelik");
    ASSERT_TRUE(FormOpen());
    ASSERT_TRUE(Click(form->CancelBitBtn));
    EXPECT_FALSE(FormOpen());
    EXPECT_FALSE(State().InstallConfirmed);
}

class RunSetupFormTest : public FakePlatformTest {};

TEST_F(RunSetupFormTest, RunsTheFormAsMainFormUntilItCloses) {
    State().ShortTitleRu = "Норвелик";
    State().ProgramFolder = kDefaultFolder;
    TSetupForm* seen = nullptr;
    fake::FormToolkit().userActions = [&seen] {
        fake::FakeFormToolkit& ui = fake::FormToolkit();
        seen = static_cast<TSetupForm*>(Application().MainForm());
        ASSERT_NE(seen, nullptr);
        EXPECT_TRUE(ui.Widget(seen->Handle()).visible);
        ASSERT_TRUE(ui.Click(seen->LicenceCheckBox.Handle()));
        ASSERT_TRUE(ui.Click(seen->NextBitBtn.Handle()));
        ASSERT_TRUE(ui.Click(seen->NextBitBtn.Handle()));
        EXPECT_TRUE(ui.Widget(seen->Handle()).destroyed);
    };
    RunSetupForm();
    EXPECT_EQ(fake::FormToolkit().loopRuns, 1);
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(Application().MainForm(), nullptr);
    EXPECT_TRUE(State().InstallConfirmed);
    EXPECT_EQ(State().ProgramFolder, kDefaultFolder);
    EXPECT_TRUE(fake::Files().HasFolder(kDefaultFolder));
}

}  // namespace
