#include "skin/controls/adapters/sBitBtn.h"

#include "skin/controls/adapters/vlBitBtnWnd.h"

namespace pakmole {

void TsBitBtn::CreateHandleDone() {
    TButton::CreateHandleDone();
    skin_.Attach<TvlBitBtnWnd>();
}

void TsBitBtn::DestroyingHandle() {
    skin_.Detach();
    TButton::DestroyingHandle();
}

void TsBitBtn::WndProc(TMessage& m) {
    // Without a focus frame the platform is told never to draw one.
    if (m.Msg == WM_UPDATEUISTATE && !showFocus_) m.WParam = MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS);
    TButton::WndProc(m);
    if (m.Msg == WM_SETFOCUS && !showFocus_ && HandleAllocated())
        SendMessageA(handle_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
}

}  // namespace pakmole
