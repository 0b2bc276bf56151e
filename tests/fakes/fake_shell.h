// The shell: rights are in FakeSystemInfo; here are programs opened,
// shortcut files (in the fake file system) and the folder dialog's scripted
// answer.
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
    // Saving a shortcut writes its fields into the file (LinkFileBytes).
    bool linkSaveFails = false;

    // The folder dialog: what the last one was asked, and what it answers.
    std::vector<platform::FolderDialogSpec> dialogs;
    platform::FolderDialogOutcome dialogOutcome = platform::FolderDialogOutcome::Cancelled;
    std::string dialogChoice;

    void Reset() { *this = FakeShell{}; }
};

FakeShell& Shell();

// The bytes of a shortcut file as the fake saves it, and the shortcut they
// read as (false for any other file).
std::string LinkFileBytes(const platform::ShellLinkSpec& link);
bool ParseLinkFile(const std::string& bytes, platform::ShellLinkSpec* link);

// Every shortcut file in the fake file system, by folded path, its
// `linkFile` the path it lies at.
std::map<std::string, platform::ShellLinkSpec> SavedLinks();

}  // namespace fake
