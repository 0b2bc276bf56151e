#include "installation/temporary_name.h"

std::string TemporaryFileName(const std::string& targetPath) {
    // The last character is never taken as the folder's end.
    std::size_t slash =
        targetPath.size() < 2 ? std::string::npos : targetPath.rfind('\\', targetPath.size() - 2);
    std::string name = targetPath;
    name.insert(slash == std::string::npos ? 0 : slash + 1, "~");
    return name;
}

bool IsScratchFileName(const std::string& name) {
    constexpr std::size_t kPrefix = 3;  // "~nv"
    constexpr std::size_t kSuffix = 4;  // ".tmp"
    if (name.size() < kPrefix + 1 + kSuffix || name.size() > kPrefix + 5 + kSuffix) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    std::string folded;
    for (char c : name) folded += lower(c);
    if (folded.compare(0, kPrefix, "~nv") != 0 ||
        folded.compare(folded.size() - kSuffix, kSuffix, ".tmp") != 0) {
        return false;
    }
    for (std::size_t i = kPrefix; i < folded.size() - kSuffix; ++i) {
        const char c = folded[i];
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}
