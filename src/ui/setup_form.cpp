#include "ui/setup_form.h"

#include <string>

#include "host/message_boxes.h"
#include "host/paths.h"
#include "installation/installer_state.h"
#include "installation/product_file_list.h"
#include "ui/folder_picker.h"
#include "ui/folder_rule.h"
#include "ui/form_pictures.h"
#include "ui/toolkit/application.h"

namespace {

const std::string kFolderPrompt = "Папка, в которую будет установлена программа:";

constexpr int kCheckBoxTickRoom = 24;

TFont Arial(int pixelHeight, bool bold = false, bool italic = false) {
    TFont font;
    font.face = "Arial";
    font.pixelHeight = pixelHeight;
    font.bold = bold;
    font.italic = italic;
    font.charset = platform::kRussianCharset;
    return font;
}

TFormStyle SetupFormStyle() {
    TFormStyle style;
    style.clientWidth = 553;
    style.clientHeight = 305;
    style.font = Arial(13);
    style.stayOnTop = true;
    return style;
}

}  // namespace

TSetupForm::TSetupForm()
    : TForm(SetupFormStyle()),
      TitleLabel(this, {64, 0, 489, 17}),
      LicenceMemo(this, {0, 64, 553, 148}),
      LicenceCheckBox(this, {8, 232, 512, 17}),
      BottomPanel(this, {0, 264, 553, 41}),
      AdvancedGroupBox(this, {0, 61, 553, 203}),
      PathLabeledEdit(&AdvancedGroupBox, {8, 136, 481, 23}),
      PathBitBtn(&AdvancedGroupBox, {496, 136, 49, 23}),
      DesktopIconCheckBox(&AdvancedGroupBox, {8, 32, 540, 17}),
      CancelBitBtn(&BottomPanel, {8, 8, 113, 25}),
      NextBitBtn(&BottomPanel, {432, 8, 113, 25}),
      PreLicenceLabel(this, {64, 24, 489, 41}),
      BrandImage(this, {0, 0, 64, 60}),
      RunCheckBox(&AdvancedGroupBox, {8, 64, 540, 17}) {
    ApplyDesign();
    FormCreate();
}

// The properties the components have before FormCreate runs.
void TSetupForm::ApplyDesign() {
    BrandImage.SetPicture(kBrandLogoBitmap);

    TitleLabel.SetLayout(true, true);
    TitleLabel.SetFont(Arial(13, true));
    PreLicenceLabel.SetLayout(true, true);

    LicenceMemo.SetFont(Arial(12, false, true));
    LicenceMemo.SetTabOrder(0);

    LicenceCheckBox.SetChecked(false);
    LicenceCheckBox.SetHandCursor(true);
    LicenceCheckBox.SetTabOrder(1);
    LicenceCheckBox.OnClick = [this] { LicenceCheckBoxClick(); };

    BottomPanel.SetTabOrder(2);

    CancelBitBtn.SetHandCursor(true);
    CancelBitBtn.SetTabOrder(0);
    CancelBitBtn.SetGlyph(kCancelGlyphBitmap, 2, platform::GlyphPlacement::LeftOfCaption);
    CancelBitBtn.OnClick = [this] { CancelBitBtnClick(); };
    SetCancelButton(&CancelBitBtn);
    SetDefaultButton(&CancelBitBtn);

    NextBitBtn.SetEnabled(false);
    NextBitBtn.SetHandCursor(true);
    NextBitBtn.SetTabOrder(1);
    NextBitBtn.SetGlyph(kNextGlyphBitmap, 1, platform::GlyphPlacement::RightOfCaption);
    NextBitBtn.OnClick = [this] { NextBitBtnClick(); };

    AdvancedGroupBox.SetVisible(false);
    AdvancedGroupBox.SetEnabled(false);
    AdvancedGroupBox.SetTabOrder(3);

    for (TCheckBox* box : {&DesktopIconCheckBox, &RunCheckBox}) {
        box->SetChecked(true);
        box->SetEnabled(false);
        box->SetHandCursor(true);
    }
    DesktopIconCheckBox.SetTabOrder(0);
    DesktopIconCheckBox.OnClick = [this] { DesktopIconCheckBoxClick(); };
    RunCheckBox.SetTabOrder(1);
    RunCheckBox.OnClick = [this] { RunCheckBoxClick(); };

    PathLabeledEdit.SetFont(Arial(12));
    PathLabeledEdit.SetEnabled(false);
    PathLabeledEdit.SetShowHint(true);
    PathLabeledEdit.SetTabOrder(2);

    PathBitBtn.SetCaption("...");
    PathBitBtn.SetEnabled(false);
    PathBitBtn.SetHandCursor(true);
    PathBitBtn.SetTabOrder(3);
    PathBitBtn.OnClick = [this] { PathBitBtnClick(); };
}

void TSetupForm::FormCreate() {
    InstallerState& s = State();
    s.InstallConfirmed = false;
    DesktopIconCheckBoxClick();
    RunCheckBoxClick();

    SetCaption(s.ShortTitleRu);
    Application().SetTitle(Caption());

    TitleLabel.SetCaption("Подготовка к установке программы " + s.ShortTitleRu + " версии " +
                          s.VersionText);
    PreLicenceLabel.SetCaption(
        "Лицензионное соглашение с конечным пользователем на использование программного "
        "обеспечения \"" +
        s.ShortTitleRu + "\":");
    LicenceMemo.SetText(AgreementText());

    LicenceCheckBox.SetCaption(
        "подтверждаю, что соглашение прочитано полностью, все его положения приняты.");
    FitCheckBoxToCaption(LicenceCheckBox);

    AdvancedGroupBox.SetCaption("Настройки установки");

    PathLabeledEdit.SetText(s.ProgramFolder);
    PathLabeledEdit.SetLabelCaption(kFolderPrompt);
    PathLabeledEdit.SetHint(PathRuleText + "!");

    DesktopIconCheckBox.SetCaption("поместить ярлык для запуска программы на \"Рабочий стол\"");
    FitCheckBoxToCaption(DesktopIconCheckBox);
    RunCheckBox.SetCaption("запустить программу по окончании её установки");
    FitCheckBoxToCaption(RunCheckBox);

    CancelBitBtn.SetCaption("Отмена");
    NextBitBtn.SetCaption("Далее");

    SetActiveControl(&LicenceMemo);
}

void TSetupForm::FitCheckBoxToCaption(TCheckBox& box) {
    box.SetWidth(platform::MeasureText(Font(), box.Caption()).width + kCheckBoxTickRoom);
}

void TSetupForm::LicenceCheckBoxClick() {
    const bool consent = LicenceCheckBox.Checked();
    AdvancedGroupBox.SetEnabled(consent);
    PathLabeledEdit.SetEnabled(consent);
    PathBitBtn.SetEnabled(consent);
    DesktopIconCheckBox.SetEnabled(consent);
    RunCheckBox.SetEnabled(consent);
    NextBitBtn.SetEnabled(consent);
}

void TSetupForm::DesktopIconCheckBoxClick() {
    State().CreateDesktopIcon = DesktopIconCheckBox.Checked();
}

void TSetupForm::RunCheckBoxClick() { State().RunAfterInstall = RunCheckBox.Checked(); }

void TSetupForm::NextBitBtnClick() {
    if (AdvancedGroupBox.Visible()) {
        ConfirmFolder();
        return;
    }
    // The settings page: the title takes the room of both labels, and the
    // group box covers the agreement. The consent box under it stays ticked
    // but is hidden as well, so that Tab cannot reach a box nobody sees and
    // untick the consent behind the settings.
    PreLicenceLabel.Hide();
    LicenceMemo.Hide();
    LicenceCheckBox.Hide();
    TitleLabel.SetHeight(TitleLabel.Height() + PreLicenceLabel.Height());
    AdvancedGroupBox.Show();
}

void TSetupForm::ConfirmFolder() {
    InstallerState& s = State();
    const std::string typed = PathLabeledEdit.Text();
    const FolderDecision decision = DecideFolder(typed, ProductFileList(s.ProductName));
    s.ProgramFolder = decision.folder;
    // The user sees the folder that will be used when Windows reads the text
    // as another folder than it spells ("C:\Norvelik/.." is "C:\").
    std::string typedFolder = typed;
    AddTrailingBackslash(typedFolder);
    if (decision.folder != typedFolder) PathLabeledEdit.SetText(decision.folder);
    if (!decision.warning.empty()) {
        WarningBox(decision.englishWarning.empty() ? decision.warning : decision.englishWarning,
                   decision.warning);
        return;
    }
    s.InstallConfirmed = true;
    Hide();
    Close();
}

void TSetupForm::PathBitBtnClick() {
    Hide();
    if (BrowseForFolder(kFolderPrompt, std::wstring(), State().ProgramFolder, false, false, true)) {
        PathLabeledEdit.SetText(State().ProgramFolder);
    }
    Show();
}

void TSetupForm::CancelBitBtnClick() { Close(); }

void RunSetupForm() {
    TSetupForm form;
    Application().SetMainForm(&form);
    Application().Run();
    Application().SetMainForm(nullptr);
}
