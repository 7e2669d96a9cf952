#include "skin/controls/adapters/vlButtonGlyph.h"

#include <vector>

#include "skin/data/Bitmap32_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {
namespace {

// The bitmap's pixels as 32-bit top-down rows (0xAARRGGBB).
std::vector<uint32_t> ReadPixels(HBITMAP bitmap, SIZE size) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.cy) pixels.clear();
    return pixels;
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return SIZE{};
    BitmapHandle colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bits{};
    if (!GetObjectA(mask.Get(), sizeof(bits), &bits)) return SIZE{};
    // A monochrome icon keeps its AND and XOR masks one above the other.
    return SIZE{bits.bmWidth, colour ? bits.bmHeight : bits.bmHeight / 2};
}

}  // namespace

TButtonGlyph TButtonGlyph::Of(HWND button) {
    TButtonGlyph glyph;
    // The style tells which kind to ask for; a button given its image without
    // the style (as visual-style buttons allow) answers only for that kind.
    const bool iconFirst = (GetWindowLongA(button, GWL_STYLE) & BS_ICON) != 0;
    auto image = reinterpret_cast<HGDIOBJ>(SendMessageA(button, BM_GETIMAGE, iconFirst ? IMAGE_ICON : IMAGE_BITMAP, 0));
    if (!image)
        image = reinterpret_cast<HGDIOBJ>(SendMessageA(button, BM_GETIMAGE, iconFirst ? IMAGE_BITMAP : IMAGE_ICON, 0));
    if (!image) return glyph;
    if (GetObjectType(image) == OBJ_BITMAP) {
        BITMAP bits{};
        if (!GetObjectA(image, sizeof(bits), &bits) || bits.bmWidth <= 0 || bits.bmHeight <= 0) return glyph;
        const SIZE size{bits.bmWidth, bits.bmHeight};
        const std::vector<uint32_t> pixels = ReadPixels(static_cast<HBITMAP>(image), size);
        if (pixels.empty()) return glyph;
        glyph.bitmap_ = static_cast<HBITMAP>(image);
        glyph.size_ = size;
        if (bits.bmBitsPixel == 32)
            for (const uint32_t p : pixels) glyph.alpha_ = glyph.alpha_ || (p >> 24) != 0;
        const uint32_t corner = pixels[static_cast<std::size_t>(size.cy - 1) * static_cast<std::size_t>(size.cx)];
        glyph.transparent_ = RGB((corner >> 16) & 0xFF, (corner >> 8) & 0xFF, corner & 0xFF);
        return glyph;
    }
    glyph.icon_ = static_cast<HICON>(image);
    glyph.size_ = IconSize(glyph.icon_);
    return glyph;
}

void TButtonGlyph::Draw(TBitmap32& target, int x, int y) const {
    HDC dc = Bitmap32DC(target);
    if (Empty() || !dc) return;
    if (icon_) {
        DrawIconEx(dc, x, y, icon_, size_.cx, size_.cy, 0, nullptr, DI_NORMAL);
    } else {
        MemoryDC source(dc);
        SelectedObject selected(source.Get(), bitmap_);
        if (alpha_)
            GdiAlphaBlend(dc, x, y, size_.cx, size_.cy, source.Get(), 0, 0, size_.cx, size_.cy,
                          BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
        else
            GdiTransparentBlt(dc, x, y, size_.cx, size_.cy, source.Get(), 0, 0, size_.cx, size_.cy, transparent_);
    }
    GdiFlush();
}

}  // namespace pakmole
