// Carrying out an uninstall plan: everything that can go goes, and what
// could not is reported back rather than stopping the rest.
#pragma once

#include <string>
#include <vector>

#include "uninstall/uninstall_plan.h"

struct UninstallOutcome {
    // Files and shortcuts still there (held open by a running program, say,
    // or in a folder that is not what its path claims).
    std::vector<std::string> filesLeft;
    // Uninstall entries the registry refused to delete (not those kept for
    // the files that stayed).
    std::vector<std::string> registryKeysLeft;
    // Files the system will delete at its next start instead.
    std::vector<std::string> filesDeferred;
    // Folders that stay because something not ours is in them (the folders
    // left to the system's next start are not among them).
    std::vector<std::string> foldersKept;
    // Folders that are links, or lie behind one, or were swapped for one
    // while we worked: nothing more was deleted there, and the user has been
    // told.
    std::vector<std::string> foldersRefused;
    // The plan found part of the installation gone already.
    bool partlyRemovedBefore = false;

    bool Complete() const {
        return filesLeft.empty() && registryKeysLeft.empty() && foldersRefused.empty();
    }
};

// Removes the installation in an order that a stop at any moment leaves
// finishable: the shortcuts and files, the uninstaller's own file excepted,
// then the folders that are empty by then; then, only when nothing stayed,
// the registry keys (through the registry object, under
// HKEY_LOCAL_MACHINE; a key still there afterwards counts as left), and only
// once they are gone the uninstaller's file and the program folder. Until
// then the entry names an uninstaller that is there. Nothing is deleted
// through a link: each folder is checked to be what its path claims before
// anything in it goes, and the program folder is held meanwhile; files go as
// names. `runningProgram` is the path of our own executable when it is one
// of the planned files and cannot go while we run ("" otherwise): it and,
// if nothing else is left there, its folder are left to the system's next
// start.
UninstallOutcome ExecutePlan(const UninstallPlan& plan, const std::string& runningProgram);
