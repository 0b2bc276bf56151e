// Removal of a whole folder tree (the Start-menu folders of earlier
// installations), never through a link.
#pragma once

#include <string>

// Deletes `folder` with everything in it, for good and without asking, and
// never anything a link leads to: a link inside the tree is removed as a
// name, and a link standing at `folder` itself is removed as a name where
// the system can do that without following it. Deletes nothing and answers
// false when the path is not absolute, nothing is there, or a link stands on
// the way to it (the folder reached would be another); false also when
// anything stayed.
bool DeleteFolderTree(const std::string& folder);
