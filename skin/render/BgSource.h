#pragma once
// What shows through the transparent (key) pixels of a piece painted over a
// surface: a bitmap with the position that matches target pixel (0, 0), or a
// plain colour.
#include <array>
#include <cstdint>

#include "skin/data/Bitmap32.h"

namespace pakmole {

struct TBgSource {
    const TBitmap32* Bitmap = nullptr;
    int32_t OffsetX = 0;
    int32_t OffsetY = 0;
    int32_t Color = 0;  // red in the low byte; used when there is no bitmap
    std::array<int32_t, 4> Insets{};  // left, top, right, bottom: a valid border band of Bitmap
    bool HasBitmap = false;
};

// A background read from bitmap, whose point (x, y) lies under target pixel (0, 0).
TBgSource BgSourceOfBitmap(const TBitmap32* bitmap, int32_t x, int32_t y);

}  // namespace pakmole
