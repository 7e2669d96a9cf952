#include "skin/controls/frame/sSystemMenuRules.h"

namespace pakmole {

TsSysMenuItems SysMenuItemsOf(const TsFrameFacts& f) {
    const TsSysMenuRules rules = SysMenuRulesOf(f);
    const bool singleOrSizeable = f.Style == TsFrameStyle::fsSingle || f.Style == TsFrameStyle::fsSizeable;
    TsSysMenuItems items;
    items.Restore = {f.SystemMenu && (singleOrSizeable || f.MdiChild), rules.EnabledRestore};
    items.Move = {true, !f.Maximized()};
    items.Size = {f.Style != TsFrameStyle::fsNone && f.Style != TsFrameStyle::fsDialog &&
                      f.Style != TsFrameStyle::fsToolWindow,
                  f.Style != TsFrameStyle::fsSingle && !f.Iconic()};
    items.Minimize = {rules.VisibleMin, rules.EnabledMin};
    items.Maximize = {rules.VisibleMax, rules.EnabledMax};
    // Closing is always allowed where the item is shown.
    items.Close = {rules.VisibleClose, true};
    return items;
}

}  // namespace pakmole
