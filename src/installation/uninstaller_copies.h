// The uninstaller's copies. A running program cannot delete its own file, so
// the uninstaller the user starts copies itself into a new folder of the
// administrators' under the system's temporary folder and hands the work to
// that copy. The copy's folder is left to the next start of the system, and
// whichever of the two programs starts next removes what an earlier run left
// there, a run that was stopped halfway included.
#pragma once

#include <string>

// "nvuninst" + the starter's process id, and "_" + a number when that was
// taken: the copy's folder under the system's temporary folder.
constexpr char kCopyFolderPrefix[] = "nvuninst";
constexpr char kCopyFileName[] = "nvuninst.exe";
constexpr char kOrderFileName[] = "nvuninst.order";

// True for a name the uninstaller gives its copies' folders.
bool IsCopyFolderName(const std::string& name);

// Removes a copy's folder: its order and copy as names, then the folder once
// it is empty. A copy still running stays, and so does its folder.
void RemoveCopyFolder(const std::string& folder);

// Removes the copies' folders that earlier runs left under the system's
// temporary folder, all but `ownFolder` (the running copy's own, or ""):
// their copy and order go as names, then the folder once it is empty. A
// folder in use (its copy still running) stays, and so does a folder of that
// name that someone untrusted may change (not one the uninstaller made); no
// link is followed.
void RemoveLeftoverUninstallerCopies(const std::string& ownFolder);
