#pragma once
// The adapter of an icon or bitmap static with an edge: the platform keeps
// painting its content; the skin's picture replaces only its 2-pixel frame.
#include <string>

#include "skin/controls/adapters/vlStaticWnd.h"

namespace pakmole {

class TvlEdgeWnd : public TvlStaticWnd {
public:
    TvlEdgeWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager, TsCommonData* state)
        : TvlStaticWnd(window, repaint, section.empty() ? "EDIT" : section, manager, state) {}
    std::string ClassName() const override { return "TvlEdgeWnd"; }

    void HandleMessage(TMessage& message) override;
    void Paint(HDC dc) override;
    bool PaintContent(TBitmap32&) override { return false; }
};

}  // namespace pakmole
