#pragma once
// The adapter of a see-through pane (a nested dialog page, the folder
// browser's pane): its background is what its parent shows.
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"

namespace pakmole {

class TvlTransPanelWnd : public TvlMainWnd {
public:
    TvlTransPanelWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                     TsCommonData* state)
        : TvlMainWnd(window, repaint, section.empty() ? "CHECKBOX" : section, manager, state) {}
    std::string ClassName() const override { return "TvlTransPanelWnd"; }

    void HandleMessage(TMessage& message) override;
};

}  // namespace pakmole
