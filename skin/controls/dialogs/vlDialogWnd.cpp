// How the skinned dialog follows its window: painting, activation, caption
// changes, the hit test and mouse of the title buttons, the system menu.
#include "skin/controls/dialogs/vlDialogWnd.h"

#include "skin/controls/dialogs/vlSystemMenu.h"
#include "skin/controls/frame/sFramePaint.h"
#include "skin/controls/menus/sSkinableMenus.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/BgQuery_win.h"
#include "skin/render/DesktopComposition_win.h"
#include "ui/Graphics.h"
#include "ui/Menu.h"

namespace pakmole {

namespace {

// Messages after which the dialog may hold new children to adapt.
constexpr UINT kDialogSetDefaultId = WM_USER + 1;
constexpr UINT kDialogChildrenChanged = 0x52E;

int PlatformMajorVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return static_cast<int>(info.dwMajorVersion);
}

}  // namespace

UINT TvlDialogWnd::ChildrenChangedMessage() {
    static const UINT message = RegisterWindowMessageA("PakmoleDialogChildren");
    return message;
}

TvlDialogWnd::TvlDialogWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                           TsCommonData* state)
    : TvlScrollWnd(window, repaint, section.empty() ? "DIALOG" : section, manager, state),
      clientPaintSuppressed_(PlatformMajorVersion() > 5) {
    // Nothing is painted before the first non-client paint lays out the frame.
    skinData_->PaintSuspended = true;
    skinData_->BackgroundStale = true;
    // The window manager's own transitions would play over the skinned frame.
    DisableWindowTransitions(window);
}

void TvlDialogWnd::ShowWindowUnseen(TMessage& m) {
    // The window manager would present the window as the platform shows it,
    // before the skin has painted it: a layered window without a picture
    // is not presented.
    const LONG style = GetWindowLongA(handle_, GWL_EXSTYLE);
    const bool layered = (style & WS_EX_LAYERED) != 0;
    if (!layered) SetWindowLongA(handle_, GWL_EXSTYLE, style | WS_EX_LAYERED);
    TvlScrollWnd::HandleMessage(m);
    if (!layered && IsWindow(handle_))
        SetWindowLongA(handle_, GWL_EXSTYLE, GetWindowLongA(handle_, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}

TvlDialogWnd::~TvlDialogWnd() {
    if (tracking_ && GetCapture() == handle_) ReleaseCapture();
}

void TvlDialogWnd::RestoreOriginalParams() {
    if (!initialised_ || !IsWindow(handle_)) return;
    // The platform gets its frame back: its buttons and its shape.
    initialised_ = false;
    SetWindowLongA(handle_, GWL_STYLE, GetWindowLongA(handle_, GWL_STYLE) | (capturedStyle_ & WS_SYSMENU));
    SetWindowRgn(handle_, nullptr, IsWindowVisible(handle_));
}

void TvlDialogWnd::InitDialog() {
    capturedStyle_ = GetWindowLongA(handle_, GWL_STYLE);
    capturedExStyle_ = GetWindowLongA(handle_, GWL_EXSTYLE);
    kind_ = BorderKindOf(Style());
    TakeIcon();
    titleFont_.Reset(CreateCaptionFont());
    // The platform would draw its own title buttons with every frame it paints.
    SetWindowLongA(handle_, GWL_STYLE, capturedStyle_ & ~WS_SYSMENU);
    initialised_ = true;
    regionStale_ = true;
    skinData_->BackgroundStale = true;
    UpdateLayout();
}

void TvlDialogWnd::PlaceAt(POINT point) {
    place_ = point;
    placePending_ = !Visible();
    // A dialog being made is placed by its creator afterwards: it moves as it is shown.
    if (!placePending_)
        SetWindowPos(handle_, nullptr, point.x, point.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

void TvlDialogWnd::TakeIcon() {
    auto icon = reinterpret_cast<HICON>(SendMessageA(handle_, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(handle_, WM_GETICON, ICON_BIG, 0));
    hasIcon_ = icon != nullptr;
    icon_.Reset(icon ? static_cast<HICON>(CopyImage(icon, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                    GetSystemMetrics(SM_CYSMICON), LR_COPYFROMRESOURCE))
                     : nullptr);
}

bool TvlDialogWnd::ButtonEnabled(int button) const {
    const TvlDialogStyle s = Style();
    switch (button) {
    case tbClose: return DialogCloseEnabled(s);
    case tbMax: return layout_.Rules.EnabledMax || layout_.Rules.EnabledRestore;
    case tbMin: return layout_.Rules.EnabledMin || s.Iconic;
    default: return true;
    }
}

int TvlDialogWnd::TitleHitTest(POINT screen) const {
    RECT window;
    GetWindowRect(handle_, &window);
    return DialogCaptionHit(layout_, Style(), captionFacts_, screen.x - window.left, screen.y - window.top);
}

void TvlDialogWnd::SetHotButton(int button) {
    if (button == hotButton_) return;
    const int old = hotButton_;
    hotButton_ = button;
    if (old >= 0 && pressedButton_ < 0) {
        buttonState_[static_cast<std::size_t>(old)] = 0;
        RepaintButton(old);
    }
    if (button >= 0 && pressedButton_ < 0) {
        buttonState_[static_cast<std::size_t>(button)] = 1;
        RepaintButton(button);
    }
}

void TvlDialogWnd::Release(int button) {
    pressedButton_ = -1;
    if (tracking_) {
        tracking_ = false;
        if (GetCapture() == handle_) ReleaseCapture();
    }
    POINT cursor;
    GetCursorPos(&cursor);
    const bool over = TitleButtonOfHit(TitleHitTest(cursor)) == button;
    buttonState_[static_cast<std::size_t>(button)] = over ? 1 : 0;
    hotButton_ = over ? button : -1;
    RepaintButton(button);
    // A press let go of outside its button does nothing.
    if (!over) return;
    switch (button) {
    case tbClose: PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case tbMax: PostMessageA(handle_, WM_SYSCOMMAND, IsZoomed(handle_) ? SC_RESTORE : SC_MAXIMIZE, 0); break;
    case tbMin: PostMessageA(handle_, WM_SYSCOMMAND, IsIconic(handle_) ? SC_RESTORE : SC_MINIMIZE, 0); break;
    case tbHelp: PostMessageA(handle_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); break;
    default: break;
    }
}

void TvlDialogWnd::ShowSystemMenu(POINT screen) {
    if (TsSkinManager* manager = SkinManager(); manager && manager->SkinnedPopups()) {
        if (!sysMenu_) sysMenu_.reset(new TvlSystemMenu(handle_, [this] { return SystemMenuItems(); }));
        sysMenu_->UpdateItems();
        TsSkinableMenus::Of(manager)->HookMenu(*sysMenu_, manager->Active() && manager->SkinApplied());
        SetHotButton(-1);
        sysMenu_->Popup(screen.x, screen.y);
        return;
    }
    // Without skinned popups: the window's own system menu, its items
    // enabled and greyed by the dialog's rules.
    HMENU menu = GetSystemMenu(handle_, FALSE);
    if (!menu) return;
    for (const TvlMenuItemRule& item : SystemMenuItems()) {
        if (item.Command == 0) continue;
        EnableMenuItem(menu, static_cast<UINT>(item.Command),
                       MF_BYCOMMAND | (item.Visible && item.Enabled ? MF_ENABLED : MF_GRAYED));
    }
    const int command = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, handle_, nullptr));
    if (command) PostMessageA(handle_, WM_SYSCOMMAND, static_cast<WPARAM>(command), 0);
}

void TvlDialogWnd::CallUnseen(TMessage& m) {
    SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
    TvlMainWnd::HandleMessage(m);
    SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
}

void TvlDialogWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_ || !initialised_) {
        TvlScrollWnd::HandleMessage(m);
        return;
    }
    const POINT screen{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    if (m.Msg == ChildrenChangedMessage()) {
        if (AttachChildren) AttachChildren();
        m.Result = 0;
        return;
    }
    switch (m.Msg) {
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        // The items of the skinned system menu draw themselves.
        if (DispatchMenuItemMessage(m.Msg, m.LParam)) {
            m.Result = TRUE;
            return;
        }
        break;
    case WM_SHOWWINDOW:
        if (m.WParam && placePending_) {
            placePending_ = false;
            SetWindowPos(handle_, nullptr, place_.x, place_.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
        }
        if (DesktopCompositionEnabled()) {
            ShowWindowUnseen(m);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (AttachChildren) AttachChildren();
        PaintClient(reinterpret_cast<HDC>(m.WParam));
        m.Result = 1;
        return;
    case WM_PAINT:
        if (!clientPaintSuppressed_) break;
        {
            PAINTSTRUCT ps;
            BeginPaint(handle_, &ps);
            EndPaint(handle_, &ps);
        }
        m.Result = 0;
        return;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        TvlScrollWnd::HandleMessage(m);
        // Controls left to the platform show the skin's colours, unless the dialog chose its own.
        const auto platform = reinterpret_cast<HBRUSH>(m.Result);
        if (platform && platform != GetSysColorBrush(COLOR_BTNFACE) && platform != GetSysColorBrush(COLOR_WINDOW))
            return;
        const TsSkinManager& manager = *SkinManager();
        if (!mainBrush_) mainBrush_.Reset(CreateSolidBrush(static_cast<COLORREF>(manager.Palette()[pcMainColor])));
        const auto dc = reinterpret_cast<HDC>(m.WParam);
        SetTextColor(dc, static_cast<COLORREF>(manager.Palette()[pcLabelText]));
        SetBkColor(dc, static_cast<COLORREF>(manager.Palette()[pcMainColor]));
        m.Result = reinterpret_cast<LRESULT>(mainBrush_.Get());
        return;
    }
    case WM_NCPAINT:
        if (!Visible()) break;
        if (AttachChildren) AttachChildren();
        skinData_->PaintSuspended = false;
        {
            // The text may have come while the dialog was hidden.
            const std::string before = caption_;
            ReadCaption();
            if (caption_ != before) skinData_->BackgroundStale = true;
        }
        UpdateRegion();
        RepaintFrame();
        m.Result = 0;
        return;
    case WM_NCACTIVATE:
        if (!Visible()) break;
        CallUnseen(m);
        formActive_ = m.WParam != 0;
        skinData_->BackgroundStale = true;
        RepaintFrame();
        return;
    case WM_SETTEXT:
    case WM_ENABLE:
        if (!Visible()) {
            skinData_->BackgroundStale = true;
            break;
        }
        CallUnseen(m);
        ReadCaption();
        skinData_->BackgroundStale = true;
        RepaintFrame();
        return;
    case WM_STYLECHANGED:
        TvlScrollWnd::HandleMessage(m);
        if (m.WParam == static_cast<WPARAM>(GWL_STYLE) && !ownRestyle_) {
            // The dialog changed its own style (a sizing frame when it may be
            // sized): taken as captured; the platform still draws no buttons.
            const LONG now = GetWindowLongA(handle_, GWL_STYLE);
            capturedStyle_ = now | (capturedStyle_ & WS_SYSMENU);
            kind_ = BorderKindOf(Style());
            if (now & WS_SYSMENU) {
                capturedStyle_ |= WS_SYSMENU;
                ownRestyle_ = true;
                SetWindowLongA(handle_, GWL_STYLE, now & ~WS_SYSMENU);
                ownRestyle_ = false;
            }
            regionStale_ = true;
            skinData_->BackgroundStale = true;
        }
        return;
    case WM_SETICON:
        TvlScrollWnd::HandleMessage(m);
        TakeIcon();
        skinData_->BackgroundStale = true;
        RepaintFrame();
        return;
    case WM_SIZE:
        regionStale_ = true;
        skinData_->BackgroundStale = true;
        TvlScrollWnd::HandleMessage(m);
        UpdateRegion();
        RepaintFrame();
        return;
    case WM_NCHITTEST: {
        const int hit = TitleHitTest(screen);
        const int button = TitleButtonOfHit(hit);
        if (button >= 0 || hit == HTSYSMENU) {
            SetHotButton(button);
            m.Result = hit;
            return;
        }
        SetHotButton(-1);
        break;
    }
    case WM_NCMOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, handle_, 0};
        TrackMouseEvent(&track);
        break;
    }
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
        if (pressedButton_ < 0) SetHotButton(-1);
        break;
    case WM_MOUSEMOVE:
        if (IsWindowEnabled(handle_)) SetHot(false);
        if (tracking_) {
            // Off the held button it shows its resting look; back on it, pressed.
            POINT cursor;
            GetCursorPos(&cursor);
            const int state = TitleButtonOfHit(TitleHitTest(cursor)) == pressedButton_ ? 2 : 0;
            if (state != buttonState_[static_cast<std::size_t>(pressedButton_)]) {
                buttonState_[static_cast<std::size_t>(pressedButton_)] = state;
                RepaintButton(pressedButton_);
            }
            m.Result = 0;
            return;
        }
        break;
    case WM_NCLBUTTONDOWN: {
        if (m.WParam == HTSYSMENU) {
            SetHotButton(-1);
            RECT window;
            GetWindowRect(handle_, &window);
            const int32_t f = captionFacts_.FrameWidth;
            ShowSystemMenu(POINT{window.left + f, window.top + f + GetSystemMetrics(SM_CYSMICON)});
            m.Result = 0;
            return;
        }
        const int button = TitleButtonOfHit(static_cast<int>(m.WParam));
        if (button < 0) {
            if (IsIconic(handle_)) {
                SendMessageA(handle_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
                m.Result = 0;
                return;
            }
            break;
        }
        pressedButton_ = button;
        buttonState_[static_cast<std::size_t>(button)] = 2;
        tracking_ = true;
        SetCapture(handle_);
        RepaintButton(button);
        m.Result = 0;
        return;
    }
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
        if (pressedButton_ < 0) break;
        Release(pressedButton_);
        m.Result = 0;
        return;
    case WM_CAPTURECHANGED:
        if (tracking_ && reinterpret_cast<HWND>(m.LParam) != handle_) {
            tracking_ = false;
            const int button = pressedButton_;
            pressedButton_ = -1;
            if (button >= 0) {
                buttonState_[static_cast<std::size_t>(button)] = 0;
                hotButton_ = -1;
                RepaintButton(button);
            }
        }
        break;
    case WM_NCLBUTTONDBLCLK:
        if (m.WParam == HTSYSMENU) {
            PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
            m.Result = 0;
            return;
        }
        if (m.WParam == HTCAPTION) {
            if (layout_.Rules.EnabledMax || layout_.Rules.EnabledRestore)
                PostMessageA(handle_, WM_SYSCOMMAND,
                             IsZoomed(handle_) || IsIconic(handle_) ? SC_RESTORE : SC_MAXIMIZE, 0);
            m.Result = 0;
            return;
        }
        break;
    case WM_NCRBUTTONDOWN:
        if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) break;
        m.Result = 0;
        return;
    case WM_NCRBUTTONUP:
        if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) break;
        SetHotButton(-1);
        ShowSystemMenu(screen);
        m.Result = 0;
        return;
    case WM_SETFOCUS:
        TvlScrollWnd::HandleMessage(m);
        if (HWND active = GetActiveWindow()) RedrawWindow(active, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        return;
    case kDialogSetDefaultId:
    case kDialogChildrenChanged:
        TvlScrollWnd::HandleMessage(m);
        if (AttachChildren) AttachChildren();
        if (m.Msg == kDialogChildrenChanged)
            RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    case SKM_COMMAND:
        if (SkinCommandCode(m.WParam) == SKC_GETBGINFO && m.LParam) {
            // Children read the client part of the window's picture.
            auto& query = *reinterpret_cast<TBgQuery*>(m.LParam);
            if (!RenderFrame()) break;
            POINT origin{0, 0};
            ClientToScreen(handle_, &origin);
            query.BgKind = bgkBitmap;
            query.Bitmap = skinData_->CacheBitmap.get();
            query.OffsetX += origin.x - windowRect_.left;
            query.OffsetY += origin.y - windowRect_.top;
            query.Color = SkinManager()->Palette()[pcMainColor];
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TvlScrollWnd::HandleMessage(m);
}

}  // namespace pakmole
