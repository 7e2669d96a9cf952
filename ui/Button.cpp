#include "ui/Button.h"

namespace pakmole {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.BaseClassName = "BUTTON";
    p.Style |= (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::SetDefault(bool on) {
    if (on == default_) return;
    default_ = on;
    if (HandleAllocated())
        SendMessageA(Handle(), BM_SETSTYLE, on ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
    if (modalResult_ != mrNone) {
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    }
    TWinControl::Click();
}

void TButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == BN_CLICKED) {
            Click();
            m.Result = 0;
            return;
        }
        break;
    case CM_DIALOGKEY:
        if (((m.WParam == VK_RETURN && (default_ || Focused())) ||
             (m.WParam == VK_ESCAPE && cancel_)) &&
            CanFocus()) {
            Click();
            m.Result = 1;
            return;
        }
        return;
    case CM_WANTSPECIALKEY:
        m.Result = 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

}  // namespace pakmole
