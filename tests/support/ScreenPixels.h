#pragma once
// Looking at what a window really shows on the screen (Windows test programs only).
#include <windows.h>

namespace pakmole::test {

// How many screen pixels of the width x height rectangle at origin differ
// from the one at (1, 1) inside it: a plain face answers 0, a face with a
// glyph drawn on it answers about the glyph's area.
inline int PixelsUnlikeTheFace(POINT origin, int width, int height) {
    HDC screen = GetDC(nullptr);
    const COLORREF face = GetPixel(screen, origin.x + 1, origin.y + 1);
    int changed = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) changed += GetPixel(screen, origin.x + x, origin.y + y) != face;
    ReleaseDC(nullptr, screen);
    return changed;
}

}  // namespace pakmole::test
