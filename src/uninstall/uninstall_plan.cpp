#include "uninstall/uninstall_plan.h"

#include "control/installer_state.h"
#include "control/product_file_list.h"
#include "host/registry.h"
#include "host/system_folders.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "uninstall/installed_paths.h"

namespace {

void PlanProductFiles(const std::string& fileList, const std::string& programFolder,
                      UninstallPlan* plan) {
    bool languageFiles = false;
    for (const std::string& entry : FileListEntries(fileList)) {
        languageFiles = languageFiles || IsLanguageEntry(entry);
        const std::string path = InstalledPathOf(entry, programFolder);
        if (!path.empty() && platform::FileExists(path)) plan->files.push_back(path);
    }
    // The setup makes the language folder only for a list with language files.
    if (languageFiles) plan->foldersWhenEmpty.push_back(programFolder + "language\\");
}

void PlanStartMenu(UninstallPlan* plan) {
    const InstallerState& s = State();
    const std::vector<std::string> names = StartMenuShortcutNames(s.ShortTitleRu, s.ShortTitleEn);
    for (const std::string& folder :
         WithoutRepeats({s.StartMenuFolder, s.UserStartMenuFolderRu, s.UserStartMenuFolderEn})) {
        if (folder.empty() || !platform::FolderExists(folder)) continue;
        for (const std::string& name : names) {
            if (platform::FileExists(folder + name)) plan->shortcuts.push_back(folder + name);
        }
        plan->foldersWhenEmpty.push_back(folder);
    }
}

// A shortcut of that name may be the user's own; ours leads to our program.
bool LeadsTo(const std::string& linkFile, const std::string& target) {
    platform::ShellLinkSpec link;
    return platform::LoadShellLink(linkFile, &link) && SameFileName(link.target, target);
}

void PlanDesktopShortcut(const std::string& programFolder, UninstallPlan* plan) {
    const InstallerState& s = State();
    if (s.CommonDesktopFolder.empty()) return;
    const std::string program = programFolder + s.ProductName + ".exe";
    for (const std::string& title : WithoutRepeats({s.ShortTitleRu, s.ShortTitleEn})) {
        const std::string link = s.CommonDesktopFolder + title + ".lnk";
        if (platform::FileExists(link) && LeadsTo(link, program)) plan->shortcuts.push_back(link);
    }
}

// The entry is ours when it is there and names this folder, or names none.
bool EntryBelongsTo(const std::string& keyPath, const std::string& programFolder) {
    Registry& reg = *State().Reg;
    reg.SetRoot(platform::RegRoot::LocalMachine);
    if (!reg.OpenKey(keyPath, false)) return false;
    std::string registeredFolder;
    bool ours = true;
    try {
        if (reg.ValueExists("UninstallString") &&
            FolderOfUninstallString(reg.ReadString("UninstallString"), &registeredFolder)) {
            ours = SameFileName(registeredFolder, programFolder);
        }
    } catch (const RegistryError&) {
        // A value of another type names no folder: the entry is broken, and ours by name.
    }
    reg.CloseKey();
    return ours;
}

void PlanRegistry(const std::string& programFolder, UninstallPlan* plan) {
    const InstallerState& s = State();
    const std::string nativeKey = s.UninstallKey + s.ProductName;
    const std::string strayKey = In32BitRegistryNode(s.UninstallKey) + s.ProductName;
    for (const std::string& key : {nativeKey, strayKey}) {
        if (EntryBelongsTo(key, programFolder)) plan->registryKeys.push_back(key);
    }
}

}  // namespace

std::string In32BitRegistryNode(const std::string& keyPath) {
    const std::string::size_type slash = keyPath.find('\\');
    if (slash == std::string::npos) return keyPath;
    return keyPath.substr(0, slash + 1) + "WOW6432Node\\" + keyPath.substr(slash + 1);
}

UninstallPlan PlanUninstall(const std::string& fileList, const std::string& programFolder) {
    UninstallPlan plan;
    PlanProductFiles(fileList, programFolder, &plan);
    PlanStartMenu(&plan);
    PlanDesktopShortcut(programFolder, &plan);
    plan.foldersWhenEmpty.push_back(programFolder);
    PlanRegistry(programFolder, &plan);
    return plan;
}
