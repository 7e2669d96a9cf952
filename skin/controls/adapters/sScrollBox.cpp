#include "skin/controls/adapters/sScrollBox.h"

#include "skin/controls/adapters/vlAdapterClasses.h"

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
}

void TsScrollBox::DestroyingHandle() {
    skin_.Detach();
    TWinControl::DestroyingHandle();
}

}  // namespace pakmole
