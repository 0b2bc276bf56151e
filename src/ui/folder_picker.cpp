#include "ui/folder_picker.h"

#include "platform/files.h"
#include "platform/shell.h"

std::uint32_t FolderDialogFlags(bool showEditBox, bool includeFiles, bool newFolderButton) {
    std::uint32_t flags = kBifReturnOnlyFsDirs | kBifNewDialogStyle;
    if (showEditBox) flags |= kBifEditBox;
    if (includeFiles) flags |= kBifBrowseIncludeFiles;
    if (!newFolderButton) flags |= kBifNoNewFolderButton;
    return flags;
}

bool BrowseForFolder(const std::string& title, const std::wstring& root, std::string& folder,
                     bool showEditBox, bool includeFiles, bool newFolderButton) {
    if (!platform::FolderExists(folder)) folder.clear();

    platform::FolderDialogSpec details;
    details.title = title;
    details.root = root;
    details.startFolder = folder;
    details.flags = FolderDialogFlags(showEditBox, includeFiles, newFolderButton);

    std::string chosen;
    if (platform::RunFolderDialog(details, &chosen) != platform::FolderDialogOutcome::Chosen) {
        return false;
    }
    folder = chosen;
    return true;
}
