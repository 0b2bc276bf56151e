// The entry of setup.exe.
#include <windows.h>

#include "control/main_sequence.h"
#include "dll_search.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::win32::RestrictDllSearchPath();
    return RunSetup();
}
