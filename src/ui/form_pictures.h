// Names of the setup form's bitmap resources (resources/form.rc).
#pragma once

constexpr char kBrandLogoBitmap[] = "NVBRANDLOGO";      // 64 x 60, 24-bit
constexpr char kCancelGlyphBitmap[] = "NVCANCELGLYPH";  // two 18 x 18 images: normal, disabled
constexpr char kNextGlyphBitmap[] = "NVNEXTGLYPH";      // 16 x 16
