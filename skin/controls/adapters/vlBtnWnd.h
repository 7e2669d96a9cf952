#pragma once
// The button adapter: paints a plain push button from its skin section in
// the normal, hot, pressed, focused and disabled looks, with its caption,
// fading between the looks and showing a glow while hot.
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"
#include "ui/GdiHandles.h"

namespace pakmole {

class TvlBtnWnd : public TvlMainWnd {
public:
    TvlBtnWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
              TsCommonData* state)
        : TvlMainWnd(window, repaint, defaultSection.empty() ? "BUTTON" : defaultSection, manager, state) {}
    std::string ClassName() const override { return "TvlBtnWnd"; }

    void HandleMessage(TMessage& message) override;

    virtual void PaintCaption(TBitmap32& cache, int state);
    virtual void PaintGlyph(TBitmap32& cache, int state) { (void)cache, (void)state; }
    virtual SIZE GetGlyphSize() const { return SIZE{0, 0}; }
    virtual void PaintText(HDC dc, RECT rect, int state, UINT flags);
    virtual RECT GetCaptionRect(HDC dc);
    virtual int GetCaptionWidthLimit() const;
    virtual SIZE MeasureCaption(HDC dc);
    // Composes the whole button into the cache for its current state.
    virtual void RenderCache();

    // 2 pushed, 0 disabled, 1 focused, hot or default, else 0.
    int StateIndex() const;

protected:
    HFONT CaptionFont();
    bool Pushed() const;

private:
    void Paint(HDC target) override;
    // A change of look, faded when the skin and the manager's button effects
    // allow it; apply changes what the look depends on. False: not faded,
    // the caller repaints.
    bool FadeLook(uint8_t direction, unsigned event, const std::function<void()>& apply);
    void EnterHot();
    void LeaveHot();
    bool IsDefaultButton() const;
    // Runs the previous handling with the platform's own drawing held back.
    void WithoutRedraw(TMessage& message);
    void RepaintNow();

    FontHandle messageFont_;
};

}  // namespace pakmole
