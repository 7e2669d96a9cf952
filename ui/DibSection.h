#pragma once
// A device-independent bitmap whose rows run top to bottom, as pictures built
// in memory are laid out, so that row y starts at y times the stride.
#include "ui/GdiHandles.h"

namespace pakmole {

// bitCount 24 or 32; rows are padded to 4 bytes. *bits receives the pixels,
// or null (with an empty handle) when the bitmap cannot be made.
inline BitmapHandle CreateTopDownDib(HDC dc, int width, int height, WORD bitCount, void** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = bitCount;
    bi.bmiHeader.biCompression = BI_RGB;
    *bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, bits, nullptr, 0));
    if (!bitmap) *bits = nullptr;
    return bitmap;
}

}  // namespace pakmole
