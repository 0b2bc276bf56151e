#include "engine/free_space.h"

#include <algorithm>

#include "installation/file_list.h"
#include "platform/files.h"
#include "platform/payload.h"

namespace {

constexpr std::uint64_t kMegabyte = 1024 * 1024;

}  // namespace

std::uint64_t BytesNeededIn(const std::string& folder, const std::string& fileList) {
    std::uint64_t growth = 0;
    std::uint64_t largestOverlap = 0;
    for (std::string rest = fileList; CountFileListEntries(rest) > 0;
         rest = WithoutFirstFileListEntry(rest)) {
        const FileListEntry entry = ParseFileListEntry(FirstFileListEntry(rest), folder);
        platform::PayloadItem item;
        if (!platform::FindPayloadItem(entry.resourceName, entry.resourceType, &item)) continue;
        const std::uint64_t fresh = item.size;
        std::uint64_t installed = 0;
        if (!platform::FileExists(entry.targetPath) ||
            platform::FileSize(entry.targetPath, &installed) != platform::kSuccess) {
            installed = 0;
        }
        growth += fresh > installed ? fresh - installed : 0;
        if (installed > 0) largestOverlap = std::max(largestOverlap, std::min(fresh, installed));
    }
    return growth + largestOverlap;
}

SpaceCheck CheckFreeSpace(const std::string& folder, const std::string& fileList) {
    SpaceCheck check;
    if (platform::FreeDiskSpace(folder, &check.freeBytes) != platform::kSuccess) return check;
    check.neededBytes = BytesNeededIn(folder, fileList);
    check.enough = check.freeBytes >= check.neededBytes;
    return check;
}

std::string NotEnoughSpaceText(std::uint64_t neededBytes, std::uint64_t freeBytes) {
    const std::uint64_t neededMb = (neededBytes + kMegabyte - 1) / kMegabyte;
    const std::uint64_t freeMb = freeBytes / kMegabyte;
    return "Недостаточно места на диске: для установки нужно " + std::to_string(neededMb) +
           " МБ, свободно " + std::to_string(freeMb) + " МБ.";
}
