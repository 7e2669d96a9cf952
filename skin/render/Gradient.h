#pragma once
// Gradient fills of a rectangle from parsed gradient segments: vertical,
// horizontal, or four-corner (a fan of four triangles around the centre).
#include <cstdint>

#include "skin/data/Bitmap32.h"
#include "skin/data/GeneralData.h"
#include "skin/data/MaskData.h"

namespace pakmole {

// The first segment's mode decides; offset moves the start of a vertical
// gradient down (or up) against the rectangle's top.
void PaintGradient(TBitmap32& target, const TRect32& rect, const TsGradArray& segments, int offset = 0);

}  // namespace pakmole
