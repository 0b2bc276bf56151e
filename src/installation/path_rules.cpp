#include "installation/path_rules.h"

#include <vector>

#include "platform/name_case.h"

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The root of an absolute path (given with "\" only) in its normal spelling,
// "C:\" or "\\server\share\", and where the steps after it begin; an empty
// root for a path that is not absolute.
struct Root {
    std::string text;
    std::string::size_type stepsStart = 0;
};

Root RootOf(const std::string& path) {
    std::string::size_type start = 0;
    bool share = path.compare(0, 2, "\\\\") == 0;
    if (path.compare(0, 4, "\\\\?\\") == 0) {
        start = 4;
        share = path.size() >= 8 && SameFileName(path.substr(4, 4), "UNC\\");
        if (share) start = 8;
    } else if (share) {
        start = 2;
    }
    if (!share) {
        if (path.size() < start + 3 || !IsDriveLetter(path[start]) || path[start + 1] != ':' ||
            path[start + 2] != '\\') {
            return {};
        }
        return {path.substr(start, 3), start + 3};
    }
    // "\\server\share": both named; "\\.\" and "\\?\" lead to devices, not shares.
    const std::string::size_type serverEnd = path.find('\\', start);
    if (serverEnd == std::string::npos || serverEnd == start) return {};
    const std::string server = path.substr(start, serverEnd - start);
    if (server == "." || server == "?") return {};
    std::string::size_type shareEnd = path.find('\\', serverEnd + 1);
    if (shareEnd == std::string::npos) shareEnd = path.size();
    if (shareEnd == serverEnd + 1) return {};
    return {"\\\\" + path.substr(start, shareEnd - start) + "\\", shareEnd};
}

std::string WithBackslashes(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

}  // namespace

bool IsAbsolutePath(const std::string& path) { return !RootOf(WithBackslashes(path)).text.empty(); }

std::string NormalFolder(const std::string& path) {
    const std::string p = WithBackslashes(path);
    const Root root = RootOf(p);
    if (root.text.empty()) return std::string();
    std::vector<std::string> steps;
    std::string::size_type start = root.stepsStart;
    while (start < p.size()) {
        std::string::size_type end = p.find('\\', start);
        if (end == std::string::npos) end = p.size();
        std::string step = p.substr(start, end - start);
        start = end + 1;
        if (step == ".") continue;
        if (step == "..") {
            if (!steps.empty()) steps.pop_back();
            continue;
        }
        // Windows drops them from the end of a path, so no folder made by a
        // plain path has them: "Norvelik. " is "Norvelik".
        const std::string::size_type kept = step.find_last_not_of(". ");
        if (kept == std::string::npos) continue;
        step.erase(kept + 1);
        steps.push_back(step);
    }
    std::string folder = root.text;
    for (const std::string& step : steps) folder += step + "\\";
    return folder;
}

std::vector<std::string> FoldersAbove(const std::string& path) {
    const std::string folder = NormalFolder(path);
    std::vector<std::string> above;
    if (folder.empty()) return above;
    // Each level ends at a "\" after the root; the last is the folder itself.
    for (std::string::size_type end = RootOf(folder).stepsStart; end < folder.size();
         end = folder.find('\\', end) + 1) {
        above.push_back(folder.substr(0, end));
    }
    return above;
}

bool SameFileName(const std::string& a, const std::string& b) { return platform::SameName(a, b); }

bool SameFolder(const std::string& a, const std::string& b) {
    const std::string normalA = NormalFolder(a);
    return !normalA.empty() && SameFileName(normalA, NormalFolder(b));
}
