#pragma once
// A window being dragged near the edges of the work area jumps onto them.
// Portable arithmetic.
#include <cstdint>

#include "skin/data/MaskData.h"

namespace pakmole {

// Moves the top-left corner (x, y) of a window of width x height: each side
// that lies less than buffer pixels from the matching edge of area lands on
// it; the right and bottom edges are tried first.
void SnapToEdges(int32_t& x, int32_t& y, int32_t width, int32_t height, const TRect32& area, int32_t buffer);

}  // namespace pakmole
