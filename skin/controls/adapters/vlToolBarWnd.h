#pragma once
// The adapter of a raw toolbar (the file dialog's folder buttons): the bar
// in its section over the parent's picture, each button in "TOOLBUTTON" in
// its state (pressed, hot, normal; disabled ones faded toward the bar) with
// its image-list picture, drop arrow and text, separators as "DIVIDER".
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"

namespace pakmole {

class TvlToolBarWnd : public TvlMainWnd {
public:
    TvlToolBarWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                  TsCommonData* state);
    std::string ClassName() const override { return "TvlToolBarWnd"; }

    void HandleMessage(TMessage& message) override;

    // The section of a toolbar of that style: "BAR" for a wrapping one.
    static const char* SectionFor(LONG style);
    // The look of a button: 0 disabled or normal, 2 pressed, 1 hot.
    static int ButtonState(BYTE buttonState, bool hot);

private:
    void Paint(HDC dc) override;
    int HotButton() const;

    RECT client_{};
    int border_ = 0;
};

}  // namespace pakmole
