#include "engine/folder_size.h"

#include <cstdint>
#include <vector>

#include "host/paths.h"
#include "platform/files.h"

std::int32_t FolderSizeKB(const std::string& folder) {
    if (folder.empty() || !platform::FolderExists(folder)) return -1;

    std::uint64_t totalBytes = 0;
    // Breadth-first: every folder found is appended and visited once.
    std::vector<std::string> toVisit{folder};
    for (std::size_t i = 0; i < toVisit.size(); ++i) {
        std::string current = toVisit[i];
        AddTrailingBackslash(current);
        std::vector<platform::FolderEntry> entries;
        // A subfolder that cannot be listed counts as empty.
        if (platform::ListFolder(current, &entries) != platform::kSuccess) continue;
        for (const platform::FolderEntry& entry : entries) {
            // A link is not the product's: neither walked into (a link back
            // up the tree would never end) nor counted.
            if (entry.isLink) continue;
            if (entry.isFolder) {
                toVisit.push_back(current + entry.name);
            } else {
                totalBytes += entry.size;
            }
        }
    }
    const std::uint64_t kb = totalBytes >> 10;
    return kb > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(kb);
}
