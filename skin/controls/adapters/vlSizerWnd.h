#pragma once
// The size-grip adapter: the skin's "GRIPIMAGE" in the bottom-right corner
// over what the parent shows; the whole grip sizes the window from its
// bottom-right corner.
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"

namespace pakmole {

class TvlSizerWnd : public TvlMainWnd {
public:
    TvlSizerWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager, TsCommonData* state)
        : TvlMainWnd(window, repaint, section.empty() ? "CHECKBOX" : section, manager, state) {}
    std::string ClassName() const override { return "TvlSizerWnd"; }

    void HandleMessage(TMessage& message) override;

private:
    void Paint(HDC dc) override;
};

}  // namespace pakmole
