#include "skin/controls/adapters/sScrollBox.h"

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/data/Bitmap32_win.h"

namespace pakmole {

TsScrollBox::TsScrollBox(TComponent* owner) : TWinControl(owner), skin_(this, "BAR") {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TsScrollBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TsScrollBox::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    skin_.Attach<TvlScrollBoxWnd>();
    PrepareBackground();
}

bool TsScrollBox::PrepareBackground() {
    TsCommonData& skin = SkinData();
    if (!skin_.Adapter() || !skin.Skinned(true) || !skin.CacheBitmap || IsDestroying()) return false;
    return skin.BuildCache(0, nullptr);
}

void TsScrollBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        if (m.WParam && PrepareBackground()) {
            const TBitmap32& picture = *SkinData().CacheBitmap;
            BitBlt(reinterpret_cast<HDC>(m.WParam), 0, 0, picture.Width(), picture.Height(), Bitmap32DC(picture), 0,
                   0, SRCCOPY);
            m.Result = 1;
            return;
        }
        break;
    case WM_SIZE:
        // A picture of the old size is no answer to the controls' question
        // (they would hear "not ready"): the new one is made at once.
        TWinControl::WndProc(m);
        PrepareBackground();
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

void TsScrollBox::DestroyingHandle() {
    skin_.Detach();
    TWinControl::DestroyingHandle();
}

}  // namespace pakmole
