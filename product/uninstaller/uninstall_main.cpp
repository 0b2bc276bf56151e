// The entry of uninstall.exe.
#include <windows.h>

#include "uninstall/uninstall_sequence.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return RunUninstall(commandLine != nullptr ? commandLine : "");
}
