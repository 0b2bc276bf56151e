// The common controls, reached through the library loaded at run time rather
// than imported. An imported common controls library is loaded (version 6,
// through the manifest) before the program's first line runs, and with it
// whatever it loads itself, found the way the loader searches: the program's
// own folder first. Loaded here, after the DLL search has been restricted to
// the system folder, neither it nor anything it brings in comes from there.
// Each call fails as the library's own would when the library cannot be loaded.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace platform {
namespace win32 {
namespace comctl {

void InitCommonControls();
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
BOOL ImageList_Destroy(HIMAGELIST list);
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace comctl
}  // namespace win32
}  // namespace platform
