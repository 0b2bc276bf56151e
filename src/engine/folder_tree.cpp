#include "engine/folder_tree.h"

#include "host/paths.h"
#include "installation/path_rules.h"
#include "platform/files.h"
#include "platform/shell.h"

bool DeleteFolderTree(const std::string& folder) {
    if (!IsAbsolutePath(folder) || !platform::FolderExists(folder)) return false;
    return platform::ShellDeleteTree(RemoveTrailingBackslash(folder)) == platform::kSuccess;
}
