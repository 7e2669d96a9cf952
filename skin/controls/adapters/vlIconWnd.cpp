#include "skin/controls/adapters/vlIconWnd.h"

#include <algorithm>

#include "skin/data/Bitmap32_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

TvlIconWnd::TvlIconWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                       TsCommonData* state)
    : TvlStaticWnd(window, repaint, section, manager, state),
      bitmapStatic_((GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {}

bool TvlIconWnd::PaintContent(TBitmap32& cache) {
    HDC dc = Bitmap32DC(cache);
    if (!bitmapStatic_) {
        auto icon = reinterpret_cast<HICON>(SendMessageA(handle_, STM_GETICON, 0, 0));
        if (!icon) return false;
        DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        GdiFlush();
        return true;
    }
    // Read at every paint: the window owns its picture and may change it.
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageA(handle_, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return false;
    MemoryDC source(dc);
    SelectedObject selected(source.Get(), bitmap);
    const int w = std::min<int>(info.bmWidth, cache.Width()), h = std::min<int>(info.bmHeight, cache.Height());
    if (info.bmBitsPixel == 32) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, 0, 0, w, h, source.Get(), 0, 0, w, h, blend);
    } else {
        BitBlt(dc, 0, 0, w, h, source.Get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    return true;
}

}  // namespace pakmole
