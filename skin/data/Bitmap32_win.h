#pragma once
// The Windows side of TBitmap32: its pixels are a top-down 32-bit DIB section
// selected into a memory device context that lives as long as the pixels.
// GDI may batch its drawing: call GdiFlush() before reading pixels that GDI
// has just drawn.
#include <windows.h>

#include "skin/data/Bitmap32.h"

namespace pakmole {

// The memory DC that holds the bitmap's DIB section, made on first use;
// null for an empty bitmap (or when the system has no DC left to give).
HDC Bitmap32DC(const TBitmap32& bitmap);
// The DIB section itself; null for an empty bitmap.
HBITMAP Bitmap32Handle(const TBitmap32& bitmap);

}  // namespace pakmole
