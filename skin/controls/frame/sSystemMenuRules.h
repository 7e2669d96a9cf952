#pragma once
// Which items of a skinned system menu a window shows and lets be chosen,
// from what the window is. Portable, so every kind of window can be checked
// without one.
#include "skin/controls/frame/sFrameLayout.h"

namespace pakmole {

struct TsSysMenuItemState {
    bool Visible = false;
    bool Enabled = false;
};

struct TsSysMenuItems {
    TsSysMenuItemState Restore, Move, Size, Minimize, Maximize, Close;
};

TsSysMenuItems SysMenuItemsOf(const TsFrameFacts& facts);

}  // namespace pakmole
