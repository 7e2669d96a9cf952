// The form provider's window animations: the form appears through a
// finished picture of itself, may vanish through one, and the main form
// shrinks toward the taskbar and grows back from it. Also the snapping of a
// dragged form to the work area's edges.
#include <utility>

#include "skin/controls/frame/PaintWindowTo.h"
#include "skin/controls/frame/sScreenSnap.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinEffects.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/DesktopComposition_win.h"
#include "skin/render/WindowAnimation_win.h"
#include "skin/render/WindowOpacity_win.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"

namespace pakmole {

namespace {

TsAnimMode ModeOf(TvlAnimType type) { return type == TvlAnimType::atAero ? TsAnimMode::amZoom : TsAnimMode::amFading; }

// Redrawing of the form's visible windowed children, off while the form is
// shown unseen and on again when its picture stands over it.
void SetChildrenRedraw(TWinControl* form, bool on) {
    for (int i = 0; i < form->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(form->Controls(i));
        if (child && child->Visible() && child->HandleAllocated()) SendMessageA(child->Handle(), WM_SETREDRAW, on, 0);
    }
}

TRect32 WindowRectOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

TBitmap32 PictureOf(TCustomForm* form) {
    const TRect32 r = WindowRectOf(form->Handle());
    TBitmap32 picture(r.Width(), r.Height());
    // The picture windows blend at one alpha for all pixels, so the picture's own alpha plays no part.
    PaintWindowTo(picture, form, 0, 0, true);
    return picture;
}

}  // namespace

bool TsSkinProvider::MayAnimate() const {
    TsSkinManager* manager = SkinManager();
    return allowAnimation_ && manager && manager->Active() && skinData_->Skinned() && PaintsFrame() &&
           LayeredWindowsAvailable() && form_->HandleAllocated() && !form_->Parent();
}

bool TsSkinProvider::HandleAnimationMessage(TMessage& m, const TWndMethod& previous) {
    switch (m.Msg) {
    case WM_SHOWWINDOW:
        if (m.WParam && m.LParam == 0) {
            PrepareShow();
        } else if (!m.WParam && m.LParam == SW_PARENTCLOSING) {
            // Leaving with the application: the minimize picture speaks for the form.
            leavingWithOwner_ = true;
            previous(m);
            leavingWithOwner_ = false;
            return true;
        }
        return false;
    case WM_WINDOWPOSCHANGING: {
        auto& position = *reinterpret_cast<WINDOWPOS*>(m.LParam);
        if ((position.flags & SWP_HIDEWINDOW) && IsWindowVisible(form_->Handle())) TakeHidePicture();
        previous(m);
        if (ScreenSnap) SnapWhileMoving(position);
        return true;
    }
    case WM_WINDOWPOSCHANGED: {
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags;
        previous(m);
        if ((flags & SWP_SHOWWINDOW) && showPending_) AnimShowForm();
        if ((flags & SWP_HIDEWINDOW) && hideWindow_) AnimHideForm();
        return true;
    }
    case CM_SHOWINGCHANGED:
        previous(m);
        if (form_->Showing()) HookApplication();
        return true;
    default:
        return false;
    }
}

void TsSkinProvider::PrepareShow() {
    showPending_ = false;
    TsSkinManager* manager = SkinManager();
    if (!MayAnimate() || !manager->AnimEffects().FormShow.Active || IsWindowVisible(form_->Handle())) return;
    // The minimize picture brings a restored form back by itself.
    if (minTimer_ && minTimer_->Restoring()) return;
    showPending_ = true;
    // Shown by the system but not seen, and its children quiet, until its picture stands over it.
    SetWindowOpacity(form_->Handle(), true, 1);
    SetChildrenRedraw(form_, false);
}

void TsSkinProvider::AnimShowForm() {
    showPending_ = false;
    const HWND h = form_->Handle();
    TvlPictureWindow picture;
    {
        TAnimationInProgress animating;
        TsSkinManager* manager = SkinManager();
        if (manager && WindowImage()) {
            const TBitmap32 image = PictureOf(form_);
            const TRect32 r = WindowRectOf(h);
            if (picture.Create(h)) {
                picture.TakeRegionOf(h);
                const TvlFormShow& show = manager->AnimEffects().FormShow;
                PlayShowAnimation(picture, image, POINT{r.Left, r.Top}, show.Time, 255, ModeOf(show.Mode));
            }
        }
        // The real form takes its place under the picture.
        SetWindowOpacity(h, false);
        SetChildrenRedraw(form_, true);
    }
    frameStale_ = true;
    RedrawWindow(h, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    if (picture.Handle()) CompositionPause();
    picture.Free();
    if (OnAfterAnimation) OnAfterAnimation(this, 0);
}

void TsSkinProvider::TakeHidePicture() {
    hideWindow_.reset();
    TsSkinManager* manager = SkinManager();
    if (leavingWithOwner_ || !MayAnimate() || IsIconic(form_->Handle()) || !WindowImage()) return;
    const TvlFormHide& hide = manager->AnimEffects().FormHide;
    // Under one frame there is nothing to play.
    if (!hide.Active || hide.Time < kAnimationFrameMs || HideAnimationRunning()) return;
    hidePicture_ = PictureOf(form_);
    const TRect32 r = WindowRectOf(form_->Handle());
    hideAt_ = POINT{r.Left, r.Top};
    // Not owned by the form: the picture outlives it.
    hideWindow_ = std::make_unique<TvlPictureWindow>();
    if (!hideWindow_->Create(nullptr)) {
        hideWindow_.reset();
        return;
    }
    hideWindow_->PlaceAbove(form_->Handle());
    hideWindow_->TakeRegionOf(form_->Handle());
    hideWindow_->Show(hidePicture_, hideAt_, 255);
}

void TsSkinProvider::AnimHideForm() {
    TsSkinManager* manager = SkinManager();
    if (!manager) {
        hideWindow_.reset();
        return;
    }
    const TvlFormHide& hide = manager->AnimEffects().FormHide;
    // The provider may be gone by the last frame: the form's window tells it then.
    const HWND h = form_->Handle();
    auto after = [h, provider = this, handler = OnAfterAnimation] {
        if (handler && IsWindow(h) && SendMessageA(h, SKM_COMMAND, SkinCommandParam(SKC_GETPROVIDER), 0) ==
                                          reinterpret_cast<LRESULT>(provider))
            handler(provider, 1);
    };
    AnimHidePicture(std::move(hideWindow_), std::move(hidePicture_), hideAt_, hide.Time, ModeOf(hide.Mode), 255,
                    after);
}

void TsSkinProvider::SnapWhileMoving(WINDOWPOS& position) {
    const HWND h = form_->Handle();
    if ((position.flags & SWP_NOMOVE) || !IsWindowVisible(h) || IsZoomed(h)) return;
    RECT now;
    GetWindowRect(h, &now);
    // Only a move: a change of size is a resize, which keeps its edges where the user drags them.
    if (!(position.flags & SWP_NOSIZE) && (position.cx != now.right - now.left || position.cy != now.bottom - now.top))
        return;
    MONITORINFO monitor{sizeof(monitor), {}, {}, 0};
    if (!GetMonitorInfoA(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const bool onTop = (GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const RECT& a = onTop ? monitor.rcMonitor : monitor.rcWork;
    int32_t x = position.x, y = position.y;
    SnapToEdges(x, y, now.right - now.left, now.bottom - now.top, TRect32{a.left, a.top, a.right, a.bottom},
                SnapBuffer);
    position.x = x;
    position.y = y;
}

void TsSkinProvider::HookApplication() {
    TApplication* app = Application();
    if (hookedApplication_ || !app || app->MainForm() != form_) return;
    hookedApplication_ = true;
    app->OnMinimizing = [this](TObject*) { AnimMinimize(); };
    app->OnRestoring = [this](std::function<void()> bringBack) { AnimRestore(std::move(bringBack)); };
}

void TsSkinProvider::UnhookApplication() {
    if (!std::exchange(hookedApplication_, false)) return;
    if (TApplication* app = Application()) {
        app->OnMinimizing = nullptr;
        app->OnRestoring = nullptr;
    }
    minTimer_.reset();
}

void TsSkinProvider::AnimMinimize() {
    TsSkinManager* manager = SkinManager();
    if (!MayAnimate() || !manager->AnimEffects().Minimizing.Active || !IsWindowVisible(form_->Handle())) return;
    if (!minTimer_) minTimer_ = std::make_unique<TvlMinTimer>(nullptr);
    const TRect32 r = WindowRectOf(form_->Handle());
    const TApplication* app = Application();
    minTimer_->StartMinimize(PictureOf(form_), r, MinimizeTarget(app ? app->Handle() : nullptr, r),
                             manager->AnimEffects().Minimizing.Time, 255);
}

void TsSkinProvider::AnimRestore(std::function<void()> bringBack) {
    if (!minTimer_) {
        bringBack();
        return;
    }
    minTimer_->StartRestore(
        [this, bringBack = std::move(bringBack)] {
            bringBack();
            if (form_->HandleAllocated())
                RedrawWindow(form_->Handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        },
        [this] { GiveFocusAfterRestore(); });
}

void TsSkinProvider::GiveFocusAfterRestore() {
    if (form_->HandleAllocated() && IsWindowVisible(form_->Handle()) && IsWindowEnabled(form_->Handle()))
        SetActiveWindow(form_->Handle());
}

}  // namespace pakmole
