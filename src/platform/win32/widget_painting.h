// Painting of the widgets of our own window class.
#pragma once

#include "native_widgets.h"

namespace platform {
namespace win32 {

// Handles WM_PAINT: fills the window with the button-face colour and draws a
// label, group box, panel or picture on it.
void PaintWidget(NativeWidget& w);

}  // namespace win32
}  // namespace platform
