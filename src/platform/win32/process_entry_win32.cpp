#include <windows.h>

#include <string>

#include "platform/process_entry.h"
#include "system_library.h"
#include "text_to_wide.h"

namespace platform {

namespace {

// Not in older headers; the value is fixed by the system.
constexpr DWORD kSearchSystem32Only = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

// What the common controls, the shell and the component library load by name
// later on, and where programs like this one have been caught loading a
// planted copy.
constexpr const char* kLoadedLaterByName[] = {
    "uxtheme.dll",  "dwmapi.dll",  "cryptbase.dll", "profapi.dll", "userenv.dll",
    "msimg32.dll",  "version.dll", "winmm.dll",     "propsys.dll", "sspicli.dll",
    "wintrust.dll", "apphelp.dll", "oleacc.dll",    "clbcatq.dll", "setupapi.dll"};
constexpr UINT kLongestName = 16;

// Loads each of them from the system folder, its own dependencies found there
// first too, so that a later load by name finds it in memory already. A name
// this Windows lacks is skipped.
void LoadFromTheSystemFolder() {
    // Wide throughout: the ANSI form of a system folder the code page cannot
    // hold would be a look-alike, another folder.
    wchar_t path[MAX_PATH + kLongestName];
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    path[length] = L'\\';
    for (const char* name : kLoadedLaterByName) {
        wchar_t* end = path + length + 1;
        while ((*end++ = static_cast<wchar_t>(*name++)) != L'\0') {
        }
        ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
}

// Vista with the update that brings SetDefaultDllDirectories cannot make a
// shell link object once the search is cut down to the system folder (the
// shell there still finds some of its parts by the default search): there,
// as on a Windows without that call, only the current folder is taken out
// of the search, and the DLLs loaded later by name are loaded from the
// system folder first, as everywhere.
bool IsVista() {
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof(version));
    version.dwOSVersionInfoSize = sizeof(version);
    return ::GetVersionExA(&version) && version.dwMajorVersion == 6 && version.dwMinorVersion == 0;
}

}  // namespace

void RestrictDllSearchPath() {
    // Both are newer than the oldest Windows the program starts on, so both
    // are looked up by name.
    using SetDefaultDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    using SetDirectoryFunction = BOOL(WINAPI*)(LPCSTR);
    const auto setDefault = win32::SystemProc<SetDefaultDirectoriesFunction>(
        "kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault == nullptr || IsVista() || !setDefault(kSearchSystem32Only)) {
        const auto setDirectory =
            win32::SystemProc<SetDirectoryFunction>("kernel32.dll", "SetDllDirectoryA");
        if (setDirectory != nullptr) setDirectory("");
    }
    // Without the restriction the program's own folder stays first in the
    // search; and a delay-loaded import of a system DLL is not always found
    // through the restricted search either (Wine's own DLLs look in the
    // program's folder first). Loaded now, those DLLs are never looked for.
    LoadFromTheSystemFolder();
}

std::string CommandLineArguments() {
    // The program's name ends at its closing quote or at the first blank, as
    // the start-up code of a Windows program reads it.
    // Read wide, so that a path outside the ANSI code page arrives whole.
    const wchar_t* rest = ::GetCommandLineW();
    if (rest == nullptr) return {};
    if (*rest == L'"') {
        ++rest;
        while (*rest != L'\0' && *rest != L'"') ++rest;
        if (*rest == L'"') ++rest;
    } else {
        while (*rest != L'\0' && *rest != L' ' && *rest != L'\t') ++rest;
    }
    while (*rest == L' ' || *rest == L'\t') ++rest;
    // Arguments that cannot be held whole would name look-alikes: none then.
    return win32::WideToText(rest);
}

}  // namespace platform
