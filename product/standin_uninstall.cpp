// A stand-in for the product's uninstaller: the setup program only installs it
// and points a shortcut at it, so it shows nothing and succeeds.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
