// A DLL that does nothing: only whether it can be found and loaded matters.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
