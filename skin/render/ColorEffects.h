#pragma once
// Colour adjustments of a painted area: hue rotation, saturation change and
// the grayed look. Key pixels (0x00FF00FF) are never touched.
#include "skin/data/Bitmap32.h"
#include "skin/data/MaskData.h"

namespace pakmole {

void ShiftHueArea(TBitmap32& target, const TRect32& rect, int offset);
void ChangeSaturationArea(TBitmap32& target, const TRect32& rect, int amount);
// Each pixel's three channels become (r + g + b) div 3.
void GrayArea(TBitmap32& target, const TRect32& rect);

}  // namespace pakmole
