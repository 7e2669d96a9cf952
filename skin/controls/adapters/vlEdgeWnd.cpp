#include "skin/controls/adapters/vlEdgeWnd.h"

#include "skin/data/Bitmap32_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

void TvlEdgeWnd::Paint(HDC) {
    RefreshGeometry();
    skinData_->BackgroundStale = true;
    if (!skinData_->BuildCache(0)) return;
    FrameDC window(handle_);
    HDC source = Bitmap32DC(*skinData_->CacheBitmap);
    constexpr int kEdge = 2;
    BitBlt(window.Get(), 0, 0, width_, kEdge, source, 0, 0, SRCCOPY);
    BitBlt(window.Get(), 0, height_ - kEdge, width_, kEdge, source, 0, height_ - kEdge, SRCCOPY);
    BitBlt(window.Get(), 0, kEdge, kEdge, height_ - 2 * kEdge, source, 0, kEdge, SRCCOPY);
    BitBlt(window.Get(), width_ - kEdge, kEdge, kEdge, height_ - 2 * kEdge, source, width_ - kEdge, kEdge, SRCCOPY);
}

void TvlEdgeWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlMainWnd::HandleMessage(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
        // The content is the platform's; the frame goes over it afterwards.
        CallPrevWndProc(m);
        if (Visible()) Paint(nullptr);
        return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        m.Result = 1;
        return;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
