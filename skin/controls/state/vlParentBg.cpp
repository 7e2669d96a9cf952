#include "skin/controls/state/vlParentBg.h"

#include <algorithm>

#include "skin/render/BgQuery_win.h"
#include "skin/render/Blend.h"

namespace pakmole {

TvlBehind ParentBehind(HWND window, const TsSkinManager* manager) {
    TvlBehind behind;
    HWND parent = GetParent(window);
    RECT r{};
    GetWindowRect(window, &r);
    if (parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    } else {
        parent = nullptr;
    }
    behind.Position = TPoint32{r.left, r.top};
    TBgQuery query;
    query.ClipRect = RECT{0, 0, r.right - r.left, r.bottom - r.top};
    GetParentBg(query, parent, false, manager);
    behind.Ready = query.BgKind != bgkNotReady;
    behind.Bg = BgSourceOfQuery(query);
    return behind;
}

void PaintBehind(TBitmap32& target, const TRect32& rect, const TvlBehind& behind) {
    const TRect32 r = ClipToBitmap(rect, target);
    if (r.Width() <= 0 || r.Height() <= 0) return;
    const TBgSource& bg = behind.Bg;
    FillColor(target, r, bg.Color);
    if (!bg.HasBitmap || !bg.Bitmap) return;
    const TBitmap32& source = *bg.Bitmap;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const int sy = y + bg.OffsetY + behind.Position.Y;
        if (sy < 0 || sy >= source.Height()) continue;
        for (int x = r.Left; x < r.Right; ++x) {
            const int sx = x + bg.OffsetX + behind.Position.X;
            if (sx >= 0 && sx < source.Width()) target.Pixel(x, y) = source.Pixel(sx, sy);
        }
    }
}

}  // namespace pakmole
