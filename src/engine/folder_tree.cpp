#include "engine/folder_tree.h"

#include "host/paths.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool IsAbsolutePath(const std::string& path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\') {
        return true;
    }
    // "\\server\share": a server name and a share name, both non-empty.
    if (path.size() < 5 || path.compare(0, 2, "\\\\") != 0) return false;
    const std::string::size_type shareStart = path.find('\\', 2);
    if (shareStart == std::string::npos || shareStart == 2) return false;
    return shareStart + 1 < path.size() && path[shareStart + 1] != '\\';
}

bool DeleteFolderTree(const std::string& folder) {
    if (!IsAbsolutePath(folder) || !platform::FolderExists(folder)) return false;
    return platform::ShellDeleteTree(RemoveTrailingBackslash(folder)) == platform::kSuccess;
}
