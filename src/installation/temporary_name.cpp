#include "installation/temporary_name.h"

#include "installation/path_rules.h"

std::string TemporaryFileName(const std::string& targetPath) {
    // The last character is never taken as the folder's end.
    std::size_t slash =
        targetPath.size() < 2 ? std::string::npos : targetPath.rfind('\\', targetPath.size() - 2);
    std::string name = targetPath;
    name.insert(slash == std::string::npos ? 0 : slash + 1, "~");
    return name;
}

bool IsScratchFileName(const std::string& name) {
    const std::string prefix = "~nv";
    const std::string suffix = ".tmp";
    const std::size_t fixed = prefix.size() + suffix.size();
    if (name.size() < fixed + 1 || name.size() > fixed + 5 ||
        !SameFileName(name.substr(0, prefix.size()), prefix) ||
        !SameFileName(name.substr(name.size() - suffix.size()), suffix)) {
        return false;
    }
    for (std::size_t i = prefix.size(); i < name.size() - suffix.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}
