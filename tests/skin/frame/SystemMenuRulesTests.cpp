// Which items of a skinned system menu a window shows and lets be chosen,
// from what the window is.
#include <gtest/gtest.h>

#include <string>

#include "skin/controls/frame/sSystemMenuRules.h"

namespace pakmole {
namespace {

// Visible and enabled, in the order restore, move, size, minimize, maximize, close.
std::string ItemsText(const TsSysMenuItems& items) {
    std::string text;
    for (const TsSysMenuItemState& s : {items.Restore, items.Move, items.Size, items.Minimize, items.Maximize, items.Close})
        text += std::string(s.Visible ? "v" : "-") + (s.Enabled ? "e " : "- ");
    return text;
}

TEST(SystemMenuItems, ShownAndEnabledAsTheWindowAllows) {
    auto facts = [](TsFrameStyle style, bool sysMenu, bool min, bool max, TsFrameState state, bool main) {
        TsFrameFacts f;
        f.Style = style;
        f.SystemMenu = sysMenu;
        f.Minimize = min;
        f.Maximize = max;
        f.State = state;
        f.MainForm = main;
        return f;
    };
    using S = TsFrameStyle;
    using W = TsFrameState;
    struct Case {
        const char* what;
        TsFrameFacts facts;
        std::string expected;  // restore move size minimize maximize close
    } cases[] = {
        {"the program's window", facts(S::fsSingle, true, true, false, W::wsNormal, true),
         "v- ve v- ve -- ve "},
        {"the program's window minimized", facts(S::fsSingle, true, true, false, W::wsMinimized, true),
         "ve ve v- ve v- ve "},
        {"a sizeable window maximized", facts(S::fsSizeable, true, true, true, W::wsMaximized, false),
         "ve v- ve ve ve ve "},
        {"a sizeable window at rest", facts(S::fsSizeable, true, true, true, W::wsNormal, false),
         "v- ve ve ve ve ve "},
        {"a dialog frame", facts(S::fsDialog, true, true, true, W::wsNormal, false), "-- ve -e -e -- ve "},
        {"a tool window", facts(S::fsToolWindow, true, true, false, W::wsNormal, false), "-- ve -e -e -- ve "},
        {"no system menu", facts(S::fsSingle, false, true, false, W::wsNormal, false), "-- ve v- -e -- -e "},
        {"another form minimized", facts(S::fsSizeable, true, true, false, W::wsMinimized, false),
         "ve ve v- v- v- ve "},
    };
    for (const Case& c : cases) EXPECT_EQ(ItemsText(SysMenuItemsOf(c.facts)), c.expected) << c.what;

    TsFrameFacts noClose = facts(S::fsSingle, true, true, false, W::wsNormal, true);
    noClose.SysMenuHasClose = false;
    EXPECT_FALSE(SysMenuItemsOf(noClose).Close.Visible);
}

}  // namespace
}  // namespace pakmole
