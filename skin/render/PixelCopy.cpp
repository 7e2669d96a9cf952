#include "skin/render/PixelCopy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pakmole {

void CopyPixels(TBitmap32& target, int x, int y, int width, int height, const TBitmap32& source, int sx, int sy) {
    // Both rectangles move together when either sticks out on the low side.
    const int skipX = std::max({0, -x, -sx});
    const int skipY = std::max({0, -y, -sy});
    x += skipX, sx += skipX, width -= skipX;
    y += skipY, sy += skipY, height -= skipY;
    width = std::min({width, target.Width() - x, source.Width() - sx});
    height = std::min({height, target.Height() - y, source.Height() - sy});
    if (width <= 0 || height <= 0) return;
    const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(uint32_t);
    if (&target == &source && sy < y) {
        // Overlapping copy within one bitmap: walk rows bottom-up.
        for (int j = height - 1; j >= 0; --j) std::memmove(target.Row(y + j) + x, source.Row(sy + j) + sx, bytes);
        return;
    }
    for (int j = 0; j < height; ++j) std::memmove(target.Row(y + j) + x, source.Row(sy + j) + sx, bytes);
}

void StretchPixels(TBitmap32& target, int x, int y, int width, int height, const TBitmap32& source, int sx, int sy,
                   int sw, int sh) {
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
    const int i0 = std::max(0, -x), i1 = std::min(width, target.Width() - x);
    const int j0 = std::max(0, -y), j1 = std::min(height, target.Height() - y);
    if (i0 >= i1 || j0 >= j1) return;
    std::vector<int> columns(static_cast<std::size_t>(i1 - i0));
    for (int i = i0; i < i1; ++i)
        columns[static_cast<std::size_t>(i - i0)] = sx + static_cast<int>(int64_t{i} * sw / width);
    // Read through a copy of the source rows in case source and target are one bitmap.
    std::vector<uint32_t> row(static_cast<std::size_t>(i1 - i0));
    for (int j = j0; j < j1; ++j) {
        const int srcY = sy + static_cast<int>(int64_t{j} * sh / height);
        if (srcY < 0 || srcY >= source.Height()) continue;
        const uint32_t* src = source.Row(srcY);
        for (int i = i0; i < i1; ++i) {
            const int srcX = columns[static_cast<std::size_t>(i - i0)];
            row[static_cast<std::size_t>(i - i0)] =
                srcX >= 0 && srcX < source.Width() ? src[srcX] : target.Pixel(x + i, y + j);
        }
        std::copy(row.begin(), row.end(), target.Row(y + j) + x + i0);
    }
}

}  // namespace pakmole
