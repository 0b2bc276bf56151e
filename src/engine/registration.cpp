#include "engine/registration.h"

#include <cstdint>

#include "engine/folder_size.h"
#include "engine/folder_tree.h"
#include "engine/install_file_set.h"
#include "engine/registration_texts.h"
#include "engine/shell_links.h"
#include "engine/uninstall_entry.h"
#include "host/common_unit.h"
#include "host/folder_refusal.h"
#include "host/message_boxes.h"
#include "host/registry_object.h"
#include "installation/folder_rights.h"
#include "installation/installer_state.h"
#include "installation/path_rules.h"
#include "installation/product_file_list.h"
#include "platform/files.h"

namespace {

FileSetInstaller& CurrentFileSetInstaller() {
    static FileSetInstaller installer = &InstallFileSet;
    return installer;
}

void ShowRightsMessage() {
    ErrorBox(
        "You have no right to add/remove programs!\r\nPlease contact your system administrator.",
        "У Вас нет права устанавливать программы!\r\nОбратитесь к системному администратору.");
}

// Without a Start-menu folder of the system the product's one comes out
// relative and would land beside the setup: there are no Start-menu items then.
bool HasStartMenuFolder() { return IsAbsolutePath(State().StartMenuFolder); }

// Every folder of an earlier installation's Start menu goes, so that no old
// shortcut survives; then the product's folder is made anew. What a link
// there leads to stays, and the user is told of the link. Failures here
// change nothing for the rest of the installation.
void RenewStartMenuFolder() {
    const InstallerState& s = State();
    for (const std::string& folder :
         {s.UserStartMenuFolderEn, s.UserStartMenuFolderRu, s.StartMenuFolder}) {
        DeleteFolderTree(folder);
        if (IsAbsolutePath(folder)) FolderIsItselfOrReported(folder);
    }
    if (HasStartMenuFolder()) platform::CreateFolder(s.StartMenuFolder);
}

// The program folder, made if it is missing, is a real folder that only the
// administrators may change, so that nobody else can swap the programs an
// administrator runs from it. False, with the user told, when it cannot be
// made so: nothing is installed then.
bool PrepareProgramFolder() {
    const std::string& folder = State().ProgramFolder;
    if (!platform::FolderExists(folder)) {
        // Not tested: a folder that cannot be made fails each file, which reports itself.
        platform::CreateFolderTree(folder, kProgramFolderRights);
        return true;
    }
    if (!FolderIsItselfOrReported(folder)) return false;
    if (RestrictToAdministrators(folder)) return true;
    ErrorBox("Only the administrators may be allowed to change the folder " + folder +
                 ", and its rights cannot be set so. Nothing has been installed there.",
             "Изменять папку " + folder +
                 " должны иметь право только администраторы, а задать ей такие права не "
                 "удаётся. В неё ничего не установлено.");
    return false;
}

// A shortcut written through a link would land wherever the link leads.
bool StartMenuIsUsable() {
    return HasStartMenuFolder() && FolderIsItselfOrReported(State().StartMenuFolder);
}

// Shortcuts that cannot be saved are not reported: the product is installed.
// Whether the desktop shortcut was saved goes into the installer state, for
// the completion message.
void CreateShortcuts(const RegistrationTexts& texts, bool createDesktopShortcut) {
    InstallerState& s = State();
    const std::string program = ProductProgramPath(s.ProgramFolder, s.ProductName);
    const bool startMenu = StartMenuIsUsable();
    if (startMenu) {
        CreateShellLink(program, s.StartMenuFolder + texts.displayText + ".lnk", "",
                        texts.descriptionText, 0);
    }
    // Without an all-users desktop the shortcut would land in the working
    // folder, so it is left out.
    if (createDesktopShortcut && !s.CommonDesktopFolder.empty() &&
        FolderIsItselfOrReported(s.CommonDesktopFolder)) {
        s.DesktopShortcutSaved =
            CreateShellLink(program, s.CommonDesktopFolder + texts.displayText + ".lnk", "",
                            texts.descriptionText, 0);
    }
    if (startMenu) {
        CreateShellLink(s.ProgramFolder + "Uninstall.exe",
                        s.StartMenuFolder + texts.uninstallShortcutName + ".lnk", "",
                        texts.descriptionText, 0);
    }
}

// The entry, the files and the shortcuts, with the entry's key held open
// throughout, for the installed size at the end; it closes when this ends,
// however it ends. Raises when the registry refuses the key or a write;
// false when the file set was not installed.
bool RegisterAndInstallFiles(Registry& reg, const RegistrationTexts& texts,
                             bool createDesktopShortcut) {
    const InstallerState& s = State();
    // A key that cannot be opened takes no value, and neither does a link,
    // which would put the entry where whoever made it chose: as with a
    // refused write, nothing is written or installed.
    const std::string entryKey = s.UninstallKey + s.ProductName;
    const RegistryKeyScope entry(reg, platform::RegRoot::LocalMachine, entryKey, true);
    // The text is never shown: a refused key reads as missing rights.
    if (!entry.Opened()) throw RegistryError("Failed to open the uninstall entry");
    for (const UninstallValue& value : UninstallValues(texts)) WriteUninstallValue(reg, value);

    RenewStartMenuFolder();
    if (!PrepareProgramFolder() || !CurrentFileSetInstaller()()) return false;

    CreateShortcuts(texts, createDesktopShortcut);
    const std::int32_t sizeKb = FolderSizeKB(s.ProgramFolder);
    if (sizeKb != -1) reg.WriteInteger("EstimatedSize", sizeKb);
    return true;
}

// The steps after the rights check. Raises when the registry refuses a write;
// false when the file set was not installed.
bool RegisterAndInstall(const RegistrationTexts& texts, bool createDesktopShortcut) {
    const InstallerState& s = State();
    Registry& reg = Reg();
    if (!RegisterAndInstallFiles(reg, texts, createDesktopShortcut)) return false;

    // The registration of an earlier installation that only the 32-bit view
    // holds would show the product twice in the list of installed programs.
    if (!s.Wow64UninstallKey.empty()) {
        reg.SetRoot(platform::RegRoot::LocalMachine);
        reg.DeleteKey(s.Wow64UninstallKey);
    }

    if (StartMenuIsUsable()) {
        WriteWebShortcut(s.StartMenuFolder + texts.webShortcutName + ".url", s.WebAddress);
    }
    return true;
}

}  // namespace

void SetFileSetInstaller(FileSetInstaller installer) {
    CurrentFileSetInstaller() = installer ? installer : &InstallFileSet;
}

bool InstallAndRegister(bool createDesktopShortcut) {
    const RegistrationTexts texts = ChooseRegistrationTexts();
    if (!State().IsAdmin) {
        ShowRightsMessage();
        return false;
    }
    // A refused registry write is what missing rights look like; the files
    // report their own failures. Anything else (memory running out) is not
    // the user's rights and goes to the program's report of unexpected errors.
    try {
        return RegisterAndInstall(texts, createDesktopShortcut);
    } catch (const RegistryError&) {
        ShowRightsMessage();
        return false;
    }
}
