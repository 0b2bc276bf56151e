#include "installation/installed_paths.h"

#include "installation/file_list.h"
#include "installation/path_rules.h"

std::string InstalledPathOf(const std::string& entry, const std::string& programFolder) {
    const std::string target = ParseFileListEntry(entry, programFolder).targetPath;
    return IsAbsolutePath(target) ? target : std::string();
}

std::vector<std::string> StartMenuShortcutNames(const std::string& shortTitleRu,
                                                const std::string& shortTitleEn) {
    return WithoutRepeats({shortTitleRu + ".lnk", shortTitleEn + ".lnk",
                           std::string(kShortcutNamesRu.uninstall) + ".lnk",
                           std::string(kShortcutNamesEn.uninstall) + ".lnk",
                           std::string(kShortcutNamesRu.website) + ".url",
                           std::string(kShortcutNamesEn.website) + ".url"});
}

std::string In32BitRegistryNode(const std::string& keyPath) {
    const std::string::size_type slash = keyPath.find('\\');
    if (slash == std::string::npos) return keyPath;
    return keyPath.substr(0, slash + 1) + "WOW6432Node\\" + keyPath.substr(slash + 1);
}

bool SameFilePath(const std::string& a, const std::string& b) {
    const std::string::size_type slashA = a.find_last_of("\\/");
    const std::string::size_type slashB = b.find_last_of("\\/");
    if (slashA == std::string::npos || slashB == std::string::npos) return false;
    return SameFileName(a.substr(slashA + 1), b.substr(slashB + 1)) &&
           SameFolder(a.substr(0, slashA + 1), b.substr(0, slashB + 1));
}

std::vector<std::string> WithoutRepeats(const std::vector<std::string>& names) {
    std::vector<std::string> unique;
    for (const std::string& name : names) {
        bool seen = false;
        for (const std::string& kept : unique) seen = seen || SameFileName(kept, name);
        if (!seen) unique.push_back(name);
    }
    return unique;
}
