#include "button_glyph.h"

#include <cstring>
#include <vector>

#include "common_controls.h"

namespace platform {
namespace win32 {

namespace {

// The states of a push button's image list, in the order the control reads
// them: normal, hot, pressed, disabled, defaulted, stylus hot.
constexpr int kStateCount = 6;
constexpr int kDisabledState = 3;

int RowBytes(int width) { return (width * 3 + 3) & ~3; }

// Greys a pixel the way disabled glyphs look: light, without colour.
void Grey(BYTE* bgr) {
    int luminance = (bgr[2] * 30 + bgr[1] * 59 + bgr[0] * 11) / 100;
    BYTE v = static_cast<BYTE>(128 + luminance / 3);
    bgr[0] = bgr[1] = bgr[2] = v;
}

}  // namespace

HBITMAP LoadBitmapResource(const char* resourceName) {
    return static_cast<HBITMAP>(::LoadImageA(::GetModuleHandleA(nullptr), resourceName,
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

HIMAGELIST LoadButtonGlyph(const char* resourceName, int imageCount) {
    HBITMAP source = LoadBitmapResource(resourceName);
    if (source == nullptr) return nullptr;
    DIBSECTION dib;
    if (::GetObjectA(source, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 24 ||
        imageCount < 1) {
        ::DeleteObject(source);
        return nullptr;
    }
    const int height = dib.dsBm.bmHeight;
    const int width = dib.dsBm.bmWidth / imageCount;
    const int sourceRow = RowBytes(dib.dsBm.bmWidth);
    const BYTE* sourceBits = static_cast<const BYTE*>(dib.dsBm.bmBits);

    BITMAPINFO info;
    std::memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width * kStateCount;
    info.bmiHeader.biHeight = height;  // bottom-up, like the resource
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* stripBits = nullptr;
    HBITMAP strip = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &stripBits, nullptr, 0);
    if (strip == nullptr) {
        ::DeleteObject(source);
        return nullptr;
    }
    const int stripRow = RowBytes(width * kStateCount);
    BYTE* stripBytes = static_cast<BYTE*>(stripBits);
    // Row 0 of a bottom-up bitmap is its bottom row: its first pixel is the
    // transparent colour.
    const BYTE* corner = sourceBits;
    const COLORREF transparent = RGB(corner[2], corner[1], corner[0]);

    for (int state = 0; state < kStateCount; ++state) {
        const bool disabled = state == kDisabledState;
        const int image = disabled && imageCount > 1 ? 1 : 0;
        for (int y = 0; y < height; ++y) {
            const BYTE* from = sourceBits + y * sourceRow + image * width * 3;
            BYTE* to = stripBytes + y * stripRow + state * width * 3;
            std::memcpy(to, from, width * 3);
            if (!disabled || imageCount > 1) continue;
            for (int x = 0; x < width; ++x) {
                BYTE* px = to + x * 3;
                if (RGB(px[2], px[1], px[0]) != transparent) Grey(px);
            }
        }
    }
    ::GdiFlush();

    HIMAGELIST list =
        comctl::ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, kStateCount, 0);
    if (list != nullptr && comctl::ImageList_AddMasked(list, strip, transparent) < 0) {
        comctl::ImageList_Destroy(list);
        list = nullptr;
    }
    ::DeleteObject(strip);
    ::DeleteObject(source);
    return list;
}

}  // namespace win32
}  // namespace platform
