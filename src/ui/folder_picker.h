// The system's folder-selection dialog.
#pragma once

#include <cstdint>
#include <string>

constexpr std::uint32_t kBifReturnOnlyFsDirs = 0x0001;
constexpr std::uint32_t kBifEditBox = 0x0010;
constexpr std::uint32_t kBifNewDialogStyle = 0x0040;
constexpr std::uint32_t kBifNoNewFolderButton = 0x0200;
constexpr std::uint32_t kBifBrowseIncludeFiles = 0x4000;

// The dialog's flags for the given options: file-system folders only and the
// resizable dialog always.
std::uint32_t FolderDialogFlags(bool showEditBox, bool includeFiles, bool newFolderButton);

// Lets the user choose a folder. `folder` is where the dialog starts; it is
// cleared first when it names no existing folder, and replaced only when the
// user chooses one (a drive root keeps its "\", other folders come without).
// True only when the user chose a folder.
bool BrowseForFolder(const std::string& title, const std::wstring& root, std::string& folder,
                     bool showEditBox, bool includeFiles, bool newFolderButton);
