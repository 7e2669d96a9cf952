#include "tests/skin/edits/EditPictures.h"

#include <cstdlib>

#include "skin/render/PixelCopy.h"
#include "tests/skin/adapters/ButtonPictures.h"

namespace pakmole::test {
namespace {

int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

bool Inside(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

EditGeometry EditGeometryOf(HWND edit) {
    EditGeometry g;
    RECT window, client;
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    g.Width = window.right - window.left;
    g.Height = window.bottom - window.top;
    POINT clientOrigin{0, 0};
    ClientToScreen(edit, &clientOrigin);
    const int offset = clientOrigin.x - window.left;
    POINT place{window.left, window.top};
    ScreenToClient(GetParent(edit), &place);
    g.Position = place;
    // The button fills the client area's right end, 18 pixels wide.
    g.Button = RECT{offset + client.right - 18, offset, offset + client.right, offset + client.bottom};
    return g;
}

TBitmap32 SkinEditPicture(const TsSkinManager& manager, const EditGeometry& edit, int state, int32_t behindColor) {
    TBgSource behind;
    behind.Color = behindColor;
    return SectionPicture(manager, "EDIT", edit.Width, edit.Height, edit.Position, state, behind);
}

TBitmap32 SkinEditButtonPicture(const TsSkinManager& manager, const EditGeometry& edit, const TBitmap32& editPicture,
                                int state) {
    TBitmap32 picture = editPicture;
    const int w = edit.Button.right - edit.Button.left, h = edit.Button.bottom - edit.Button.top;
    const POINT at{edit.Button.left, edit.Button.top};
    const TBitmap32 button =
        SectionPicture(manager, "SPEEDBUTTON_SMALL", w, h, at, state, BgSourceOfBitmap(&editPicture, 0, 0));
    CopyPixels(picture, edit.Button.left, edit.Button.top, w, h, button, 0, 0);
    return picture;
}

RECT GlyphBox(const EditGeometry& edit) {
    const int x = edit.Button.left + (edit.Button.right - edit.Button.left - 16) / 2;
    const int y = edit.Button.top + (edit.Button.bottom - edit.Button.top - 16) / 2;
    return RECT{x, y, x + 16, y + 16};
}

RECT TextBox(const EditGeometry& edit) { return RECT{2, 2, edit.Button.left, edit.Height - 2}; }

int RingDifferences(const TBitmap32& a, const TBitmap32& b) {
    const int w = a.Width(), h = a.Height();
    return CountDifferences(a, b, [w, h](int x, int y) { return x < 2 || y < 2 || x >= w - 2 || y >= h - 2; });
}

int ButtonDifferences(const TBitmap32& a, const TBitmap32& b, const EditGeometry& edit) {
    const RECT glyph = GlyphBox(edit);
    return CountDifferences(a, b, [&](int x, int y) { return Inside(edit.Button, x, y) && !Inside(glyph, x, y); });
}

int AreaDifferences(const TBitmap32& a, const TBitmap32& b, const RECT& area) {
    return CountDifferences(a, b, [&](int x, int y) { return Inside(area, x, y); });
}

double MeanDistance(const TBitmap32& picture, const RECT& area, int32_t color) {
    const uint32_t c = static_cast<uint32_t>(color);
    long total = 0, count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x, ++count) {
            // Bitmap pixels keep blue in the low byte, colour values red.
            const uint32_t p = picture.Pixel(x, y);
            total += std::abs(Channel(p, 16) - Channel(c, 0)) + std::abs(Channel(p, 8) - Channel(c, 8)) +
                     std::abs(Channel(p, 0) - Channel(c, 16));
        }
    return count ? static_cast<double>(total) / static_cast<double>(count) : 0.0;
}

int ColouredPixels(const TBitmap32& picture, const RECT& area) {
    int coloured = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const uint32_t p = picture.Pixel(x, y);
            coloured += Channel(p, 0) != Channel(p, 8) || Channel(p, 8) != Channel(p, 16);
        }
    return coloured;
}

}  // namespace pakmole::test
