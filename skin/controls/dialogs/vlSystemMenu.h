#pragma once
// The skinned system menu of a platform dialog: the dialog's restore, move,
// size, minimize, maximize and close, shown and enabled by the dialog's
// rules as it is now, drawn by the menu engine.
#include <windows.h>

#include <functional>
#include <vector>

#include "skin/controls/dialogs/vlDialogRules.h"
#include "skin/controls/menus/sCustomSysMenu.h"

namespace pakmole {

class TvlSystemMenu : public TsCustomSysMenu {
public:
    // rules: the dialog's items as they would show now.
    TvlSystemMenu(HWND dialog, std::function<std::vector<TvlMenuItemRule>()> rules);
    std::string ClassName() const override { return "TvlSystemMenu"; }

    bool VisibleClose() const override;
    void UpdateItems() override;

private:
    std::function<std::vector<TvlMenuItemRule>()> rules_;
};

}  // namespace pakmole
