// The setup form: the licence agreement with its consent box, then the
// installation settings (desktop shortcut, start after installation, target
// folder). Its result is in the installer state: InstallConfirmed,
// CreateDesktopIcon, RunAfterInstall and ProgramFolder.
#pragma once

#include "ui/licence_text.h"
#include "ui/toolkit/containers.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"

class TSetupForm : public TForm {
  public:
    // Lays the components out and runs FormCreate.
    TSetupForm();

    TLabel TitleLabel;
    TMemo LicenceMemo;
    TCheckBox LicenceCheckBox;
    TPanel BottomPanel;
    TGroupBox AdvancedGroupBox;
    TLabeledEdit PathLabeledEdit;
    TBitBtn PathBitBtn;
    TCheckBox DesktopIconCheckBox;
    TBitBtn CancelBitBtn;
    TBitBtn NextBitBtn;
    TLabel PreLicenceLabel;
    TImage BrandImage;
    TCheckBox RunCheckBox;

    void FormCreate();
    void LicenceCheckBoxClick();
    void DesktopIconCheckBoxClick();
    void RunCheckBoxClick();
    void PathBitBtnClick();
    void NextBitBtnClick();
    void CancelBitBtnClick();

  private:
    void ApplyDesign();
    void ConfirmFolder();
    // The box as wide as its caption in the form's font, plus room for the tick.
    void FitCheckBoxToCaption(TCheckBox& box);
};

// Shows the setup form as the application's main form and returns when it
// has closed.
void RunSetupForm();
