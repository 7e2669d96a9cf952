#include "skin/controls/edits/sCustomComboEdit.h"

#include "skin/manager/SkinCommands.h"
#include "ui/CustomForm.h"

namespace pakmole {

TsCustomComboEdit::TsCustomComboEdit(TComponent* owner) : TsMaskEdit(owner) {
    SkinData().ControlKind = ckComboEdit;
    SetDisabledKind(dkBlended);
    SetHeight(21);
    button_ = new TsEditButton(this);
    button_->SetParent(this);
    button_->OnClick = [this](TObject*) { DoButtonClick(); };
    glyphMode_ = std::make_unique<TsGlyphMode>(this, button_);
}

void TsCustomComboEdit::BeforeDestruction() {
    // The glyph settings go first and the button stops calling back; the
    // button itself is freed with the other owned components.
    glyphMode_.reset();
    if (button_) button_->OnClick = nullptr;
    TsMaskEdit::BeforeDestruction();
    button_ = nullptr;
}

void TsCustomComboEdit::CreateParams(TCreateParams& p) {
    TsMaskEdit::CreateParams(p);
    // Only a multi-line edit takes a formatting rectangle.
    p.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
    p.Style &= ~static_cast<DWORD>(ES_AUTOVSCROLL);
    switch (alignment_) {
    case TAlignment::taLeftJustify:
        p.Style |= ES_LEFT;
        break;
    case TAlignment::taRightJustify:
        p.Style |= ES_RIGHT;
        break;
    case TAlignment::taCenter:
        p.Style |= ES_CENTER;
        break;
    }
}

void TsCustomComboEdit::CreateHandleDone() {
    TsMaskEdit::CreateHandleDone();
    Invalidate();
    FitTextArea();
}

void TsCustomComboEdit::Loaded() {
    TsMaskEdit::Loaded();
    Invalidate();
    FitTextArea();
}

void TsCustomComboEdit::SetShowButton(bool on) {
    if (on == showButton_) return;
    showButton_ = on;
    Invalidate();
    FitTextArea();
}

void TsCustomComboEdit::SetDirectInput(bool on) {
    directInput_ = on;
    ApplyWindowReadOnly();
}

void TsCustomComboEdit::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    RecreateWnd();
}

bool TsCustomComboEdit::ReadOnly() const { return TsMaskEdit::ReadOnly(); }

void TsCustomComboEdit::SetReadOnly(bool on) {
    TsMaskEdit::SetReadOnly(on);
    // A read-only edit shows its button disabled.
    if (button_) button_->Invalidate();
}

void TsCustomComboEdit::PaintChildCaches(HDC dc, int offsetX, int offsetY) {
    if (!showButton_ || !button_ || !button_->Visible()) return;
    button_->PaintSkinned(dc, button_->Left() + offsetX, button_->Top() + offsetY);
}

void TsCustomComboEdit::SkinCommandTaken(TMessage& m) {
    if (button_) button_->Perform(SKM_COMMAND, m.WParam, m.LParam);
}

UINT TsCustomComboEdit::TextAlignment() const {
    switch (alignment_) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    default: return DT_LEFT;
    }
}

void TsCustomComboEdit::OpenPopup() {
    if (!popupWindow_) return;
    popupVisible_ = true;
    popupWindow_->Show();
}

void TsCustomComboEdit::ClosePopup() {
    if (!popupWindow_) return;
    popupVisible_ = false;
    popupWindow_->Hide();
}

void TsCustomComboEdit::SelectAllText() { SelectAll(); }

void TsCustomComboEdit::FitTextArea() {
    if (!HandleAllocated() || !button_) return;
    const RECT client = ClientRect();
    RECT area{(BorderStyle() == TBorderStyle::bsSingle && !Ctl3D()) ? 2 : 0, 0,
              client.right - (showButton_ ? button_->Width() : 0), client.bottom};
    SendMessageA(handle_, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&area));
}

void TsCustomComboEdit::UpdateButton() {
    if (!button_ || !glyphMode_ || IsDestroying()) return;
    const int oldWidth = button_->Width();
    if (showButton_) {
        button_->SetNumGlyphs(glyphMode_->UsesImages() ? 1 : glyphMode_->GlyphCount());
        if (button_->Parent() != this) button_->SetParent(this);
        if (!button_->Visible()) button_->Show();
        button_->SetWidth(glyphMode_->Width() + 2);
    } else {
        button_->Hide();
        button_->SetParent(nullptr);
        button_->SetWidth(0);
    }
    if (button_->Width() != oldWidth) FitTextArea();
}

void TsCustomComboEdit::Invalidate() {
    UpdateButton();
    TsMaskEdit::Invalidate();
}

void TsCustomComboEdit::DoButtonClick() {
    if (ReadOnly()) return;
    RunButtonAction();
}

void TsCustomComboEdit::RunButtonAction() {
    if (OnButtonClick) OnButtonClick(this);
    if (popupWindow_) {
        if (popupVisible_)
            ClosePopup();
        else
            OpenPopup();
    }
}

void TsCustomComboEdit::KeyDown(WORD& key, TShiftState shift) {
    TsMaskEdit::KeyDown(key, shift);
    if (key == 0) return;
    if (glyphMode_ && glyphMode_->Width() > 0 && ShortCut(key, shift) == clickKey_) {
        key = 0;
        DoButtonClick();
        return;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) {
        const WORD pressed = key;
        // The form's default and cancel buttons react as in a dialog.
        if (key == VK_RETURN) key = 0;
        if (TCustomForm* form = GetParentForm(this)) form->Perform(CM_DIALOGKEY, pressed, 0);
    }
}

void TsCustomComboEdit::KeyPress(char& key) {
    TsMaskEdit::KeyPress(key);
    // The window is multi-line only for its formatting rectangle: a line
    // break must never get into the text.
    if (key == '\r' || key == '\n') key = 0;
}

void TsCustomComboEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case SKM_COMMAND:
        // The button asks its parent before it paints; the edit is never in the way.
        if (SkinCommandCode(m.WParam) == SKC_ISUPDATING) {
            m.Result = 0;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        TsMaskEdit::WndProc(m);
        if (button_) button_->SetEnabled(Enabled());
        return;
    case CM_WANTSPECIALKEY:
        if (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE) {
            m.Result = 1;
            return;
        }
        break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
        if (WindowReadOnly()) {
            m.Result = 0;
            return;
        }
        break;
    case WM_SIZE:
    case CM_FONTCHANGED:
        TsMaskEdit::WndProc(m);
        FitTextArea();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        TsMaskEdit::WndProc(m);
        // The platform's edit resets its rectangle on some of these.
        FitTextArea();
        return;
    default:
        break;
    }
    TsMaskEdit::WndProc(m);
}

}  // namespace pakmole
