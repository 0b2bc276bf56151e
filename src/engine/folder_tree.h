// Removal of a whole folder tree (the Start-menu folders of earlier
// installations).
#pragma once

#include <string>

// True for a path that names its place on its own: a drive letter followed by
// ":\", or a UNC path "\\server\share...". Anything else is resolved against
// the working folder and could name a folder nobody meant.
bool IsAbsolutePath(const std::string& path);

// Deletes `folder` with everything in it, for good and without asking. Deletes
// nothing and answers false when the path is not absolute or the folder does
// not exist; false also when the deletion reports a failure.
bool DeleteFolderTree(const std::string& folder);
