#pragma once
// The group-box adapter: the skin's "GROUPBOX" frame from half the caption's
// height down, over what the parent shows, and the caption written on the
// parent's picture in a gap of the frame's top line.
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"

namespace pakmole {

class TvlGroupBoxWnd : public TvlMainWnd {
public:
    TvlGroupBoxWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                   TsCommonData* state)
        : TvlMainWnd(window, repaint, section.empty() ? "GROUPBOX" : section, manager, state) {}
    std::string ClassName() const override { return "TvlGroupBoxWnd"; }

    void HandleMessage(TMessage& message) override;

    // The caption's place: textWidth and textHeight as measured, width the window's.
    static RECT CaptionBox(int textWidth, int textHeight, int width, bool rightToLeft);
    // The caption's place in the window as last painted.
    RECT CaptionRect() const { return captionRect_; }

private:
    bool RenderCache();
    void Paint(HDC dc) override;

    RECT captionRect_{};
};

}  // namespace pakmole
