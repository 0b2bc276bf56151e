// Removal of a whole folder tree (the Start-menu folders of earlier
// installations).
#pragma once

#include <string>

// Deletes `folder` with everything in it, for good and without asking. Deletes
// nothing and answers false when the path is not absolute or the folder does
// not exist; false also when the deletion reports a failure.
bool DeleteFolderTree(const std::string& folder);
