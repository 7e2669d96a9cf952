#include "skin/controls/adapters/vlBitBtnWnd.h"

#include <algorithm>

#include "skin/controls/adapters/vlButtonGlyph.h"
#include "skin/data/Bitmap32_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

SIZE TvlBitBtnWnd::GetGlyphSize() const { return TButtonGlyph::Of(handle_).Size(); }

int TvlBitBtnWnd::ContentLeft(int textWidth) const {
    const int glyphWidth = static_cast<int>(GetGlyphSize().cx);
    const int content = textWidth > 0 ? glyphWidth + kSpacing + textWidth : glyphWidth;
    return std::max(0, (width_ - content) / 2);
}

RECT TvlBitBtnWnd::GetCaptionRect(HDC dc) {
    const SIZE glyph = GetGlyphSize();
    if (glyph.cx <= 0) return TvlBtnWnd::GetCaptionRect(dc);
    const SIZE text = MeasureCaption(dc);
    const int left = ContentLeft(static_cast<int>(text.cx)) + static_cast<int>(glyph.cx) + kSpacing;
    const int dy = (height_ - static_cast<int>(text.cy)) / 2;
    // As wide as the text plus the pixel either side that a centred caption keeps.
    RECT r{left - 1, dy, left + static_cast<int>(text.cx) + 2, height_ - dy};
    if (Pushed()) OffsetRect(&r, 1, 1);
    return r;
}

void TvlBitBtnWnd::PaintGlyph(TBitmap32& cache, int state) {
    (void)state;  // the pressed look is told by the shift alone
    const TButtonGlyph glyph = TButtonGlyph::Of(handle_);
    if (glyph.Empty()) return;
    int textWidth = 0;
    if (!caption_.empty()) {
        HDC dc = Bitmap32DC(cache);
        SelectedObject font(dc, CaptionFont());
        textWidth = static_cast<int>(MeasureCaption(dc).cx);
    }
    int x = ContentLeft(textWidth);
    int y = (height_ - static_cast<int>(glyph.Size().cy)) / 2;
    if (Pushed()) ++x, ++y;
    glyph.Draw(cache, x, y);
}

}  // namespace pakmole
