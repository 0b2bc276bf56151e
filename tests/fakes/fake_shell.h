// The shell: rights are in FakeSystemInfo; here are programs opened, folder
// trees deleted (through the fake file system), shortcut files and the folder
// dialog's scripted answer.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace fake {

struct OpenedFile {
    std::string file;
    std::string parameters;
    std::string workingFolder;
    int showCommand;
};

class FakeShell {
  public:
    bool comInitialized = false;
    std::vector<OpenedFile> opened;
    bool openSucceeds = true;
    // The desktop's shell: whether it is there to start programs as the user
    // (false by default, as under a session without a desktop shell).
    bool desktopShellAnswers = false;
    std::vector<OpenedFile> openedAsDesktopUser;
    std::vector<std::string> deletedTrees;
    // Saved shortcuts by folded path; saving also puts a file in the fake file system.
    std::map<std::string, platform::ShellLinkSpec> links;
    bool linkSaveFails = false;

    // The folder dialog: what the last one was asked, and what it answers.
    std::vector<platform::FolderDialogSpec> dialogs;
    platform::FolderDialogOutcome dialogOutcome = platform::FolderDialogOutcome::Cancelled;
    std::string dialogChoice;

    void Reset() { *this = FakeShell{}; }
};

FakeShell& Shell();

}  // namespace fake
