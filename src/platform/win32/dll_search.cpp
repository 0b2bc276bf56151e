#include "dll_search.h"

#include <windows.h>

#include "system_library.h"

namespace platform {
namespace win32 {

namespace {

// Not in older headers; the value is fixed by the system.
constexpr DWORD kSearchSystem32Only = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

}  // namespace

void RestrictDllSearchPath() {
    // Both are newer than the oldest Windows the program starts on, so both
    // are looked up by name.
    using SetDefaultDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    using SetDirectoryFunction = BOOL(WINAPI*)(LPCSTR);
    const auto setDefault =
        SystemProc<SetDefaultDirectoriesFunction>("kernel32.dll", "SetDefaultDllDirectories");
    if (setDefault != nullptr && setDefault(kSearchSystem32Only)) return;
    const auto setDirectory = SystemProc<SetDirectoryFunction>("kernel32.dll", "SetDllDirectoryA");
    if (setDirectory != nullptr) setDirectory("");
}

}  // namespace win32
}  // namespace platform
