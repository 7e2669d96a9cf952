#pragma once
// The check-box adapter: check boxes and radio buttons of a dialog drawn
// over what the parent shows, with the skin's check or radio glyph for the
// check state (checked, unchecked, indeterminate) in the look of the moment
// (pressed, focused or hot, normal) and the caption in the skin's colours.
// An owner-drawn button only gets the parent's picture under it.
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"

namespace pakmole {

class TvlCheckBoxWnd : public TvlMainWnd {
public:
    TvlCheckBoxWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                   TsCommonData* state);
    std::string ClassName() const override { return "TvlCheckBoxWnd"; }

    void HandleMessage(TMessage& message) override;

    // The "GLOBALINFO" mask that shows the check state, by button style.
    static const char* GlyphName(LONG style, LRESULT buttonState);
    // 2 pushed, 1 focused or hot, else 0.
    int LookState() const;
    // Where glyph and caption lie in the window, as last painted.
    RECT GlyphRect() const { return glyphRect_; }
    RECT CaptionRect() const { return captionRect_; }

private:
    void Paint(HDC dc) override;
    void RenderCache();
    void PaintGlyph(TBitmap32& cache, int state);
    void PaintCaption(TBitmap32& cache, int state);
    void Repaint();
    void WithoutRedraw(TMessage& message);

    bool ownerDraw_ = false;
    RECT glyphRect_{};
    RECT captionRect_{};
};

}  // namespace pakmole
