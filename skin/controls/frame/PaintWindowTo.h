#pragma once
// A control and everything visible on it painted into a bitmap, the way it
// looks on the screen (the skin's frame and adapters included): the picture
// the window animations show in place of the real window.
#include "skin/data/Bitmap32.h"

namespace pakmole {

class TControl;

// Paints control with its top-left corner at (x, y) of the bitmap. root: the
// control is the window being pictured, painted even while it is hidden.
// A hidden control that has a parent leaves its parent's background there.
void PaintWindowTo(TBitmap32& bitmap, TControl* control, int x, int y, bool root = false);

}  // namespace pakmole
