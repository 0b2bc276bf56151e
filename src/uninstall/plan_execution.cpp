#include "uninstall/plan_execution.h"

#include "host/registry.h"
#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "platform/files.h"
#include "platform/self_removal.h"
#include "uninstall/uninstall_plan.h"

namespace {

void DeleteFiles(const std::vector<std::string>& paths, const std::string& runningProgram,
                 UninstallOutcome* outcome) {
    for (const std::string& path : paths) {
        if (!runningProgram.empty() && SameFileName(path, runningProgram)) {
            if (platform::DeleteAfterReboot(path) == platform::kSuccess) {
                outcome->filesDeferred.push_back(path);
            } else {
                outcome->filesLeft.push_back(path);
            }
            continue;
        }
        const platform::ErrorCode e = platform::DeleteFileAt(path);
        // Gone by other hands since the plan was made counts as removed.
        if (e != platform::kSuccess && platform::FileExists(path)) {
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
    Registry& reg = *State().Reg;
    reg.CloseKey();
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
    DeleteFiles(plan.shortcuts, "", &outcome);
    DeleteFiles(plan.files, runningProgram, &outcome);
    RemoveFolders(plan.foldersWhenEmpty, &outcome);
    // The entry is what lets the user run the removal again: it goes only
    // once everything it stands for has.
    if (outcome.filesLeft.empty()) DeleteRegistryKeys(plan.registryKeys, &outcome);
    return outcome;
}
