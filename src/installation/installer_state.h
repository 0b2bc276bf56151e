// The process-wide installer state: the product identity, the environment the
// start-up finds, the user's choices on the form and the work list. Beside
// each group stand its writers, in the order they write; a field with more
// than one writer says so. Everything runs on the main thread, so no lock
// guards it.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

struct InstallerState {
    // Product identity, written once by WriteProductIdentity, which the frame
    // both programs run in calls right after the start of the common services
    // (host/program_entry), the names then put in the text code page of the
    // program's messages. VersionMajor and VersionMinor are first put back to
    // -1 by that start.
    std::string ProductName;
    std::string ShortTitleRu;
    std::string ShortTitleEn;
    std::string FullTitleRu;
    std::string FullTitleEn;
    std::string VersionText;
    std::int32_t VersionMajor = -1;  // -1: not set, the value is then not registered
    std::int32_t VersionMinor = -1;
    std::string WebAddress;

    // Written by the start-up of the common services, which also own the
    // registry object of the run (Reg, host/common_unit.h).
    bool IsRussian = false;

    // Environment, written by ReadSystemFolders. Non-empty folders end with "\".
    bool IsAdmin = true;
    // The default folder, or an earlier installation's; then replaced by the
    // folder the setup form accepted. uninstall.exe writes its own folder.
    std::string ProgramFolder;
    std::string ProgramsFolder;
    std::string CommonProgramsFolder;
    std::string CommonDesktopFolder;
    std::string StartMenuFolder;
    std::string UserStartMenuFolderRu;
    std::string UserStartMenuFolderEn;
    std::string UninstallKey;
    std::string Wow64UninstallKey;

    // The user's choices, written by the setup form.
    bool InstallConfirmed = false;
    bool CreateDesktopIcon = false;
    bool RunAfterInstall = false;

    // Work list, written by CompleteSetup and consumed by InstallFileSet.
    std::string FileList;
    // Written by InstallFileSet: the target paths of the entries that could
    // not be installed (missing, or their earlier copy still in place), in
    // the list's order. A file whose newer copy the user chose to keep is
    // not among them.
    std::vector<std::string> FilesNotInstalled;

    // Written by the registration once the desktop shortcut is saved: the
    // completion message speaks of it only then.
    bool DesktopShortcutSaved = false;

    // Written by InstallFileFromResource once it has said that the setup
    // program itself is damaged, which it says once.
    bool DamageReported = false;

    // The folders (folded) that ReportFolderNotItself has told the user
    // about, each once.
    std::set<std::string> FoldersRefused;
};

// The one state of the process.
InstallerState& State();

// Puts every field back to its value before start-up (tests start from here).
void ResetInstallerState();
