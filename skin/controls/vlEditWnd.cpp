#include "skin/controls/vlEditWnd.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "ui/GdiHandles.h"

namespace pakmole {

TvlEditWnd::TvlEditWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
                       TsCommonData* state)
    : TvlScrollWnd(window, repaint, defaultSection.empty() ? std::string("EDIT") : defaultSection, manager, state) {
    if (skinData_->ControlKind == ckPlain || skinData_->ControlKind == ckAdapterItem)
        skinData_->ControlKind = ckEditAdapter;
}

void TvlEditWnd::CaptureOriginalParams() {
    TControl* control = OwnerControl();
    if (!control) return;
    originalColor_ = control->Color();
    originalFontColor_ = control->Font().Color();
    captured_ = true;
}

void TvlEditWnd::RestoreOriginalParams() {
    TControl* control = OwnerControl();
    if (control && captured_ && !control->IsDestroying()) {
        control->SetColor(originalColor_);
        control->Font().SetColor(originalFontColor_);
    }
    paramsApplied_ = false;
    if (IsWindow(handle_)) RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

int TvlEditWnd::LookState() const {
    if (!skinData_->Skinned() || skinData_->Section().States < 2) return 0;
    return (GetFocus() == handle_ || IsHot() || skinData_->MouseOver) ? 1 : 0;
}

void TvlEditWnd::ApplySkinParams() {
    paramsApplied_ = true;
    TControl* control = OwnerControl();
    if (!control || !skinData_->Skinned()) return;
    const TsGenState& props = skinData_->Section().Props[static_cast<std::size_t>(LookState())];
    if (!skinData_->CustomColor && control->Color() != props.Color) control->SetColor(props.Color);
    if (!skinData_->CustomFont) {
        // The hot record carries the hot font colour.
        if (control->Font().Color() != props.FontColor) control->Font().SetColor(props.FontColor);
    }
}

void TvlEditWnd::PaintFrame(HDC dc) {
    RefreshGeometry();
    skinData_->BuildCache(LookState());
    if (!skinData_->CacheBitmap || skinData_->CacheBitmap->Empty()) return;
    HDC cache = Bitmap32DC(*skinData_->CacheBitmap);
    const int left = borders_[0], right = borders_[1], top = borders_[2], bottom = borders_[3];
    BitBlt(dc, 0, 0, width_, top, cache, 0, 0, SRCCOPY);
    BitBlt(dc, 0, height_ - bottom, width_, bottom, cache, 0, height_ - bottom, SRCCOPY);
    BitBlt(dc, 0, top, left, height_ - top - bottom, cache, 0, top, SRCCOPY);
    BitBlt(dc, width_ - right, top, right, height_ - top - bottom, cache, width_ - right, top, SRCCOPY);
}

void TvlEditWnd::PaintNonClient(TMessage&) {
    if (skinData_->PaintSuspended) return;
    if (!paramsApplied_) ApplySkinParams();
    const FrameDC dc(handle_);
    PaintFrame(dc.Get());
    PaintBars(dc.Get());
}

void TvlEditWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlScrollWnd::HandleMessage(m);
        return;
    }
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TvlScrollWnd::HandleMessage(m);
        if (destroyed_) return;
        skinData_->BackgroundStale = true;
        // The hot look changes the field's colours as well as the frame.
        ApplySkinParams();
        RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    case WM_SIZE:
        TvlScrollWnd::HandleMessage(m);
        skinData_->BackgroundStale = true;
        RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case EM_LINESCROLL:
    case EM_SCROLL:
    case EM_SCROLLCARET:
    case EM_REPLACESEL:
        // The platform moves its scroll state on these: the bars follow.
        TvlScrollWnd::HandleMessage(m);
        if (!destroyed_ && m.Msg != WM_MOUSEMOVE) RefreshBars();
        return;
    default:
        break;
    }
    TvlScrollWnd::HandleMessage(m);
}

}  // namespace pakmole
