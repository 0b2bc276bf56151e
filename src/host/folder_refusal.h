// What both programs tell the user when a folder they were to write into or
// delete from is not what its path claims (installation/checked_folder.h).
#pragma once

#include <string>

// Shows, once per folder and run, that `folder` is a link to another place
// or was replaced by one while the program worked, and that nothing is
// written to it or deleted from it.
void ReportFolderNotItself(const std::string& folder);

// NoLinkAtOrOnTheWay (installation/checked_folder.h); when it is false the
// user is told so, as above.
bool FolderIsItselfOrReported(const std::string& folder);
