#include "fake_shell.h"

#include "fake_files.h"
#include "fake_util.h"

namespace fake {

FakeShell& Shell() {
    static FakeShell shell;
    return shell;
}

namespace {

constexpr char kLinkMagic[] = "LNK\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

}  // namespace

// The fields one to a line, so that a shortcut file moved or renamed still
// reads as the shortcut it was saved as.
std::string LinkFileBytes(const platform::ShellLinkSpec& link) {
    return kLinkMagic + link.target + "\n" + link.workingFolder + "\n" + link.description + "\n" +
           link.arguments + "\n" + std::to_string(link.showCommand) + "\n" + link.iconPath + "\n" +
           std::to_string(link.iconIndex) + "\n";
}

bool ParseLinkFile(const std::string& bytes, platform::ShellLinkSpec* link) {
    if (bytes.compare(0, sizeof(kLinkMagic) - 1, kLinkMagic) != 0) return false;
    const std::vector<std::string> lines = Lines(bytes.substr(sizeof(kLinkMagic) - 1));
    if (lines.size() != 7) return false;
    link->target = lines[0];
    link->workingFolder = lines[1];
    link->description = lines[2];
    link->arguments = lines[3];
    link->showCommand = std::stoi(lines[4]);
    link->iconPath = lines[5];
    link->iconIndex = std::stoi(lines[6]);
    return true;
}

std::map<std::string, platform::ShellLinkSpec> SavedLinks() {
    std::map<std::string, platform::ShellLinkSpec> links;
    for (const std::string& path : Files().AllFiles()) {
        platform::ShellLinkSpec link;
        if (ParseLinkFile(Files().Bytes(path), &link)) {
            link.linkFile = path;
            links[platform::FoldedName(path)] = link;
        }
    }
    return links;
}

}  // namespace fake

namespace platform {

void InitializeComponentLibrary() { fake::Shell().comInitialized = true; }

bool ShellOpen(const std::string& file, const std::string& parameters,
               const std::string& workingFolder, int showCommand) {
    fake::Shell().opened.push_back({file, parameters, workingFolder, showCommand});
    return fake::Shell().openSucceeds;
}

bool SaveShellLink(const ShellLinkSpec& link) {
    if (fake::Shell().linkSaveFails) return false;
    const std::string body = fake::LinkFileBytes(link);
    return fake::Files().Write(link.linkFile, body.data(), body.size(), CreateMode::CreateAlways) ==
           kSuccess;
}

bool LoadShellLink(const std::string& linkFile, ShellLinkSpec* link) {
    std::string bytes;
    if (ReadWholeFile(linkFile, &bytes) != kSuccess) return false;
    return fake::ParseLinkFile(bytes, link);
}

FolderDialogOutcome RunFolderDialog(const FolderDialogSpec& details, std::string* chosen) {
    fake::Shell().dialogs.push_back(details);
    if (fake::Shell().dialogOutcome == FolderDialogOutcome::Chosen) {
        *chosen = fake::Shell().dialogChoice;
    }
    return fake::Shell().dialogOutcome;
}

}  // namespace platform
