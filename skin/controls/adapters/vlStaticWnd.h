#pragma once
// The static-text adapter: a raw static control of a dialog drawn over what
// its parent shows, its text written in the skin's colours. Statics that
// take the focus or carry an edge keep the platform's painting. The base of
// the icon, edge and link adapters, which change what is drawn.
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"

namespace pakmole {

class TvlStaticWnd : public TvlMainWnd {
public:
    TvlStaticWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager, TsCommonData* state)
        : TvlMainWnd(window, repaint, section.empty() ? "CHECKBOX" : section, manager, state) {}
    std::string ClassName() const override { return "TvlStaticWnd"; }

    void HandleMessage(TMessage& message) override;

    // Renders the cache and copies it to dc.
    void Paint(HDC dc) override;
    // Draws the text or image into the cache; false when nothing was drawn.
    virtual bool PaintContent(TBitmap32& cache);

protected:
    // Left to the platform: a static that takes the focus or has an edge.
    virtual bool PlatformPaints() const;
    // The DrawText flags of the text.
    UINT TextFlags() const;
    // Runs a message that changes the look, then paints anew.
    void ChangeAndRepaint(TMessage& message);
};

}  // namespace pakmole
