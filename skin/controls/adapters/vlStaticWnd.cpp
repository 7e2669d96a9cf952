#include "skin/controls/adapters/vlStaticWnd.h"

#include "skin/controls/state/vlWindowFont.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

bool TvlStaticWnd::PlatformPaints() const {
    return (GetWindowLongA(handle_, GWL_STYLE) & WS_TABSTOP) != 0 ||
           (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0;
}

UINT TvlStaticWnd::TextFlags() const {
    // Word breaks, tabs of eight characters, no clipping.
    UINT flags = DT_WORDBREAK | DT_EXPANDTABS | DT_TABSTOP | DT_NOCLIP | (8u << 8);
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_RIGHT) flags |= DT_RIGHT;
    // A centred or right-aligned static keeps its alignment.
    if ((style & SS_TYPEMASK) == SS_CENTER) flags |= DT_CENTER;
    if ((style & SS_TYPEMASK) == SS_RIGHT) flags |= DT_RIGHT;
    if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
    if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
    return flags;
}

bool TvlStaticWnd::PaintContent(TBitmap32& cache) {
    if (caption_.empty()) return false;
    HDC dc = Bitmap32DC(cache);
    SelectedObject font(dc, WindowFont(handle_));
    SetBkMode(dc, TRANSPARENT);
    WriteSkinText(dc, &caption_, true, 0, *skinData_, TextFlags(), RECT{0, 0, width_, height_});
    GdiFlush();
    return true;
}

void TvlStaticWnd::Paint(HDC dc) {
    RefreshGeometry();
    skinData_->BackgroundStale = true;
    if (!skinData_->BuildCache(0, [this](TBitmap32& cache, const TBgSource&) { PaintContent(cache); })) return;
    BitBlt(dc, 0, 0, width_, height_, Bitmap32DC(*skinData_->CacheBitmap), 0, 0, SRCCOPY);
}

void TvlStaticWnd::ChangeAndRepaint(TMessage& m) {
    skinData_->BackgroundStale = true;
    if (m.Msg == WM_SETTEXT) {
        // The platform would draw the new text at once.
        SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
        TvlMainWnd::HandleMessage(m);
        SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
    } else {
        TvlMainWnd::HandleMessage(m);
    }
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TvlStaticWnd::HandleMessage(TMessage& m) {
    if (LeftToBase(m, PlatformPaints()) || PaintMessage(m, prPrint)) return;
    switch (m.Msg) {
    case WM_NCPAINT:
        m.Result = 0;
        return;
    case WM_MOVE:
    case WM_ENABLE:
    case WM_SETTEXT:
        if (!Visible()) break;
        ChangeAndRepaint(m);
        return;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
