#include "installation/uninstaller_copies.h"

#include <vector>

#include "installation/folder_rights.h"
#include "installation/path_rules.h"
#include "platform/files.h"
#include "platform/self_removal.h"

bool IsCopyFolderName(const std::string& name) {
    const std::string prefix = kCopyFolderPrefix;
    if (name.size() <= prefix.size() || !SameFileName(name.substr(0, prefix.size()), prefix)) {
        return false;
    }
    bool digits = false;
    bool suffix = false;
    for (std::string::size_type i = prefix.size(); i < name.size(); ++i) {
        const char c = name[i];
        if (c == '_' && digits && !suffix) {
            suffix = true;
            digits = false;
        } else if (c >= '0' && c <= '9') {
            digits = true;
        } else {
            return false;
        }
    }
    return digits;
}

void RemoveCopyFolder(const std::string& folder) {
    platform::RemoveNameAt(folder + kOrderFileName);
    platform::RemoveNameAt(folder + kCopyFileName);
    platform::RemoveEmptyFolder(folder);
}

void RemoveLeftoverUninstallerCopies(const std::string& ownFolder) {
    const std::string temporary = platform::SystemTemporaryFolder();
    std::vector<platform::FolderEntry> entries;
    if (temporary.empty() || platform::ListFolder(temporary, &entries) != platform::kSuccess) {
        return;
    }
    for (const platform::FolderEntry& entry : entries) {
        if (!entry.isFolder || entry.isLink || !IsCopyFolderName(entry.name)) continue;
        const std::string folder = temporary + entry.name + "\\";
        if (SameFolder(folder, ownFolder) ||
            platform::CheckRealFolder(folder) != platform::kSuccess ||
            // The uninstaller makes its copies' folders so that only the
            // trusted may change them; a folder of that name anyone else could
            // have made, and whatever is in it is theirs.
            !OnlyTrustedMayChange(folder)) {
            continue;
        }
        RemoveCopyFolder(folder);
    }
}
