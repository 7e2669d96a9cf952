#pragma once
// Fixtures for text drawing under Wine: the built-in skin in a manager whose
// model a test may bend, a sharp (not smoothed) font so that every glyph
// pixel has exactly the colour it was drawn in, and the reference set of
// glyph pixels of a text, against which contour copies are predicted.
#include <windows.h>

#include <string>
#include <vector>

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinStateCore_win.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "ui/GdiHandles.h"

namespace pakmole::test {

// The 0xRRGGBB pixel of a platform colour value (red in the low byte).
inline uint32_t PixelOf(int32_t color) {
    const auto c = static_cast<uint32_t>(color);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

inline ComponentPtr<TsSkinManager> EmberlineManager() {
    auto manager = MakeManager();
    manager->SetSkinName(kInternalSkinName);
    return manager;
}

inline FontHandle SharpFont(int height = -22) {
    return FontHandle(CreateFontA(height, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma"));
}

// A skin state as the writers see it, with the skinned test under the test's control.
class StubSkinState : public TsSkinStateCore {
public:
    TsSkinManager* Manager = nullptr;
    bool IsSkinned = true;
    TsSkinManager* ManagerInEffect() const override { return Manager; }
    bool Skinned(bool) const override {
        return IsSkinned && Manager && Manager->IsValidSection(SectionIndex);
    }
};

// Which pixels of a bitmap of size w x h a text covers, drawn plainly.
inline std::vector<bool> GlyphPixels(HFONT font, const std::string& text, int w, int h, const RECT& rect, UINT format) {
    TBitmap32 probe(w, h, 0xFFFFFFFF);
    HDC dc = Bitmap32DC(probe);
    SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT r = rect;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    GdiFlush();
    std::vector<bool> covered(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) covered[static_cast<std::size_t>(y * w + x)] = (probe.Pixel(x, y) & 0xFFFFFF) == 0;
    return covered;
}

// One copy of the glyphs drawn in a colour, moved by (dx, dy).
struct TextCopy {
    uint32_t Pixel;
    int Dx, Dy;
};

// The picture that drawing the copies in order over background gives.
inline std::vector<uint32_t> Predict(const std::vector<bool>& glyphs, int w, int h, uint32_t background,
                                     const std::vector<TextCopy>& copies) {
    std::vector<uint32_t> out(static_cast<std::size_t>(w * h), background);
    for (const TextCopy& copy : copies)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int sx = x - copy.Dx, sy = y - copy.Dy;
                if (sx >= 0 && sy >= 0 && sx < w && sy < h && glyphs[static_cast<std::size_t>(sy * w + sx)])
                    out[static_cast<std::size_t>(y * w + x)] = copy.Pixel;
            }
    return out;
}

// Compares the colour bytes; GDI leaves alpha as it likes.
inline ::testing::AssertionResult SamePicture(const TBitmap32& bitmap, const std::vector<uint32_t>& expected) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const uint32_t got = bitmap.Pixel(x, y) & 0xFFFFFF;
            const uint32_t want = expected[static_cast<std::size_t>(y * bitmap.Width() + x)] & 0xFFFFFF;
            if (got != want)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << got
                                                     << ", expected " << want;
        }
    return ::testing::AssertionSuccess();
}

}  // namespace pakmole::test
