#include "engine/shell_links.h"

#include <functional>

#include "host/paths.h"
#include "installation/temporary_name.h"
#include "platform/files.h"
#include "platform/shell.h"

namespace {

constexpr int kSwShow = 5;

// Writes the file `path` under a name of its own first: whatever stands at
// the "~" name beside it is removed as a name, `write` makes the file there,
// and it then takes `path`'s place in one step. A link planted at either name
// is thus replaced, never written through. Nothing is left at the "~" name.
bool PlaceThroughNewName(const std::string& path,
                         const std::function<bool(const std::string&)>& write) {
    const std::string temporary = TemporaryFileName(path);
    if (platform::RemoveNameAt(temporary) != platform::kSuccess) return false;
    if (!write(temporary) || platform::IsLinkAt(temporary) ||
        platform::MoveFileReplacing(temporary, path) != platform::kSuccess) {
        platform::RemoveNameAt(temporary);
        return false;
    }
    return true;
}

}  // namespace

bool CreateShellLink(const std::string& target, const std::string& linkFile,
                     const std::string& arguments, const std::string& description, int iconIndex) {
    platform::ShellLinkSpec link;
    link.target = target;
    link.workingFolder = FolderOfFile(target);
    link.description = description;
    link.arguments = arguments;
    link.showCommand = kSwShow;
    link.iconPath = target;
    link.iconIndex = iconIndex;
    return PlaceThroughNewName(linkFile, [&](const std::string& file) {
        link.linkFile = file;
        return platform::SaveShellLink(link);
    });
}

bool WriteWebShortcut(const std::string& urlFile, const std::string& address) {
    const std::string text = "[InternetShortcut]\r\nURL=" + address + "\r\n";
    return PlaceThroughNewName(urlFile, [&](const std::string& file) {
        return platform::WriteWholeFile(file, text.data(), text.size(),
                                        platform::CreateMode::CreateNew) == platform::kSuccess;
    });
}
