#include "installation/temporary_name.h"

std::string TemporaryFileName(const std::string& targetPath) {
    // The last character is never taken as the folder's end.
    std::size_t slash =
        targetPath.size() < 2 ? std::string::npos : targetPath.rfind('\\', targetPath.size() - 2);
    std::string name = targetPath;
    name.insert(slash == std::string::npos ? 0 : slash + 1, "~");
    return name;
}
