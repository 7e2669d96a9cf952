#include "skin/data/Bitmap32.h"

namespace pakmole {

TBitmap32::TBitmap32(int width, int height, uint32_t fill) { SetSize(width, height, fill); }

void TBitmap32::SetSize(int width, int height, uint32_t fill) {
    if (width <= 0 || height <= 0) {
        width_ = height_ = 0;
        pixels_.clear();
        return;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

}  // namespace pakmole
