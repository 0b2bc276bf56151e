#include "uninstall/plan_execution.h"

#include "host/common_unit.h"
#include "host/folder_refusal.h"
#include "host/paths.h"
#include "host/registry_object.h"
#include "installation/checked_folder.h"
#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "platform/files.h"
#include "platform/self_removal.h"
#include "uninstall/uninstall_plan.h"

namespace {

void Refuse(const std::string& folder, UninstallOutcome* outcome) {
    for (const std::string& refused : outcome->foldersRefused) {
        if (SameFolder(refused, folder)) return;
    }
    ReportFolderNotItself(folder);
    outcome->foldersRefused.push_back(folder);
}

// Whether the folder of `path` may be deleted from: the program folder as
// long as it is itself, any other when no link stands there or on the way.
bool MayDeleteIn(const std::string& path, CheckedFolder* programFolder, UninstallOutcome* outcome) {
    const std::string folder = FolderOfFile(path);
    const bool itself = SameFolder(folder, programFolder->Path()) ? programFolder->StillItself()
                                                                  : NoLinkAtOrOnTheWay(folder);
    if (!itself) Refuse(folder, outcome);
    return itself;
}

void DeleteFiles(const std::vector<std::string>& paths, const std::string& runningProgram,
                 CheckedFolder* programFolder, UninstallOutcome* outcome) {
    for (const std::string& path : paths) {
        if (!MayDeleteIn(path, programFolder, outcome)) {
            outcome->filesLeft.push_back(path);
            continue;
        }
        if (!runningProgram.empty() && SameFileName(path, runningProgram)) {
            if (platform::DeleteAfterReboot(path) == platform::kSuccess) {
                outcome->filesDeferred.push_back(path);
            } else {
                outcome->filesLeft.push_back(path);
            }
            continue;
        }
        // As a name: a link planted at a product file's name goes, and what
        // it leads to stays.
        const platform::ErrorCode e = platform::RemoveNameAt(path);
        // Gone by other hands since the plan was made counts as removed.
        if (e != platform::kSuccess && (platform::FileExists(path) || platform::IsLinkAt(path))) {
            outcome->filesLeft.push_back(path);
        }
    }
}

// True when the folder holds nothing but `file`.
bool HoldsOnly(const std::string& folder, const std::string& file) {
    std::vector<platform::FolderEntry> entries;
    if (platform::ListFolder(folder, &entries) != platform::kSuccess) return false;
    return entries.size() == 1 && !entries[0].isFolder &&
           SameFileName(folder + entries[0].name, file);
}

void RemoveFolders(const std::vector<std::string>& folders, UninstallOutcome* outcome) {
    for (const std::string& folder : folders) {
        if (platform::RemoveEmptyFolder(folder) == platform::kSuccess) continue;
        if (!platform::FolderExists(folder)) continue;
        // The system deletes pending files in the order they were named, so the
        // folder follows our executable once that is gone.
        bool deferred = false;
        for (const std::string& file : outcome->filesDeferred) {
            if (HoldsOnly(folder, file)) {
                deferred = platform::DeleteAfterReboot(folder) == platform::kSuccess;
            }
        }
        if (!deferred) outcome->foldersKept.push_back(folder);
    }
}

void DeleteRegistryKeys(const std::vector<std::string>& keys, UninstallOutcome* outcome) {
    Registry& reg = Reg();
    reg.SetRoot(platform::RegRoot::LocalMachine);
    for (const std::string& key : keys) {
        // A key refused to us can also be reported deleted and stay.
        if (!reg.DeleteKey(key) || UninstallEntryExists(key)) {
            outcome->registryKeysLeft.push_back(key);
        }
    }
}

}  // namespace

UninstallOutcome ExecutePlan(const UninstallPlan& plan, const std::string& runningProgram) {
    UninstallOutcome outcome;
    outcome.partlyRemovedBefore = plan.partlyRemoved;
    for (const std::string& folder : plan.foldersRefused) Refuse(folder, &outcome);
    {
        CheckedFolder programFolder(plan.programFolder);
        DeleteFiles(plan.shortcuts, "", &programFolder, &outcome);
        DeleteFiles(plan.files, runningProgram, &programFolder, &outcome);
        RemoveFolders(plan.foldersWhenEmpty, &outcome);
        // The entry is what lets the user run the removal again: it goes only
        // once everything it stands for has, but the uninstaller it names.
        if (!outcome.Complete()) return outcome;
        DeleteRegistryKeys(plan.registryKeys, &outcome);
        if (!outcome.registryKeysLeft.empty()) return outcome;
        if (!plan.uninstaller.empty()) {
            DeleteFiles({plan.uninstaller}, runningProgram, &programFolder, &outcome);
        }
    }
    // Let go first: a folder we hold cannot be removed.
    if (outcome.foldersRefused.empty()) RemoveFolders({plan.programFolder}, &outcome);
    return outcome;
}
