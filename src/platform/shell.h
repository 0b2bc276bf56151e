// The shell and the component object library: rights, opening programs,
// shortcut files and the folder-selection dialog.
#pragma once

#include <cstdint>
#include <string>

#include "platform/error_codes.h"

namespace platform {

// Initialises the component object library on the calling (main) thread.
void InitializeComponentLibrary();

// ShellExecuteA with the verb "open", no owner, the given parameters and
// working folder ("" for the current one). True when the shell reports success.
bool ShellOpen(const std::string& file, const std::string& parameters,
               const std::string& workingFolder, int showCommand);

struct ShellLinkSpec {
    std::string target;
    std::string workingFolder;
    std::string description;
    std::string arguments;
    int showCommand = 0;
    std::string iconPath;
    int iconIndex = 0;
    std::string linkFile;  // converted to a wide string for IPersistFile::Save
};

// Makes the shell's shortcut object, sets its fields in the order of the
// struct and saves it. False on any failure.
bool SaveShellLink(const ShellLinkSpec& link);

// What was read back from a shortcut file (tests and the uninstaller use it).
// False when it cannot be read, or when one of its texts has no exact form in
// the current text code page.
bool LoadShellLink(const std::string& linkFile, ShellLinkSpec* link);

struct FolderDialogSpec {
    std::string title;
    std::wstring root;        // empty: the whole shell namespace
    std::string startFolder;  // selected when the dialog opens; "" for none
    std::uint32_t flags = 0;  // BIF_* flags
};

enum class FolderDialogOutcome { Chosen, Cancelled, Unavailable };

// Runs the system's folder-selection dialog with no owner window. Chosen only
// for a file-system folder whose path the current text code page holds
// character for character; any other choice counts as Cancelled.
FolderDialogOutcome RunFolderDialog(const FolderDialogSpec& details, std::string* chosen);

}  // namespace platform
