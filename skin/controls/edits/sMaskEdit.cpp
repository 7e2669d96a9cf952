#include "skin/controls/edits/sMaskEdit.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "ui/Application.h"

namespace pakmole {

TsMaskEdit::TsMaskEdit(TComponent* owner)
    : TMaskEdit(owner),
      skinData_(std::make_unique<TsCtrlSkinData>(this, true)),
      boundLabel_(std::make_unique<TsBoundLabel>(this)) {
    // The component name must never turn up as the edit's text.
    SetControlStyle(ControlStyle() & ~csSetCaption);
    skinData_->ControlKind = ckEdit;
    skinData_->SetSkinSection("EDIT");
    // The frame's rounded corners show the parent, not the field's colour.
    skinData_->CornerBlend = true;
}

TsMaskEdit::~TsMaskEdit() = default;

void TsMaskEdit::SetDisabledKind(int kind) {
    if (kind == disabledKind_) return;
    disabledKind_ = kind;
    skinData_->Invalidate(false);
}

bool TsMaskEdit::SkinActive() {
    const TsSkinManager* manager = skinData_->ManagerInEffect();
    if (!manager || !manager->Active()) return false;
    if (skinData_->SectionIndex < 0) {
        skinData_->UpdateIndexes();
        skinData_->UpdateSkinColors(false);
    }
    return skinData_->Skinned();
}

bool TsMaskEdit::IsHotLook() const {
    return skinData_->Skinned() && skinData_->Section().States > 1 && (skinData_->HasFocus || skinData_->MouseOver);
}

int TsMaskEdit::BorderWidth() const {
    if (BorderStyle() != TBorderStyle::bsSingle) return 0;
    return Ctl3D() ? 3 : 2;
}

int TsMaskEdit::ClientOffset() const {
    if (!HandleAllocated()) return BorderStyle() == TBorderStyle::bsSingle ? (Ctl3D() ? 2 : 1) : 0;
    RECT window, client{};
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    MapWindowPoints(handle_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client.left - window.left;
}

bool TsMaskEdit::HandleSkinCommand(TMessage& m) {
    const uint16_t command = SkinCommandCode(m.WParam);
    switch (command) {
    case SKC_ISSKINNED:
        m.Result = 1;
        return true;
    case SKC_GETAPPLICATION:
        m.Result = reinterpret_cast<LRESULT>(Application());
        return true;
    case SKC_GETDISABLEDKIND:
        if (m.LParam) *reinterpret_cast<int*>(m.LParam) = disabledKind_;
        m.Result = 1;
        return true;
    case SKC_APPLYSKIN:
    case SKC_REMOVESKIN:
    case SKC_REFRESH: {
        const bool own = reinterpret_cast<TsSkinManager*>(m.LParam) == skinData_->ManagerInEffect();
        skinData_->HandleSkinCommand(m);
        if (!own) return true;
        if (command != SKC_REMOVESKIN) skinData_->UpdateSkinColors(false);
        boundLabel_->UpdateSkinColor();
        SkinCommandTaken(m);
        FitTextArea();
        if (HandleAllocated() && Showing())
            RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
        return true;
    }
    default:
        return skinData_->HandleSkinCommand(m);
    }
}

void TsMaskEdit::WndProc(TMessage& m) {
    if (m.Msg == SKM_COMMAND) {
        if (HandleSkinCommand(m)) return;
        TMaskEdit::WndProc(m);
        return;
    }
    skinData_->HandleControlMessage(m);
    switch (m.Msg) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
    case WM_PRINT:
        HandlePaint(m);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TMaskEdit::WndProc(m);
        // The whole picture changes with the focus: the hot look comes and goes.
        if (SkinActive() && HandleAllocated())
            RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        return;
    case WM_SETTEXT:
    case CM_COLORCHANGED:
        skinData_->BackgroundStale = true;
        break;
    case WM_SIZE:
    case WM_MOVE:
        TMaskEdit::WndProc(m);
        boundLabel_->AlignLabel();
        return;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
        TMaskEdit::WndProc(m);
        boundLabel_->FollowControl();
        // A label beside an edit that does not blend when disabled stays readable.
        if (Enabled() || (disabledKind_ & dkBlended) == 0)
            if (TsEditLabel* label = boundLabel_->Label()) label->SetEnabled(true);
        return;
    default:
        break;
    }
    TMaskEdit::WndProc(m);
}

}  // namespace pakmole
