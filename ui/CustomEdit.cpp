#include "ui/CustomEdit.h"

namespace pakmole {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    SetControlStyle(ControlStyle() & ~csSetCaption);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.BaseClassName = "EDIT";
    p.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (WindowReadOnly()) p.Style |= ES_READONLY;
    if (borderStyle_ == TBorderStyle::bsSingle) {
        if (ctl3D_)
            p.ExStyle |= WS_EX_CLIENTEDGE;
        else
            p.Style |= WS_BORDER;
    }
}

void TCustomEdit::CreateHandleDone() {
    SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetMaxLength(int length) {
    maxLength_ = length < 0 ? 0 : length;
    if (HandleAllocated()) SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool on) {
    readOnly_ = on;
    ApplyWindowReadOnly();
}

void TCustomEdit::ApplyWindowReadOnly() {
    if (HandleAllocated()) SendMessageA(handle_, EM_SETREADONLY, WindowReadOnly() ? TRUE : FALSE, 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TCustomEdit::SetCtl3D(bool on) {
    if (on == ctl3D_) return;
    ctl3D_ = on;
    RecreateWnd();
}

void TCustomEdit::SelectAll() {
    if (HandleAllocated()) SendMessageA(handle_, EM_SETSEL, 0, -1);
}

int TCustomEdit::SelStart() const {
    if (!handle_) return 0;
    DWORD start = 0, end = 0;
    SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
    if (!handle_) return 0;
    DWORD start = 0, end = 0;
    SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelection(int start, int length) {
    if (HandleAllocated()) SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

bool TCustomEdit::Modified() const {
    return handle_ && SendMessageA(handle_, EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE) {
            Perform(CM_TEXTCHANGED);
            Change();
        }
        m.Result = 0;
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, ColorToRGB(Font().Color()));
        SetBkColor(dc, ColorToRGB(Color()));
        m.Result = reinterpret_cast<LRESULT>(ColorBrush());
        return;
    }
    case WM_SETFOCUS:
        TWinControl::WndProc(m);
        if (autoSelect_ && !(GetKeyState(VK_LBUTTON) < 0) && !Text().empty()) SelectAll();
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

}  // namespace pakmole
