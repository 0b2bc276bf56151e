#include "engine/folder_tree.h"

#include <vector>

#include "host/paths.h"
#include "installation/path_rules.h"
#include "platform/files.h"

namespace {

// Empties and removes `folder` (ending with "\"), a real folder. Each entry
// goes as a name, and only real folders are walked into, so a link to
// another tree (or back up this one) leads nowhere. False when anything stayed.
bool RemoveTree(const std::string& folder) {
    std::vector<platform::FolderEntry> entries;
    if (platform::ListFolder(folder, &entries) != platform::kSuccess) return false;
    bool all = true;
    for (const platform::FolderEntry& entry : entries) {
        const std::string path = folder + entry.name;
        const bool removed = entry.isFolder && !entry.isLink
                                 ? RemoveTree(path + "\\")
                                 : platform::RemoveNameAt(path) == platform::kSuccess;
        all = removed && all;
    }
    return all && platform::RemoveEmptyFolder(folder) == platform::kSuccess;
}

}  // namespace

bool DeleteFolderTree(const std::string& folder) {
    if (!IsAbsolutePath(folder) || !platform::FolderExists(folder)) return false;
    std::string tree = folder;
    AddTrailingBackslash(tree);
    const std::string name = RemoveTrailingBackslash(tree);
    if (platform::IsLinkAt(name)) return platform::RemoveNameAt(name) == platform::kSuccess;
    if (platform::CheckRealFolder(tree) != platform::kSuccess) return false;
    return RemoveTree(tree);
}
