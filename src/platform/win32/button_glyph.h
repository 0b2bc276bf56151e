// Button glyphs from bitmap resources, as image lists for push buttons.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace platform {
namespace win32 {

// An image list with one image for each state of a push button, made from a
// 24-bit bitmap resource holding `imageCount` images side by side: the first
// is the normal image, the second (if any) the disabled one; with one image,
// the disabled one is a greyed copy. The bottom-left pixel's colour is
// transparent. nullptr when the resource is missing or not 24-bit.
HIMAGELIST LoadButtonGlyph(const char* resourceName, int imageCount);

// A 24-bit bitmap resource as a DIB section; nullptr when it is missing.
HBITMAP LoadBitmapResource(const char* resourceName);

}  // namespace win32
}  // namespace platform
