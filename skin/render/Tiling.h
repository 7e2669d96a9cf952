#pragma once
// Tiling of an area with one tile size: whole tiles while a whole one still
// leaves room, then one tile cut to what remains, on both axes. A tile of size
// 0 places nothing. Tiles wholly outside [0, limitX) x [0, limitY) are not
// visited, so a huge area over a small bitmap costs only what is seen.
#include <algorithm>

#include "skin/data/MaskData.h"

namespace pakmole {

template <typename PlaceTile>
void TileArea(const TRect32& area, int tileWidth, int tileHeight, int limitX, int limitY, PlaceTile place) {
    if (tileWidth <= 0 || tileHeight <= 0) return;
    const int right = area.Right, bottom = area.Bottom;
    const int firstX = area.Left < 0 ? area.Left + (-area.Left / tileWidth) * tileWidth : area.Left;
    const int firstY = area.Top < 0 ? area.Top + (-area.Top / tileHeight) * tileHeight : area.Top;
    for (int x = firstX; x < right && x < limitX; x += tileWidth) {
        const int w = x < right - tileWidth ? tileWidth : right - x;
        for (int y = firstY; y < bottom && y < limitY; y += tileHeight) {
            const int h = y < bottom - tileHeight ? tileHeight : bottom - y;
            place(x, y, w, h);
        }
    }
}

}  // namespace pakmole
