#pragma once
// The picture a push button window carries (BM_SETIMAGE): a bitmap or an
// icon, drawn onto the button's cache. The button window keeps the image and
// its owner frees it; this only looks at it while a paint lasts.
#include <windows.h>

#include "skin/data/Bitmap32.h"

namespace pakmole {

class TButtonGlyph {
public:
    // The image of a button window; empty when it has none.
    static TButtonGlyph Of(HWND button);

    bool Empty() const { return size_.cx <= 0 || size_.cy <= 0; }
    SIZE Size() const { return size_; }
    // Top-left corner at (x, y). A 32-bit bitmap whose alpha says anything is
    // blended by it, premultiplied, as the system's image buttons take it;
    // any other bitmap leaves out the colour of its bottom-left pixel, the
    // usual transparent colour of button glyphs; an icon draws through its mask.
    void Draw(TBitmap32& target, int x, int y) const;

private:
    HBITMAP bitmap_ = nullptr;
    HICON icon_ = nullptr;
    SIZE size_{};
    bool alpha_ = false;
    COLORREF transparent_ = 0;
};

}  // namespace pakmole
