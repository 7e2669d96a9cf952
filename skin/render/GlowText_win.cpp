// The GDI half of a text glow: the text is drawn black on white into an 8-bit
// device-independent bitmap; blurring and blending are the portable part.
#include <cstring>

#include "skin/render/SkinText_win.h"
#include "skin/data/Bitmap32_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

namespace {

struct GrayBitmapInfo {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
};

// Draws the text and its contour copies into mask (already sized and white).
void DrawMaskText(TGlowMask& mask, const std::string& text, const RECT& textRect, int contourFlags, UINT format,
                  HFONT font) {
    if (mask.Width() <= 0 || mask.Height() <= 0) return;
    GrayBitmapInfo info{};
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biWidth = mask.Width();
    info.Header.biHeight = -mask.Height();
    info.Header.biPlanes = 1;
    info.Header.biBitCount = 8;
    info.Header.biCompression = BI_RGB;
    info.Header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<BYTE>(i);
        info.Colors[i] = RGBQUAD{v, v, v, 0};
    }
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits) return;
    MemoryDC dc(nullptr);
    if (!dc.Get()) return;
    // Rows of an 8-bit DIB are padded to 4 bytes, exactly as the mask's.
    const std::size_t bytes = static_cast<std::size_t>(mask.Stride()) * static_cast<std::size_t>(mask.Height());
    std::memset(bits, 255, bytes);
    {
        SelectedObject selectedBitmap(dc.Get(), bitmap.Get());
        SelectedObject selectedFont(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc.Get(), TRANSPARENT);
        SetTextColor(dc.Get(), RGB(0, 0, 0));
        const auto draw = [&](int dx, int dy) {
            RECT r{textRect.left + dx, textRect.top + dy, textRect.right + dx, textRect.bottom + dy};
            DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, format);
        };
        if (contourFlags & 1) draw(-1, 0);
        if (contourFlags & 2) draw(0, -1);
        if (contourFlags & 4) draw(1, 0);
        if (contourFlags & 8) draw(0, 1);
        draw(0, 0);
        GdiFlush();
    }
    std::memcpy(mask.Row(0), bits, bytes);
}

}  // namespace

void PaintGlowText(TBitmap32& target, const std::string* text, const RECT& rect, TGlowMask* heldMask,
                   int32_t glowColor, int glowSize, int contourFlags, UINT format, HFONT font) {
    if (!text) return;
    if (glowSize < 0) glowSize = 0;
    const TRect32 textRect{rect.left, rect.top, rect.right, rect.bottom};
    const TRect32 area = GlowArea(textRect, glowSize);
    TGlowMask ownMask;
    TGlowMask& mask = heldMask ? *heldMask : ownMask;
    if (!PrepareGlowMask(mask, area)) {
        if (!font) {
            const HDC targetDC = Bitmap32DC(target);
            if (targetDC) font = static_cast<HFONT>(GetCurrentObject(targetDC, OBJ_FONT));
        }
        const TRect32 t = GlowTextRect(textRect, glowSize);
        DrawMaskText(mask, *text, RECT{t.Left, t.Top, t.Right, t.Bottom}, contourFlags, format, font);
        BlurMask(mask, glowSize);
    }
    GdiFlush();  // the target may hold GDI drawing not yet done
    BlendGlowMask(target, mask, area, glowColor);
}

}  // namespace pakmole
