#pragma once
// A borderless layered window that shows a finished picture over the screen
// and lets the mouse through: the stage of the title buttons' fades and of
// the window animations. Its content is set only with UpdateLayeredWindow.
#include <windows.h>

#include <cstdint>

#include "skin/data/Bitmap32.h"

namespace pakmole {

class TvlPictureWindow {
public:
    TvlPictureWindow() = default;
    ~TvlPictureWindow() { Free(); }
    TvlPictureWindow(const TvlPictureWindow&) = delete;
    TvlPictureWindow& operator=(const TvlPictureWindow&) = delete;

    // Made on first use, owned by owner (so it stays above it); topmost when owner is.
    bool Create(HWND owner);
    // The window the picture is put directly above from now on (the owner
    // at first); none: the top of the Z order.
    void PlaceAbove(HWND window) { above_ = window; }
    void Free();
    HWND Handle() const { return window_; }

    // Shows picture with its top-left corner at screen point at, every pixel
    // at the constant alpha (perPixel: the picture's own premultiplied alpha
    // times alpha), directly above its window in the Z order, without activation.
    void Show(const TBitmap32& picture, POINT at, uint8_t alpha, bool perPixel = false);
    void Hide();
    // Cut like window (its rounded corners), or uncut when it has no region.
    void TakeRegionOf(HWND window);

private:
    HWND window_ = nullptr;
    HWND above_ = nullptr;
};

}  // namespace pakmole
