#include "engine/shell_links.h"

#include "platform/files.h"
#include "platform/shell.h"

namespace {

constexpr int kSwShow = 5;

// The folder part of a path, up to and including its last "\" (or the ":" of
// a bare drive); "" when there is neither.
std::string FolderOf(const std::string& path) {
    const std::string::size_type end = path.find_last_of("\\:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

}  // namespace

bool CreateShellLink(const std::string& target, const std::string& linkFile,
                     const std::string& arguments, const std::string& description, int iconIndex) {
    platform::ShellLinkSpec link;
    link.target = target;
    link.workingFolder = FolderOf(target);
    link.description = description;
    link.arguments = arguments;
    link.showCommand = kSwShow;
    link.iconPath = target;
    link.iconIndex = iconIndex;
    link.linkFile = linkFile;
    return platform::SaveShellLink(link);
}

bool WriteWebShortcut(const std::string& urlFile, const std::string& address) {
    const std::string text = "[InternetShortcut]\r\nURL=" + address + "\r\n";
    return platform::WriteWholeFile(urlFile, text.data(), text.size(),
                                    platform::CreateMode::CreateAlways) == platform::kSuccess;
}
