#pragma once
// Block copies between 32-bit bitmaps, the plain-buffer equivalents of a
// source-copy blit and of a colour-on-colour stretch (nearest pixel). Both
// clip silently: a target pixel is written only when it lies in the target
// and the pixel it is taken from lies in the source.
#include "skin/data/Bitmap32.h"

namespace pakmole {

void CopyPixels(TBitmap32& target, int x, int y, int width, int height, const TBitmap32& source, int sx, int sy);

// Target pixel (x + i, y + j) takes source pixel (sx + i * sw / w, sy + j * sh / h).
void StretchPixels(TBitmap32& target, int x, int y, int width, int height, const TBitmap32& source, int sx, int sy,
                   int sw, int sh);

}  // namespace pakmole
