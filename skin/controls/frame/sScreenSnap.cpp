#include "skin/controls/frame/sScreenSnap.h"

#include <cstdlib>

namespace pakmole {

namespace {

// value + offset is the window's side; it lands on edge when near enough.
void Snap(int32_t& value, int32_t offset, int32_t edge, int32_t buffer) {
    if (std::llabs(int64_t{value} + offset - edge) < buffer) value = edge - offset;
}

}  // namespace

void SnapToEdges(int32_t& x, int32_t& y, int32_t width, int32_t height, const TRect32& area, int32_t buffer) {
    Snap(x, width, area.Right, buffer);
    Snap(y, height, area.Bottom, buffer);
    Snap(x, 0, area.Left, buffer);
    Snap(y, 0, area.Top, buffer);
}

}  // namespace pakmole
