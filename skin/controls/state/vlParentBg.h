#pragma once
// What a raw child window shows of its parent: the parent's answer to the
// background query, and the copy of it into a piece of the child's picture.
// The dialog-control adapters paint their see-through parts with it.
#include <windows.h>

#include "skin/data/Bitmap32.h"
#include "skin/render/BgSource.h"
#include "skin/render/MaskPainter.h"

namespace pakmole {

class TsSkinManager;

struct TvlBehind {
    TBgSource Bg;
    TPoint32 Position;  // the window's place in its parent's client area
    bool Ready = true;  // false: the parent's picture is not made yet
};

TvlBehind ParentBehind(HWND window, const TsSkinManager* manager);

// Copies what lies behind rect (window coordinates) into target at rect.
void PaintBehind(TBitmap32& target, const TRect32& rect, const TvlBehind& behind);

}  // namespace pakmole
