#pragma once
// Whole-area blends and fills on 32-bit bitmaps. Colour values keep red in
// their low byte; rectangles are clipped to the bitmaps.
#include <cstdint>

#include "skin/data/Bitmap32.h"
#include "skin/data/MaskData.h"
#include "skin/render/MaskPainter.h"

namespace pakmole {

// d' = (weight * (d - s) + 256 * s) >> 8 for blue, green, red; alpha untouched.
// Weight 255 keeps the target, 0 copies the source.
void BlendOver(TBitmap32& target, const TBitmap32& source, int weight, TPoint32 targetPoint, const TRect32& sourceRect);

// d' = round(f * d + (1 - f) * c) per channel with f = percent / 100, ties to even.
void ColorOver(TBitmap32& target, const TRect32& rect, int percent, int32_t color);

// round(x * a + (1 - x) * b) per channel, ties to even; the high byte of a is kept.
int32_t Mix(int32_t a, int32_t b, double x);

// Every pixel of the rectangle becomes color with the given alpha.
void FillColor(TBitmap32& target, const TRect32& rect, int32_t color, int alpha = 255);

// The rectangle cut to the bitmap (may come out empty).
TRect32 ClipToBitmap(const TRect32& rect, const TBitmap32& bitmap);

}  // namespace pakmole
