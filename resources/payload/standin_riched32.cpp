// A stand-in for the rich-edit library the product ships beside itself: a
// valid DLL of ours that loads and does nothing, so that installing, loading
// and replacing it behave as with the real one.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
