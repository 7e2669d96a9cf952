#pragma once
// The drop-down list of a combo box, adapted when the box first colours it:
// the edit adapter's frame and the skin's scroll bars on the list. A list
// that closes tells its box, whose drop button then shows it is up again.
#include <string>

#include "skin/controls/adapters/vlEditWnd.h"

namespace pakmole {

class TvlComboListWnd : public TvlEditWnd {
public:
    TvlComboListWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                    TsCommonData* state)
        : TvlEditWnd(window, repaint, section.empty() ? std::string("EDIT") : section, manager, state) {}
    std::string ClassName() const override { return "TvlComboListWnd"; }

    void HandleMessage(TMessage& message) override;

    // The box whose list this is (repainted when the list closes).
    void SetComboBox(HWND combo) { combo_ = combo; }
    HWND ComboBox() const { return combo_; }

private:
    HWND combo_ = nullptr;
};

}  // namespace pakmole
