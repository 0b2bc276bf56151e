// Where the system keeps programs, Start-menu and desktop folders, whether the
// user is an administrator, and where an earlier installation of the product
// went: the environment fields of the installer state.
#pragma once

#include <string>

// Writes IsAdmin, the folder fields, UninstallKey, Wow64UninstallKey and the
// default ProgramFolder (the folder of an earlier installation if one is
// registered). Needs the product identity and the registry object. False, after
// telling the user, when the per-user folders cannot be read; a registry error
// while reading the machine-wide values is not handled here. A value whose
// text the code page cannot hold is taken as missing, silently: its folder
// stays "" (no per-user Start-menu folders without ProgramsFolder). Every key
// it opens is closed again on every path.
bool ReadSystemFolders();

// The folder of an UninstallString: its text up to and including the last
// backslash before its final character, without the quotation marks of a
// quoted path (arguments after it are ignored). False when there is no such
// backslash: the value then names no folder.
bool FolderOfUninstallString(const std::string& uninstallString, std::string* folder);
