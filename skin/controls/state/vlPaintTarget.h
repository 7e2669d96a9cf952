#pragma once
// Where an adapter's WM_PAINT or WM_PRINT draws: into the device context the
// message hands in (a print, a parent asking for a picture), else into the
// window between BeginPaint and EndPaint.
#include <windows.h>

#include "ui/GdiHandles.h"

namespace pakmole {

template <class Paint>
void PaintToTarget(HWND window, WPARAM givenDC, Paint paint) {
    if (givenDC) {
        paint(reinterpret_cast<HDC>(givenDC));
        return;
    }
    PaintDC dc(window);
    paint(dc.Get());
}

}  // namespace pakmole
