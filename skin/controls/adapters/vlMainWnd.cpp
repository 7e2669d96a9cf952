#include "skin/controls/adapters/vlMainWnd.h"

#include "skin/controls/state/sControlPopupMenu.h"
#include "skin/controls/state/vlPaintTarget.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "skin/render/sGlowEffect_win.h"
#include "ui/Application.h"
#include "ui/SpeedButton.h"
#include "ui/WinControl.h"

namespace pakmole {
namespace {

const char* const kAdapterProperty = "VLSBSC";
bool dialogMode = false;

}  // namespace

bool DialogMode() { return dialogMode; }
void SetDialogMode(bool on) { dialogMode = on; }

TvlMainWnd* TvlMainWnd::FromWindow(HWND window) {
    return window ? static_cast<TvlMainWnd*>(GetPropA(window, kAdapterProperty)) : nullptr;
}

TvlMainWnd::TvlMainWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
                       TsCommonData* state)
    : handle_(window), manager_(manager) {
    (void)repaint;  // the first paint comes with the next WM_PAINT either way
    visualStyle_.ProviderState = state && state->ProviderForm;
    visualStyle_.ProviderDrawsFrame = !state || state->ProviderDrawsFrame;
    visualStyle_.DialogSection = defaultSection == "DIALOG";
    visualStyle_.DialogMode = dialogMode;
    if (state) {
        skinData_ = state;
        if (!manager_) manager_ = state->SkinManager();
    } else {
        ownedSkinData_ = std::make_unique<TsCommonData>(nullptr, true);
        skinData_ = ownedSkinData_.get();
    }
    if (!skinData_->CacheBitmap) skinData_->CacheBitmap = std::make_unique<TBitmap32>();
    skinData_->Window = window;
    // The adapter paints the whole window: the corners take the parent's picture.
    skinData_->CornerBlend = true;
    if (manager_ && manager_ != TsSkinManager::DefaultManager()) skinData_->SetSkinManager(manager_);
    if (skinData_->SkinSection().empty() && !defaultSection.empty()) skinData_->SetSkinSection(defaultSection);
    if (skinData_->SectionIndex < 0) skinData_->UpdateIndexes();
    dialogMode_ = dialogMode;
}

void TvlMainWnd::Start() {
    // Decided here, where a descendant's answer to MenuWindow counts.
    visualStyle_.MenuWindow = MenuWindow();
    if (TurnsVisualStyleOff(visualStyle_)) TurnVisualStyleOff(handle_);
    CaptureOriginalParams();
    paramsApplied_ = false;
    ReadCaption();
    Subclass();
    if (TControl* control = OwnerControl()) {
        savedStyle_ = control->ControlStyle();
        styleSaved_ = true;
        control->SetControlStyle(savedStyle_ | csOpaque);
    }
    Started();
}

TvlMainWnd::~TvlMainWnd() {
    HideGlow(skinData_->GlowHandle);
    StopFade(fadeTimer_);
    // Always given back, even while a registry is torn down: a control that
    // outlives its adapter still hears its own WM_DESTROY through WindowProc.
    if (!destroyed_) {
        try {
            Unsubclass();
        } catch (...) {
            // Letting go of a window that is already half gone may fail; nothing is left to undo.
        }
    }
    if (TControl* control = OwnerControl(); control && styleSaved_ && !destroyed_) control->SetControlStyle(savedStyle_);
    if (!ownedSkinData_) skinData_->Window = nullptr;
}

TsSkinManager* TvlMainWnd::SkinManager() const { return skinData_ ? skinData_->ManagerInEffect() : manager_; }

bool TvlMainWnd::ManagerActive() const {
    const TsSkinManager* manager = SkinManager();
    return manager && manager->Active() && !manager->IsDestroying();
}

void TvlMainWnd::ReadCaption() {
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int got = GetWindowTextA(handle_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    caption_ = text;
}

void TvlMainWnd::Subclass() {
    SetPropA(handle_, kAdapterProperty, this);
    if (TControl* control = OwnerControl()) {
        prevMethod_ = control->WindowProc;
        control->WindowProc = [this](TMessage& message) { HandleMessage(message); };
        return;
    }
    prevProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RawWindowProcedure)));
}

void TvlMainWnd::Unsubclass() {
    if (destroyed_) return;
    destroyed_ = true;
    if (TControl* control = OwnerControl(); control && prevMethod_) {
        control->WindowProc = std::move(prevMethod_);
    } else if (prevProc_ && IsWindow(handle_)) {
        // Someone who subclassed after us keeps the window; we only forget ours.
        if (GetWindowLongPtrA(handle_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RawWindowProcedure))
            SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(prevProc_));
    }
    prevMethod_ = nullptr;
    if (IsWindow(handle_)) {
        RemovePropA(handle_, kAdapterProperty);
        RestoreOriginalParams();
        if (IsWindowVisible(handle_)) SendMessageA(handle_, WM_NCPAINT, 1, 0);
    }
}

LRESULT CALLBACK TvlMainWnd::RawWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TvlMainWnd* adapter = FromWindow(window);
    if (!adapter) return DefWindowProcA(window, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        adapter->HandleMessage(message);
    } catch (...) {
        if (TApplication* app = Application()) app->HandleException(nullptr);
        message.Result = 0;
    }
    return message.Result;
}

void TvlMainWnd::CallPrevWndProc(TMessage& message) {
    if (prevMethod_) {
        // Held while it runs: the handler may un-subclass and drop our copy.
        TWndMethod previous = prevMethod_;
        previous(message);
    } else if (prevProc_) {
        message.Result = CallWindowProcA(prevProc_, handle_, message.Msg, message.WParam, message.LParam);
    } else {
        message.Result = 0;
    }
}

void TvlMainWnd::RefreshGeometry() {
    GetWindowRect(handle_, &windowRect_);
    width_ = windowRect_.right - windowRect_.left;
    height_ = windowRect_.bottom - windowRect_.top;
    parentWindow_ = GetParent(handle_);
    RECT inParent = windowRect_;
    if (parentWindow_) {
        GetWindowRect(parentWindow_, &parentRect_);
        MapWindowPoints(nullptr, parentWindow_, reinterpret_cast<POINT*>(&inParent), 2);
    }
    positionInParent_ = POINT{inParent.left, inParent.top};
}

bool TvlMainWnd::IsHot() const {
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    return manager && manager->HotWindow() == handle_;
}

void TvlMainWnd::SetHot(bool hot) {
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager) return;
    if (hot)
        manager->SetHotWindow(handle_);
    else if (manager->HotWindow() == handle_)
        manager->SetHotWindow(nullptr);
}

bool TvlMainWnd::LeftToBase(TMessage& message, bool platformPaints) {
    if (Skinning() && !platformPaints) return false;
    TvlMainWnd::HandleMessage(message);
    return true;
}

bool TvlMainWnd::PaintMessage(TMessage& message, unsigned rules) {
    switch (message.Msg) {
    case WM_PRINT:
        if (!(rules & prPrint)) return false;
        break;
    case WM_PAINT:
        if (!(rules & prPaintHidden) && !Visible()) return false;
        break;
    case WM_ERASEBKGND:
        if (!(rules & prEraseHidden) && !Visible()) return false;
        message.Result = 1;
        return true;
    default:
        return false;
    }
    PaintToTarget(handle_, message.WParam, [this](HDC dc) { Paint(dc); });
    message.Result = 0;
    return true;
}

void TvlMainWnd::HandleMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY: {
        if (auto* owner = dynamic_cast<TWinControl*>(OwnerControl())) {
            for (int i = 0; i < owner->ControlCount(); ++i)
                if (auto* speed = dynamic_cast<TSpeedButton*>(owner->Controls(i))) speed->Perform(WM_DESTROY);
        }
        // Not hot any more first: the leave would start a fade on a window that is going.
        SetHot(false);
        HideGlow(skinData_->GlowHandle);
        StopFade(fadeTimer_);
        CallPrevWndProc(m);
        if (m.Result == 0) {
            try {
                Unsubclass();
            } catch (...) {
                // A window on its way out: nothing more to restore.
            }
        }
        return;
    }
    case WM_UPDATEUISTATE:
        m.Result = 0;
        return;
    case WM_SIZE:
    case WM_MOVE:
        // A glow placed for the old bounds would float beside the control.
        HideGlow(skinData_->GlowHandle);
        if (m.Msg == WM_SIZE) skinData_->BackgroundStale = true;
        break;
    case WM_SETTEXT:
        CallPrevWndProc(m);
        ReadCaption();
        return;
    case WM_CONTEXTMENU:
        SkinControlPopupMenu(OwnerControl(), SkinManager());
        break;
    case WM_MOUSEMOVE: {
        const TsSkinManager* manager = TsSkinManager::DefaultManager();
        if (manager && (manager->ComponentState() & csDesigning) == 0 && IsWindowEnabled(handle_)) SetHot(true);
        break;
    }
    case WM_PRINT:
        m.Result = SendMessageA(handle_, WM_PAINT, m.WParam, 0);
        return;
    default:
        break;
    }
    if (!skinData_ || !ManagerActive()) {
        CallPrevWndProc(m);
        return;
    }
    if (m.Msg == SKM_COMMAND && HandleSkinCommand(m)) return;
    CallPrevWndProc(m);
}

bool TvlMainWnd::HandleSkinCommand(TMessage& m) {
    const bool ownManager = reinterpret_cast<TsSkinManager*>(m.LParam) == SkinManager();
    auto* owner = dynamic_cast<TWinControl*>(OwnerControl());
    const uint16_t command = SkinCommandCode(m.WParam);
    if (ownManager && (command == SKC_APPLYSKIN || command == SKC_REMOVESKIN || command == SKC_REFRESH))
        HideGlow(skinData_->GlowHandle);  // the glow is the old skin's picture
    switch (command) {
    case SKC_APPLYSKIN:
        if (!ownManager) return false;
        skinData_->UpdateIndexes();
        skinData_->BackgroundStale = true;
        if (owner) DeliverSkinCommandToChildren(owner, m.WParam, m.LParam);
        return false;
    case SKC_REMOVESKIN:
        if (ownManager) RestoreOriginalParams();
        return false;
    case SKC_REFRESH:
        if (!ownManager) return false;
        skinData_->UpdateIndexes();
        skinData_->BackgroundStale = true;
        skinData_->PaintSuspended = false;
        if (Visible()) {
            RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
            if (owner) DeliverSkinCommandToChildren(owner, m.WParam, m.LParam);
        }
        return true;
    case SKC_ENDPARENTUPDATE:
        if (skinData_->PaintSuspended) {
            skinData_->PaintSuspended = false;
            skinData_->PaintSuspended = skinData_->IsUpdating();
            if (!skinData_->PaintSuspended) {
                SendMessageA(handle_, WM_NCPAINT, 1, 0);
                RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            }
        }
        if (owner) DeliverSkinCommandToChildren(owner, m.WParam, m.LParam);
        return true;
    case SKC_ISSKINNED:
        m.Result = 1;
        return true;
    case SKC_ISUPDATING:
        m.Result = skinData_->IsUpdating() ? 1 : 0;
        return true;
    case SKC_ISPATTERNEDBG:
        if (!OwnerControl()) return false;
        m.Result = skinData_->PatternedBg();
        return true;
    case SKC_GETBGCOLOR:
        CallPrevWndProc(m);
        if (m.Result == 0) m.Result = skinData_->GetBgColor();
        return true;
    case SKC_PREPARECACHE:
        return false;  // adapters with a cache of their own answer it
    case SKC_GETBGINFO:
    case SKC_GETSKINDATA:
    case SKC_SETPRINTDC:
        return skinData_->HandleSkinCommand(m);
    case SKC_STOPANIMATION:
        StopFade(fadeTimer_);
        return false;
    case SKC_GETAPPLICATION:
        m.Result = reinterpret_cast<LRESULT>(Application());
        return true;
    default:
        return false;
    }
}

}  // namespace pakmole
