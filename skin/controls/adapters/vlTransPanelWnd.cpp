#include "skin/controls/adapters/vlTransPanelWnd.h"

#include "skin/controls/state/vlParentBg.h"
#include "skin/data/Bitmap32_win.h"

namespace pakmole {

void TvlTransPanelWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlMainWnd::HandleMessage(m);
        return;
    }
    switch (m.Msg) {
    case WM_ERASEBKGND: {
        RefreshGeometry();
        TBitmap32 picture(width_, height_);
        if (!picture.Empty()) {
            PaintBehind(picture, TRect32{0, 0, width_, height_}, ParentBehind(handle_, SkinManager()));
            BitBlt(reinterpret_cast<HDC>(m.WParam), 0, 0, width_, height_, Bitmap32DC(picture), 0, 0, SRCCOPY);
        }
        m.Result = 1;
        return;
    }
    case WM_NCPAINT:
        m.Result = 0;
        return;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
        // The pane's own children ask the dialog that holds it.
        if (HWND dialog = GetParent(handle_)) {
            m.Result = SendMessageA(dialog, m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
