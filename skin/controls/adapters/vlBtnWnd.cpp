// How the button adapter follows its window: hot tracking, focus, press,
// enable and text changes, each wrapped so the platform's own drawing never
// reaches the screen.
#include "skin/controls/adapters/vlBtnWnd.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/sGlowEffect_win.h"

namespace pakmole {

bool TvlBtnWnd::Pushed() const { return (SendMessageA(handle_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

void TvlBtnWnd::RepaintNow() {
    skinData_->BackgroundStale = true;
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TvlBtnWnd::WithoutRedraw(TMessage& m) {
    SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
    CallPrevWndProc(m);
    SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
}

bool TvlBtnWnd::FadeLook(uint8_t direction, unsigned event, const std::function<void()>& apply) {
    TsSkinManager* manager = SkinManager();
    const bool animate =
        manager && manager->AnimEffects().Buttons.Active && (manager->AnimEffects().Buttons.Events & event) != 0;
    return StartPaintChange(fadeTimer_, *skinData_, direction, false, animate, apply);
}

void TvlBtnWnd::EnterHot() {
    RECT r;
    POINT cursor;
    GetWindowRect(handle_, &r);
    GetCursorPos(&cursor);
    if (!PtInRect(&r, cursor)) return;
    if (!FadeLook(fdForward, beMouseEnter, [this] {
            skinData_->MouseOver = true;
            skinData_->PaintSuspended = false;
        }))
        RepaintNow();
    TsSkinManager* manager = SkinManager();
    if (manager && manager->Effects().AllowGlowing() && skinData_->Skinned() && skinData_->Section().Glow >= 1 &&
        skinData_->GlowHandle < 0) {
        RefreshGeometry();
        skinData_->GlowHandle = ShowGlow(windowRect_, RECT{0, 0, width_, height_}, skinData_->SkinSection(), manager,
                                         handle_, 1, skinData_->Section().GlowMargin);
    }
}

void TvlBtnWnd::LeaveHot() {
    HideGlow(skinData_->GlowHandle);
    if (!FadeLook(fdBack, beMouseLeave, [this] {
            skinData_->MouseOver = false;
            skinData_->PaintSuspended = false;
        }))
        RepaintNow();
}

void TvlBtnWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlMainWnd::HandleMessage(m);
        return;
    }
    switch (m.Msg) {
    case SKM_COMMAND:
        switch (SkinCommandCode(m.WParam)) {
        case SKC_ENDPARENTUPDATE:
            if (!skinData_->PaintSuspended) break;
            skinData_->PaintSuspended = false;
            skinData_->PaintSuspended = skinData_->IsUpdating();
            if (!skinData_->PaintSuspended)
                RedrawWindow(handle_, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
            return;
        case SKC_MOUSEENTER:
            if (!skinData_->MouseOver && IsHot()) EnterHot();
            return;
        case SKC_MOUSELEAVE:
            if (skinData_->MouseOver) LeaveHot();
            return;
        case SKC_PREPARECACHE:
            if (skinData_->BackgroundStale) RenderCache();
            return;
        case SKC_FADEFRAME:
            m.Result = 0;  // the fade timer copies each frame to the window itself
            return;
        case SKC_GETDISABLEDKIND:
            // The disabled look is the button's own blend, laid in RenderCache.
            if (m.LParam) *reinterpret_cast<int*>(m.LParam) = 0;
            m.Result = 1;
            return;
        default:
            break;
        }
        break;
    case WM_MOVE: {
        if (!skinData_->Skinned()) break;
        const TsGeneralData& section = skinData_->Section();
        if (section.Props[0].Transparency > 0 || (section.Props[1].Transparency > 0 && StateIndex() > 0)) {
            skinData_->BackgroundStale = true;
            TvlMainWnd::HandleMessage(m);
            RepaintNow();
            return;
        }
        break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (!IsWindowEnabled(handle_)) break;
        SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
        TvlMainWnd::HandleMessage(m);
        SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
        skinData_->HasFocus = m.Msg == WM_SETFOCUS;
        skinData_->BackgroundStale = true;
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        return;
    case WM_ENABLE:
    case WM_SETTEXT:
        if (!Visible()) break;
        if (m.Msg == WM_ENABLE && !m.WParam) {
            // A disabled button shows its normal look blended, never hot or pressed.
            HideGlow(skinData_->GlowHandle);
            StopFade(fadeTimer_);
            skinData_->MouseOver = false;
            skinData_->HasFocus = false;
        }
        SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
        TvlMainWnd::HandleMessage(m);
        SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
        RepaintNow();
        return;
    case BM_SETSTATE: {
        if (!Visible()) break;
        const bool down = m.WParam != 0;
        if (down == Pushed()) {
            WithoutRedraw(m);
            return;
        }
        if (down) HideGlow(skinData_->GlowHandle);
        SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
        const bool faded = FadeLook(down ? fdForward : fdBack, down ? beMouseDown : beMouseUp,
                                    [&] { CallPrevWndProc(m); });
        SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
        if (!faded) RepaintNow();
        return;
    }
    case WM_PAINT:
    case WM_PRINT:
        if (!Visible() && (skinData_->StateBits & sbPrinting) == 0) break;
        if (!paramsApplied_) ApplySkinParams();
        Paint(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
        m.Result = 1;
        return;
    case WM_MOUSEHOVER:
        SendMessageA(handle_, SKM_COMMAND, SkinCommandParam(SKC_MOUSEENTER), reinterpret_cast<LPARAM>(SkinManager()));
        break;
    case WM_MOUSELEAVE:
        SetHot(false);
        break;
    case WM_MOUSEMOVE: {
        // Windows without a component hear of the mouse leaving only when they ask.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&track);
        TvlMainWnd::HandleMessage(m);
        const TsSkinManager* manager = TsSkinManager::DefaultManager();
        if (!manager || destroyed_ || !IsWindowEnabled(handle_)) return;
        RECT r;
        POINT cursor;
        GetWindowRect(handle_, &r);
        GetCursorPos(&cursor);
        SetHot(PtInRect(&r, cursor) != FALSE);
        return;
    }
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
