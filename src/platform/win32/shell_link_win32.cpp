#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include "com_ref.h"
#include "platform/shell.h"
#include "text_to_wide.h"

namespace platform {

namespace {

using win32::ComRef;

bool CreateLinkObject(ComRef<IShellLinkA>* link) {
    return SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkA, link->out()));
}

bool LinkFileOf(IShellLinkA* link, ComRef<IPersistFile>* file) {
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, file->out()));
}

// The shortcut's texts are read into buffers of these sizes, the largest the
// shell keeps for them.
constexpr int kPathChars = MAX_PATH;
constexpr int kInfoChars = INFOTIPSIZE;

}  // namespace

bool SaveShellLink(const ShellLinkSpec& details) {
    const std::wstring fileName = win32::TextToWide(details.linkFile);
    if (fileName.empty()) return false;
    ComRef<IShellLinkA> link;
    if (!CreateLinkObject(&link)) return false;
    if (FAILED(link->SetPath(details.target.c_str())) ||
        FAILED(link->SetWorkingDirectory(details.workingFolder.c_str())) ||
        FAILED(link->SetDescription(details.description.c_str())) ||
        FAILED(link->SetArguments(details.arguments.c_str())) ||
        FAILED(link->SetShowCmd(details.showCommand)) ||
        FAILED(link->SetIconLocation(details.iconPath.c_str(), details.iconIndex))) {
        return false;
    }
    ComRef<IPersistFile> file;
    if (!LinkFileOf(link.get(), &file)) return false;
    return SUCCEEDED(file->Save(fileName.c_str(), TRUE));
}

bool LoadShellLink(const std::string& linkFile, ShellLinkSpec* details) {
    const std::wstring fileName = win32::TextToWide(linkFile);
    if (fileName.empty()) return false;
    // Read wide: the target of a shortcut saved under another code page may
    // lie outside the ANSI one.
    ComRef<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  link.out()))) {
        return false;
    }
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
        FAILED(file->Load(fileName.c_str(), STGM_READ))) {
        return false;
    }
    ShellLinkSpec read;
    read.linkFile = linkFile;
    wchar_t path[kPathChars] = {};
    wchar_t info[kInfoChars] = {};
    // S_FALSE (no target) still leaves an empty, terminated buffer. A text the
    // text code page cannot hold fails the whole reading: a look-alike target
    // would pass for another program.
    if (FAILED(link->GetPath(path, kPathChars, nullptr, SLGP_RAWPATH)) ||
        !win32::WideToTextExactly(path, &read.target)) {
        return false;
    }
    path[0] = L'\0';
    if (FAILED(link->GetWorkingDirectory(path, kPathChars)) ||
        !win32::WideToTextExactly(path, &read.workingFolder)) {
        return false;
    }
    if (FAILED(link->GetDescription(info, kInfoChars)) ||
        !win32::WideToTextExactly(info, &read.description)) {
        return false;
    }
    info[0] = L'\0';
    if (FAILED(link->GetArguments(info, kInfoChars)) ||
        !win32::WideToTextExactly(info, &read.arguments)) {
        return false;
    }
    if (FAILED(link->GetShowCmd(&read.showCommand))) return false;
    path[0] = L'\0';
    if (FAILED(link->GetIconLocation(path, kPathChars, &read.iconIndex)) ||
        !win32::WideToTextExactly(path, &read.iconPath)) {
        return false;
    }
    *details = read;
    return true;
}

}  // namespace platform
