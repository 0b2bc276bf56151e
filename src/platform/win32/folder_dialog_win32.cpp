#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "com_ref.h"
#include "platform/shell.h"
#include "text_to_wide.h"

namespace platform {

namespace {

using win32::ComRef;

constexpr UINT kNameBufferBytes = MAX_PATH;

// Selects the start folder, handed over as the callback's data, as soon as
// the dialog is up.
int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data != 0) {
        ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
    }
    return 0;
}

// The item list of `root` as the desktop folder parses it; nullptr for an
// empty root (the whole namespace) or one that does not parse.
LPITEMIDLIST ParseRoot(const std::wstring& root) {
    if (root.empty()) return nullptr;
    ComRef<IShellFolder> desktop;
    if (FAILED(::SHGetDesktopFolder(desktop.typedOut()))) return nullptr;
    std::vector<wchar_t> name(root.begin(), root.end());  // the call takes a writable text
    name.push_back(L'\0');
    LPITEMIDLIST item = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr, &item, nullptr))) {
        return nullptr;
    }
    return item;
}

}  // namespace

FolderDialogOutcome RunFolderDialog(const FolderDialogSpec& details, std::string* chosen) {
    ComRef<IMalloc> allocator;
    if (FAILED(::SHGetMalloc(allocator.typedOut()))) return FolderDialogOutcome::Unavailable;
    char* name = static_cast<char*>(allocator->Alloc(kNameBufferBytes));
    if (name == nullptr) return FolderDialogOutcome::Unavailable;
    std::memset(name, 0, kNameBufferBytes);
    LPITEMIDLIST root = ParseRoot(details.root);

    // The dialog's new style needs the component library on this thread.
    ::OleInitialize(nullptr);

    BROWSEINFOA info;
    std::memset(&info, 0, sizeof(info));
    info.hwndOwner = nullptr;
    info.pidlRoot = root;
    info.pszDisplayName = name;
    info.lpszTitle = details.title.c_str();
    info.ulFlags = details.flags;
    info.lpfn = BrowseCallback;
    info.lParam =
        details.startFolder.empty() ? 0 : reinterpret_cast<LPARAM>(details.startFolder.c_str());
    info.iImage = 0;
    LPITEMIDLIST item = ::SHBrowseForFolderA(&info);

    FolderDialogOutcome outcome = FolderDialogOutcome::Cancelled;
    if (item != nullptr) {
        // Only a file-system path is an answer (a virtual item such as
        // "Computer" is not), and only one the text code page holds whole:
        // read through the ANSI call, "C:\René" would come back as "C:\Rene",
        // another folder.
        wchar_t path[MAX_PATH] = {};
        std::string text;
        if (::SHGetPathFromIDListW(item, path) && path[0] != L'\0' &&
            win32::WideToTextExactly(path, &text)) {
            *chosen = text;
            outcome = FolderDialogOutcome::Chosen;
        }
        allocator->Free(item);
    }
    if (root != nullptr) allocator->Free(root);
    allocator->Free(name);
    return outcome;
}

}  // namespace platform
