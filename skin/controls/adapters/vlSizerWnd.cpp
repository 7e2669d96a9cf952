#include "skin/controls/adapters/vlSizerWnd.h"

#include "skin/controls/state/vlPaintTarget.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "ui/GdiHandles.h"

namespace pakmole {

void TvlSizerWnd::Paint(HDC dc) {
    RefreshGeometry();
    skinData_->BackgroundStale = true;
    const bool built = skinData_->BuildCache(0, [this](TBitmap32& cache, const TBgSource&) {
        const TsSkinModel& skin = SkinManager()->Model();
        const int grip = skin.KnownIndexes.GripImage;
        if (!skin.IsValidMask(grip)) return;
        const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(grip)];
        PaintMaskImage(cache, TPoint32{width_ - mask.StateWidth(), height_ - mask.StateHeight()}, 0,
                       BgSourceOfBitmap(&cache, 0, 0), mask, miNormal);
    });
    if (built) BitBlt(dc, 0, 0, width_, height_, Bitmap32DC(*skinData_->CacheBitmap), 0, 0, SRCCOPY);
}

void TvlSizerWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlMainWnd::HandleMessage(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
        PaintToTarget(handle_, m.WParam, [this](HDC dc) { Paint(dc); });
        m.Result = 0;
        return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        m.Result = 1;
        return;
    case WM_NCHITTEST:
        if (IsWindowEnabled(handle_)) SetHot(false);
        m.Result = HTBOTTOMRIGHT;
        return;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
