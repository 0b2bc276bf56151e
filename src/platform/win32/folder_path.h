// Splitting a folder path into the levels that have to exist one by one.
// Paths are ANSI strings with backslashes: "C:\A\B", "\\server\share\A", "\A"
// or relative ones.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {
namespace win32 {

// Length of the part that names a volume and can never be created:
// "C:\" (3), "C:" (2), "\\server\share" (up to the share's end), "\\?\C:\" (7),
// "\" (1); 0 for a relative path.
std::size_t RootLength(const std::string& path);

// The path without trailing backslashes, except those that belong to the root.
std::string WithoutTrailingSeparators(const std::string& path);

// The folder that holds `path`; "" when `path` is a root or a single relative name.
std::string ParentFolder(const std::string& path);

// Each folder from the first one below the root down to `path` itself:
// "C:\A\B" gives "C:\A", "C:\A\B". `path` is taken without trailing separators.
std::vector<std::string> FolderLevels(const std::string& path);

}  // namespace win32
}  // namespace platform
