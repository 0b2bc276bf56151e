#include "uninstall/uninstall_arguments.h"

#include "host/paths.h"

namespace {

constexpr char kFolderSwitch[] = "/remove-from \"";
constexpr char kProcessSwitch[] = "\" /after ";

}  // namespace

std::string FormatRemovalOrder(const RemovalOrder& order) {
    return kFolderSwitch + RemoveTrailingBackslash(order.programFolder) + kProcessSwitch +
           std::to_string(order.waitForProcess);
}

bool ParseRemovalOrder(const std::string& commandLine, RemovalOrder* order) {
    const std::string::size_type start = commandLine.find(kFolderSwitch);
    if (start == std::string::npos) return false;
    const std::string::size_type folderStart = start + sizeof(kFolderSwitch) - 1;
    // A path cannot hold a quotation mark, so the first one ends it.
    const std::string::size_type folderEnd = commandLine.find('"', folderStart);
    if (folderEnd == std::string::npos || folderEnd == folderStart) return false;
    if (commandLine.compare(folderEnd, sizeof(kProcessSwitch) - 1, kProcessSwitch) != 0) {
        return false;
    }
    std::string::size_type pos = folderEnd + sizeof(kProcessSwitch) - 1;
    std::uint64_t id = 0;
    const std::string::size_type digitsStart = pos;
    while (pos < commandLine.size() && commandLine[pos] >= '0' && commandLine[pos] <= '9') {
        id = id * 10 + static_cast<std::uint64_t>(commandLine[pos] - '0');
        if (id > UINT32_MAX) return false;
        ++pos;
    }
    if (pos == digitsStart) return false;
    if (pos < commandLine.size() && commandLine[pos] != ' ') return false;

    order->programFolder = commandLine.substr(folderStart, folderEnd - folderStart);
    AddTrailingBackslash(order->programFolder);
    order->waitForProcess = static_cast<std::uint32_t>(id);
    return true;
}
