#include "skin/render/BgSource.h"

namespace pakmole {

TBgSource BgSourceOfBitmap(const TBitmap32* bitmap, int32_t x, int32_t y) {
    TBgSource bg;
    bg.Bitmap = bitmap;
    bg.OffsetX = x;
    bg.OffsetY = y;
    bg.Color = 0xFF00FF;
    bg.HasBitmap = true;
    return bg;
}

}  // namespace pakmole
