#pragma once
// The bit-button adapter: a push button that carries a picture (its
// BM_SETIMAGE bitmap or icon) shows it left of the caption, the two centred
// together a few pixels apart, or centred alone when there is no caption.
// Pressed, both move one pixel right and down; disabled, both fade with the
// face toward what lies behind the button.
#include "skin/controls/adapters/vlBtnWnd.h"

namespace pakmole {

class TvlBitBtnWnd : public TvlBtnWnd {
public:
    using TvlBtnWnd::TvlBtnWnd;
    std::string ClassName() const override { return "TvlBitBtnWnd"; }

    // Space between the picture and the caption.
    static constexpr int kSpacing = 4;

    void PaintGlyph(TBitmap32& cache, int state) override;
    SIZE GetGlyphSize() const override;
    RECT GetCaptionRect(HDC dc) override;

private:
    // Where the picture's left edge goes when the caption is textWidth wide.
    int ContentLeft(int textWidth) const;
};

}  // namespace pakmole
