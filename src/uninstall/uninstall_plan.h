// What the uninstaller will take away, decided before anything is touched:
// only what the setup made and what is there now.
#pragma once

#include <string>
#include <vector>

struct UninstallPlan {
    // Ends with "\".
    std::string programFolder;
    // Installed files of the product's list that exist, in the list's order,
    // each followed by its "~" copy when a setup left one; not the
    // uninstaller's own file.
    std::vector<std::string> files;
    // The uninstaller's file when it is there. It goes last, after the
    // entry, so that whenever a removal is stopped the entry, while it is
    // there, names an uninstaller that can finish the work.
    std::string uninstaller;
    // The setup's shortcuts that exist: Start menu in both languages, desktop.
    std::vector<std::string> shortcuts;
    // Removed only when nothing is left in them, innermost first; a file of
    // the user's keeps its folder. The program folder is not among them: it
    // goes after the uninstaller.
    std::vector<std::string> foldersWhenEmpty;
    // Keys under HKEY_LOCAL_MACHINE, opened through the registry object.
    std::vector<std::string> registryKeys;
    // Folders where the setup's shortcuts would be that are links, or lie
    // behind one: nothing there is touched, and the entry stays.
    std::vector<std::string> foldersRefused;
    // Part of the installation was gone before: files of the list are
    // missing (a removal stopped halfway, or a user's hand).
    bool partlyRemoved = false;
};

// The plan for the installation of `fileList` (";"-terminated entries, as the
// setup installs them) in `programFolder` (ending with "\"). Needs
// the product identity, the folders of ReadSystemFolders and the registry
// object. The desktop shortcut counts only when it leads to this
// installation's program; an uninstall entry only when it names this folder
// as Windows reads folders (or no folder at all): another installation's
// stay untouched. A registry link at an entry's name counts as an entry
// naming no folder; its deletion is refused, so it is reported as staying,
// and what it leads to is never read or touched.
UninstallPlan PlanUninstall(const std::string& fileList, const std::string& programFolder);

// True when an uninstall entry of the product, in either registry view,
// names `programFolder` as Windows reads folders; a link names no folder.
bool IsRegisteredFolder(const std::string& programFolder);

// Whether the key under HKEY_LOCAL_MACHINE is there, whoever may change it;
// a link at its name is.
bool UninstallEntryExists(const std::string& keyPath);
