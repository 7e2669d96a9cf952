#include "skin/controls/dialogs/vlSystemMenu.h"

#include <string>
#include <utility>

namespace pakmole {

TvlSystemMenu::TvlSystemMenu(HWND dialog, std::function<std::vector<TvlMenuItemRule>()> rules)
    : TsCustomSysMenu(nullptr), rules_(std::move(rules)) {
    // The menu engine gives the items of a system menu their glyphs by this name.
    SetName("vlSysMenu" + std::to_string(GetTickCount()));
    Target = dialog;
    PopupWindow = dialog;
}

bool TvlSystemMenu::VisibleClose() const {
    for (const TvlMenuItemRule& rule : rules_())
        if (rule.Command == SC_CLOSE) return rule.Visible;
    return false;
}

void TvlSystemMenu::UpdateItems() {
    const std::vector<TvlMenuItemRule> rules = rules_();
    if (Items().Count() == 0) {
        for (const TvlMenuItemRule& rule : rules) {
            if (rule.Name.empty()) {
                AddDivider();
                continue;
            }
            TMenuItem* item = AddCommand(rule.Name, static_cast<UINT>(rule.Command), rule.Caption);
            if (!item->ShortCut && !rule.ShortCut.empty()) item->ShortCut = TextToShortCut(rule.ShortCut);
        }
    }
    for (const TvlMenuItemRule& rule : rules) {
        if (rule.Name.empty()) continue;
        for (int i = 0; i < Items().Count(); ++i)
            if (TMenuItem* item = Items().Items(i); item->Name() == rule.Name) {
                item->Visible = rule.Visible;
                item->Enabled = rule.Enabled;
            }
    }
}

}  // namespace pakmole
