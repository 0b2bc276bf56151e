// Installs every file of the work list into the program folder under the
// progress window.
#pragma once

// True when the list has been worked through (failures of single files have
// been reported already); false when it held no entry, the language folder
// cannot be made, or the folder a file goes to is a link or was swapped for
// one (the user has been told, and nothing more is written there).
bool InstallFileSet();
