// Carrying out an uninstall plan: everything that can go goes, and what
// could not is reported back rather than stopping the rest.
#pragma once

#include <string>
#include <vector>

#include "uninstall/uninstall_plan.h"

struct UninstallOutcome {
    // Files and shortcuts still there (held open by a running program, say).
    std::vector<std::string> filesLeft;
    // Uninstall entries the registry refused to delete (not those kept for
    // the files that stayed).
    std::vector<std::string> registryKeysLeft;
    // Files the system will delete at its next start instead.
    std::vector<std::string> filesDeferred;
    // Folders that stay because something not ours is in them (the folders
    // left to the system's next start are not among them).
    std::vector<std::string> foldersKept;

    bool Complete() const { return filesLeft.empty() && registryKeysLeft.empty(); }
};

// Deletes the shortcuts and files, then the folders that are empty by then,
// then, only when no file or shortcut stayed, the registry keys (through the
// registry object, under HKEY_LOCAL_MACHINE; a key still there afterwards
// counts as left). `runningProgram` is the path of our own executable when
// it is one of the planned files and cannot go while we run ("" otherwise):
// it and, if nothing else is left there, its folder are left to the system's
// next start.
UninstallOutcome ExecutePlan(const UninstallPlan& plan, const std::string& runningProgram);
