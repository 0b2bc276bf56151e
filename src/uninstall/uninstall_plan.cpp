#include "uninstall/uninstall_plan.h"

#include "host/common_unit.h"
#include "host/registry_object.h"
#include "host/system_folders.h"
#include "installation/checked_folder.h"
#include "installation/file_list.h"
#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "installation/product_file_list.h"
#include "installation/product_identity.h"
#include "installation/temporary_name.h"
#include "platform/files.h"
#include "platform/registry_calls.h"
#include "platform/shell.h"
#include "platform/text_code_page.h"

namespace {

// A file, or a link, stands at `path`: a link to nothing counts, as it is
// to be removed as a name all the same.
bool SomethingAt(const std::string& path) {
    return platform::FileExists(path) || platform::IsLinkAt(path);
}

// The programs' own scratch files in `folder` that a stopped run left.
void PlanScratchFiles(const std::string& folder, std::vector<std::string>* into) {
    std::vector<platform::FolderEntry> entries;
    if (platform::ListFolder(folder, &entries) != platform::kSuccess) return;
    for (const platform::FolderEntry& entry : entries) {
        if (!entry.isFolder && !entry.isLink && IsScratchFileName(entry.name)) {
            into->push_back(folder + entry.name);
        }
    }
}

void PlanProductFiles(const std::string& fileList, const std::string& programFolder,
                      UninstallPlan* plan) {
    bool languageFiles = false;
    for (const std::string& entry : FileListEntries(fileList)) {
        languageFiles = languageFiles || IsLanguageEntry(entry);
        const std::string path = InstalledPathOf(entry, programFolder);
        if (path.empty()) continue;
        if (!SomethingAt(path)) {
            plan->partlyRemoved = true;
        } else if (SameFileName(entry, kUninstallerFileName)) {
            plan->uninstaller = path;
        } else {
            plan->files.push_back(path);
        }
        // A setup stopped while it wrote the file leaves its new bytes under
        // this name; a link found there goes as a link.
        const std::string leftover = TemporaryFileName(path);
        if (SomethingAt(leftover)) plan->files.push_back(leftover);
    }
    // The setup makes the language folder only for a list with language files.
    if (languageFiles) plan->foldersWhenEmpty.push_back(programFolder + "language\\");
    PlanScratchFiles(programFolder, &plan->files);
}

// The names the setup made from its own texts (CP1251), as they read now
// and as the system's ANSI code page read them for a setup that ran under it.
std::vector<std::string> Spellings(const std::vector<std::string>& cp1251) {
    std::vector<std::string> spellings;
    for (const std::string& text : cp1251) {
        spellings.push_back(platform::FromProgramText(text));
        spellings.push_back(platform::FromAnsiText(text));
    }
    return WithoutRepeats(spellings);
}

std::vector<std::string> TitleSpellings() {
    return Spellings({product::kShortTitleRu, product::kShortTitleEn});
}

void PlanStartMenu(UninstallPlan* plan) {
    const InstallerState& s = State();
    const std::vector<std::string> names =
        Spellings(StartMenuShortcutNames(product::kShortTitleRu, product::kShortTitleEn));
    std::vector<std::string> folders;
    for (const std::string& base : {s.CommonProgramsFolder, s.ProgramsFolder}) {
        for (const std::string& title : TitleSpellings()) folders.push_back(base + title + "\\");
    }
    for (const std::string& folder : WithoutRepeats(folders)) {
        // A relative one would be looked for where we happen to run.
        if (!IsAbsolutePath(folder) || !platform::FolderExists(folder)) continue;
        // What a link there leads to is not ours to delete from.
        if (!NoLinkAtOrOnTheWay(folder)) {
            plan->foldersRefused.push_back(folder);
            continue;
        }
        for (const std::string& name : names) {
            if (platform::FileExists(folder + name)) plan->shortcuts.push_back(folder + name);
        }
        PlanScratchFiles(folder, &plan->shortcuts);
        plan->foldersWhenEmpty.push_back(folder);
    }
}

// A shortcut of that name may be the user's own; ours leads to our program.
// A shortcut reader may take the target from the path the file keeps in the
// ANSI code page it was saved under: read now, a setup's CP1251 path shows
// as this system's code page spells those bytes.
bool LeadsTo(const std::string& linkFile, const std::string& target) {
    platform::ShellLinkSpec link;
    if (!platform::LoadShellLink(linkFile, &link)) return false;
    return SameFilePath(link.target, target) ||
           SameFilePath(link.target, platform::FromAnsiText(platform::ToProgramText(target)));
}

void PlanDesktopShortcut(const std::string& programFolder, UninstallPlan* plan) {
    const InstallerState& s = State();
    if (s.CommonDesktopFolder.empty()) return;
    const std::string program = ProductProgramPath(programFolder, s.ProductName);
    for (const std::string& title : TitleSpellings()) {
        const std::string link = s.CommonDesktopFolder + title + ".lnk";
        if (platform::FileExists(link) && LeadsTo(link, program)) plan->shortcuts.push_back(link);
    }
}

// What an uninstall entry says, read with the right to read only: an entry
// nobody may change is still there to be reported when it stays.
struct EntryView {
    bool exists = false;
    bool namesFolder = false;
    std::string folder;
};

EntryView ReadEntry(const std::string& keyPath) {
    const std::uint32_t view =
        Reg().Access() & (platform::kKeyWow64_64Key | platform::kKeyWow64_32Key);
    EntryView entry;
    platform::OwnedKey key;
    const platform::ErrorCode e =
        key.Open(platform::RegRoot::LocalMachine, keyPath, platform::kKeyRead | view, false);
    // A link at the entry's name is there, and is read as naming no folder:
    // what it leads to is not ours to read, and its deletion, refused, then
    // reports the entry as staying.
    entry.exists = e == platform::kSuccess || e == platform::kErrorStoppedOnSymlink;
    if (e != platform::kSuccess) return entry;
    std::string value;
    // A value of another type names no folder: the entry is broken, and ours by name.
    if (platform::RegReadString(key.get(), "UninstallString", &value, nullptr) ==
        platform::kSuccess) {
        entry.namesFolder = FolderOfUninstallString(value, &entry.folder);
    }
    return entry;
}

std::vector<std::string> UninstallKeys() {
    const InstallerState& s = State();
    return {s.UninstallKey + s.ProductName, In32BitRegistryNode(s.UninstallKey) + s.ProductName};
}

// The entry is ours when it names this folder, or names none.
void PlanRegistry(const std::string& programFolder, UninstallPlan* plan) {
    for (const std::string& key : UninstallKeys()) {
        const EntryView entry = ReadEntry(key);
        if (entry.exists && (!entry.namesFolder || SameFolder(entry.folder, programFolder))) {
            plan->registryKeys.push_back(key);
        }
    }
}

}  // namespace

bool IsRegisteredFolder(const std::string& programFolder) {
    for (const std::string& key : UninstallKeys()) {
        const EntryView entry = ReadEntry(key);
        if (entry.namesFolder && SameFolder(entry.folder, programFolder)) return true;
    }
    return false;
}

bool UninstallEntryExists(const std::string& keyPath) { return ReadEntry(keyPath).exists; }

UninstallPlan PlanUninstall(const std::string& fileList, const std::string& programFolder) {
    UninstallPlan plan;
    plan.programFolder = programFolder;
    PlanProductFiles(fileList, programFolder, &plan);
    PlanStartMenu(&plan);
    PlanDesktopShortcut(programFolder, &plan);
    PlanRegistry(programFolder, &plan);
    return plan;
}
