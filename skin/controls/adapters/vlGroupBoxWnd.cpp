#include "skin/controls/adapters/vlGroupBoxWnd.h"

#include <algorithm>

#include "skin/controls/state/vlParentBg.h"
#include "skin/controls/state/vlWindowFont.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

RECT TvlGroupBoxWnd::CaptionBox(int textWidth, int textHeight, int width, bool rightToLeft) {
    const int left = rightToLeft ? width - textWidth - 14 : 6;
    return RECT{left, 0, std::min(left + textWidth + 8, width - 1), std::max(4, textHeight) + 2};
}

bool TvlGroupBoxWnd::RenderCache() {
    RefreshGeometry();
    const TvlBehind behind = ParentBehind(handle_, SkinManager());
    if (!behind.Ready || !skinData_->Skinned() || !skinData_->CacheBitmap) return false;
    TBitmap32& cache = *skinData_->CacheBitmap;
    cache.SetSize(width_, height_);
    if (cache.Empty()) return false;

    HDC dc = Bitmap32DC(cache);
    SelectedObject font(dc, WindowFont(handle_));
    const bool rtl = (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    RECT measure{0, 0, width_, 0};
    if (!caption_.empty()) DrawTextLine(dc, caption_, measure, DT_CALCRECT | DT_CENTER);
    captionRect_ = CaptionBox(measure.right - measure.left, caption_.empty() ? 0 : measure.bottom - measure.top,
                              width_, rtl);
    const int band = captionRect_.bottom;

    PaintBehind(cache, TRect32{0, 0, width_, band}, behind);
    TBitmap32 frame(width_, std::max(0, height_ - band / 2));
    if (!frame.Empty()) {
        PaintControl(skinData_->PaintData(), behind.Bg, true, frame,
                     TPoint32{behind.Position.X, behind.Position.Y + band / 2},
                     TRect32{0, 0, frame.Width(), frame.Height()}, 0);
        for (int y = 0; y < frame.Height(); ++y)
            std::copy(frame.Row(y), frame.Row(y) + width_, cache.Row(y + band / 2));
    }
    if (!caption_.empty()) {
        PaintBehind(cache, TRect32{captionRect_.left, captionRect_.top, captionRect_.right, captionRect_.bottom},
                    behind);
        SetBkMode(dc, TRANSPARENT);
        WriteSkinText(dc, &caption_, IsWindowEnabled(handle_) != FALSE, 0, *skinData_,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | (rtl ? DT_RTLREADING : 0), captionRect_);
    }
    GdiFlush();
    skinData_->BackgroundStale = false;
    return true;
}

void TvlGroupBoxWnd::Paint(HDC dc) {
    if (!RenderCache()) return;
    // The controls grouped inside are siblings that may be painted first: the
    // inside of the frame is left to them.
    TsSkinModel& skin = SkinManager()->Model();
    const int mask = skinData_->FrameMaskIndex;
    SavedDC saved(dc);
    if (skin.IsValidMask(mask)) {
        const int top = std::max<int>(captionRect_.bottom, captionRect_.bottom / 2 + skin.MaskMarginTop(mask));
        ExcludeClipRect(dc, skin.MaskMarginLeft(mask), top, width_ - skin.MaskMarginRight(mask),
                        height_ - skin.MaskMarginBottom(mask));
    }
    BitBlt(dc, 0, 0, width_, height_, Bitmap32DC(*skinData_->CacheBitmap), 0, 0, SRCCOPY);
}

void TvlGroupBoxWnd::HandleMessage(TMessage& m) {
    if (LeftToBase(m) || PaintMessage(m, prPrint | prPaintHidden | prEraseHidden)) return;
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
        skinData_->BackgroundStale = true;
        SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
        TvlMainWnd::HandleMessage(m);
        SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        return;
    case SKM_COMMAND:
        if (SkinCommandCode(m.WParam) == SKC_REMOVESKIN)
            if (TControl* control = OwnerControl()) control->SetControlStyle(control->ControlStyle() & ~csOpaque);
        break;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
