#include "fake_shell.h"

#include "fake_files.h"
#include "fake_util.h"

namespace fake {

FakeShell& Shell() {
    static FakeShell shell;
    return shell;
}

}  // namespace fake

namespace platform {

void InitializeComponentLibrary() { fake::Shell().comInitialized = true; }

bool ShellOpen(const std::string& file, const std::string& parameters,
               const std::string& workingFolder, int showCommand) {
    fake::Shell().opened.push_back({file, parameters, workingFolder, showCommand});
    return fake::Shell().openSucceeds;
}

ErrorCode ShellDeleteTree(const std::string& folder) {
    fake::Shell().deletedTrees.push_back(folder);
    fake::FakeFiles& files = fake::Files();
    if (!files.FolderExistsAt(folder)) return kErrorFileNotFound;
    // Files first, then the folders, deepest first.
    std::vector<FolderEntry> entries;
    files.List(folder, &entries);
    for (const FolderEntry& e : entries) {
        std::string child = folder + "\\" + e.name;
        ErrorCode err = e.isFolder ? ShellDeleteTree(child) : files.Delete(child);
        if (err != kSuccess) return err;
    }
    return files.RemoveFolder(folder);
}

bool SaveShellLink(const ShellLinkSpec& link) {
    if (fake::Shell().linkSaveFails) return false;
    std::string body = "LNK " + link.target;
    if (fake::Files().Write(link.linkFile, body.data(), body.size(), CreateMode::CreateAlways) !=
        kSuccess) {
        return false;
    }
    fake::Shell().links[platform::FoldedName(link.linkFile)] = link;
    return true;
}

bool LoadShellLink(const std::string& linkFile, ShellLinkSpec* link) {
    if (!fake::Files().FileExistsAt(linkFile)) return false;
    auto it = fake::Shell().links.find(platform::FoldedName(linkFile));
    if (it == fake::Shell().links.end()) return false;
    *link = it->second;
    return true;
}

FolderDialogOutcome RunFolderDialog(const FolderDialogSpec& details, std::string* chosen) {
    fake::Shell().dialogs.push_back(details);
    if (fake::Shell().dialogOutcome == FolderDialogOutcome::Chosen) {
        *chosen = fake::Shell().dialogChoice;
    }
    return fake::Shell().dialogOutcome;
}

}  // namespace platform
