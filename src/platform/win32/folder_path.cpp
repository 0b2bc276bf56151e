#include "folder_path.h"

namespace platform {
namespace win32 {

namespace {

bool IsDriveSpec(const std::string& path, std::size_t at) {
    return path.size() >= at + 2 && path[at + 1] == ':' &&
           ((path[at] >= 'A' && path[at] <= 'Z') || (path[at] >= 'a' && path[at] <= 'z'));
}

std::size_t DriveRootLength(const std::string& path, std::size_t at) {
    return path.size() > at + 2 && path[at + 2] == '\\' ? at + 3 : at + 2;
}

// The end of "\\server\share" that starts at `at`: past the second name.
std::size_t ShareEnd(const std::string& path, std::size_t at) {
    std::size_t serverEnd = path.find('\\', at);
    if (serverEnd == std::string::npos) return path.size();
    std::size_t shareEnd = path.find('\\', serverEnd + 1);
    return shareEnd == std::string::npos ? path.size() : shareEnd;
}

}  // namespace

std::size_t RootLength(const std::string& path) {
    if (path.compare(0, 4, "\\\\?\\") == 0) {
        if (IsDriveSpec(path, 4)) return DriveRootLength(path, 4);
        if (path.compare(4, 4, "UNC\\") == 0) return ShareEnd(path, 8);
        return 4;
    }
    if (path.compare(0, 2, "\\\\") == 0) return ShareEnd(path, 2);
    if (IsDriveSpec(path, 0)) return DriveRootLength(path, 0);
    if (!path.empty() && path[0] == '\\') return 1;
    return 0;
}

std::string WithoutTrailingSeparators(const std::string& path) {
    const std::size_t root = RootLength(path);
    std::size_t end = path.size();
    while (end > root && path[end - 1] == '\\') --end;
    return path.substr(0, end);
}

std::string ParentFolder(const std::string& path) {
    const std::size_t root = RootLength(path);
    if (path.size() <= root) return std::string();
    std::size_t slash = path.rfind('\\');
    if (slash == std::string::npos || slash < root) return path.substr(0, root);
    return WithoutTrailingSeparators(path.substr(0, slash));
}

std::vector<std::string> FolderLevels(const std::string& path) {
    std::vector<std::string> levels;
    const std::size_t root = RootLength(path);
    for (std::size_t i = root + 1; i < path.size(); ++i) {
        if (path[i] == '\\' && path[i - 1] != '\\') levels.push_back(path.substr(0, i));
    }
    if (path.size() > root) levels.push_back(path);
    return levels;
}

}  // namespace win32
}  // namespace platform
