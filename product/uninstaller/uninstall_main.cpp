// The entry of uninstall.exe.
#include <windows.h>

#include "dll_search.h"
#include "uninstall/uninstall_sequence.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    // The copy that does the work runs from the temporary folder, where
    // anyone may have left a DLL.
    platform::win32::RestrictDllSearchPath();
    return RunUninstall(commandLine != nullptr ? commandLine : "");
}
