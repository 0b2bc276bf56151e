// The window procedures of the form toolkit: clicks, keyboard defaults,
// cursors and colours for our window class, and the memo's keyboard manners.
#pragma once

#include "native_widgets.h"

namespace platform {
namespace win32 {

// Registers our window class and the common controls once.
void EnsureClassRegistered();

LRESULT CALLBACK MemoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR);

}  // namespace win32
}  // namespace platform
