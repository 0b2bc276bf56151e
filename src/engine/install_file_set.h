// Installs every file of the work list into the program folder under the
// progress window.
#pragma once

// True when the list has been worked through (failures of single files have
// been reported already); false when it held no entry or the language folder
// cannot be made.
bool InstallFileSet();
