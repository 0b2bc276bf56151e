// The entry of setup.exe.
#include <windows.h>

#include "control/main_sequence.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunSetup(); }
