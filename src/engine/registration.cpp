#include "engine/registration.h"

#include <cstdint>

#include "engine/folder_size.h"
#include "engine/folder_tree.h"
#include "engine/install_file_set.h"
#include "engine/registration_texts.h"
#include "engine/shell_links.h"
#include "engine/uninstall_entry.h"
#include "host/message_boxes.h"
#include "host/registry.h"
#include "installation/installer_state.h"
#include "installation/path_rules.h"
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
// shortcut survives; then the product's folder is made anew. Failures here
// change nothing for the rest of the installation.
void RenewStartMenuFolder() {
    const InstallerState& s = State();
    DeleteFolderTree(s.UserStartMenuFolderEn);
    DeleteFolderTree(s.UserStartMenuFolderRu);
    DeleteFolderTree(s.StartMenuFolder);
    if (HasStartMenuFolder()) platform::CreateFolder(s.StartMenuFolder);
    platform::CreateFolder(s.ProgramFolder);
}

// Shortcuts that cannot be saved are not reported: the product is installed.
void CreateShortcuts(const RegistrationTexts& texts, bool createDesktopShortcut) {
    const InstallerState& s = State();
    const std::string program = s.ProgramFolder + s.ProductName + ".exe";
    if (HasStartMenuFolder()) {
        CreateShellLink(program, s.StartMenuFolder + texts.displayText + ".lnk", "",
                        texts.descriptionText, 0);
    }
    // Without an all-users desktop the shortcut would land in the working
    // folder, so it is left out.
    if (createDesktopShortcut && !s.CommonDesktopFolder.empty()) {
        CreateShellLink(program, s.CommonDesktopFolder + texts.displayText + ".lnk", "",
                        texts.descriptionText, 0);
    }
    if (HasStartMenuFolder()) {
        CreateShellLink(s.ProgramFolder + "Uninstall.exe",
                        s.StartMenuFolder + texts.uninstallShortcutName + ".lnk", "",
                        texts.descriptionText, 0);
    }
}

// The steps after the rights check. Raises when the registry refuses a write;
// false when the file set was not installed.
bool RegisterAndInstall(const RegistrationTexts& texts, bool createDesktopShortcut) {
    const InstallerState& s = State();
    Registry& reg = *s.Reg;

    reg.SetRoot(platform::RegRoot::LocalMachine);
    // A key that cannot be opened takes no value, and neither does a link,
    // which would put the entry where whoever made it chose: as with a
    // refused write, nothing is written or installed.
    const std::string entryKey = s.UninstallKey + s.ProductName;
    if (!reg.OpenKey(entryKey, true)) throw RegistryError("Failed to open '" + entryKey + "'");
    for (const UninstallValue& value : UninstallValues(texts)) WriteUninstallValue(reg, value);

    RenewStartMenuFolder();
    if (!CurrentFileSetInstaller()()) return false;

    CreateShortcuts(texts, createDesktopShortcut);
    const std::int32_t sizeKb = FolderSizeKB(s.ProgramFolder);
    if (sizeKb != -1) reg.WriteInteger("EstimatedSize", sizeKb);
    reg.CloseKey();

    // The registration of an earlier installation that only the 32-bit view
    // holds would show the product twice in the list of installed programs.
    if (!s.Wow64UninstallKey.empty()) {
        reg.SetRoot(platform::RegRoot::LocalMachine);
        reg.DeleteKey(s.Wow64UninstallKey);
    }

    if (HasStartMenuFolder()) {
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
