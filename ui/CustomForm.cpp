#include "ui/CustomForm.h"

#include <vector>

#include "base/Exceptions.h"
#include "ui/Application.h"
#include "ui/FormCreationHook.h"
#include "ui/Screen.h"

namespace pakmole {

namespace {
BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    visible_ = false;
    SetParentFont(false);
    SetColor(clBtnFace);
    SetBounds(0, 0, 320, 240);
    Screen().AddForm(this);
}

TCustomForm::~TCustomForm() { Screen().RemoveForm(this); }

void TCustomForm::BeforeDestruction() {
    Screen().RemoveForm(this);
    if (TApplication* app = Application()) app->FormDestroying(this);
    TWinControl::BeforeDestruction();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_) return;
    const int cw = ClientWidth(), ch = ClientHeight();
    borderStyle_ = style;
    RecreateWnd();
    SetClientSize(cw, ch);
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.ExStyle = 0;
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
        p.Style |= WS_POPUP;
        break;
    case TFormBorderStyle::bsSingle:
        p.Style |= WS_CAPTION;
        break;
    case TFormBorderStyle::bsSizeable:
        p.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case TFormBorderStyle::bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION;
        p.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    case TFormBorderStyle::bsToolWindow:
        p.Style |= WS_CAPTION;
        p.ExStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (borderStyle_ != TFormBorderStyle::bsNone) {
        if (borderIcons_ & biSystemMenu) p.Style |= WS_SYSMENU;
        if (borderStyle_ != TFormBorderStyle::bsDialog &&
            borderStyle_ != TFormBorderStyle::bsToolWindow) {
            if (borderIcons_ & biMinimize) p.Style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize) p.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (!Enabled()) p.Style |= WS_DISABLED;
    // Forms belong to the application's window, which alone shows on the task bar.
    p.WndParent = popupParent_;
    if (!p.WndParent) {
        if (TApplication* app = Application()) p.WndParent = app->Handle();
    }
    p.BaseClassName.clear();
}

RECT TCustomForm::FrameExtents() const {
    TCreateParams p;
    const_cast<TCustomForm*>(this)->CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
    return r;
}

RECT TCustomForm::ClientRect() const {
    if (handle_) return TWinControl::ClientRect();
    RECT frame = FrameExtents();
    const int w = Width() - (frame.right - frame.left);
    const int h = Height() - (frame.bottom - frame.top);
    return RECT{0, 0, w > 0 ? w : 0, h > 0 ? h : 0};
}

void TCustomForm::SetClientSize(int width, int height) {
    int frameW, frameH;
    if (handle_) {
        RECT window, client;
        GetWindowRect(handle_, &window);
        GetClientRect(handle_, &client);
        frameW = (window.right - window.left) - client.right;
        frameH = (window.bottom - window.top) - client.bottom;
    } else {
        RECT frame = FrameExtents();
        frameW = frame.right - frame.left;
        frameH = frame.bottom - frame.top;
    }
    SetBounds(Left(), Top(), width + frameW, height + frameH);
}

void TCustomForm::CreateHandleDone() {
    if (icon_.Get()) {
        SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
        SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
    }
    NotifyFormCreated(*this);
}

void TCustomForm::SetIcon(HICON icon) {
    icon_.Reset(icon);
    if (handle_) CreateHandleDone();
}

void TCustomForm::PlaceOnScreen() {
    HWND anchor = nullptr;
    if (position_ == TPosition::poMainFormCenter) {
        TApplication* app = Application();
        if (app && app->MainForm() && app->MainForm() != this && app->MainForm()->HandleAllocated())
            anchor = app->MainForm()->Handle();
    }
    RECT area;
    if (anchor)
        GetWindowRect(anchor, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int x = area.left + ((area.right - area.left) - Width()) / 2;
    const int y = area.top + ((area.bottom - area.top) - Height()) / 2;
    SetBounds(x > area.left || anchor ? x : area.left, y > area.top || anchor ? y : area.top,
              Width(), Height());
}

void TCustomForm::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) {
        const int cw = ClientWidth(), ch = ClientHeight();
        const bool created = !handle_;
        HandleNeeded();
        // The frame the system gives may differ from the one computed
        // before the window existed; the client size is what was asked for.
        if (created) SetClientSize(cw, ch);
        if (position_ == TPosition::poScreenCenter || position_ == TPosition::poMainFormCenter)
            PlaceOnScreen();
    }
    TControl::SetVisible(visible);
    if (visible) {
        ShowWindow(handle_, SW_SHOWNORMAL);
        UpdateShowing();
        if (!activeControl_) {
            if (TWinControl* first = FindNextControl(nullptr, true)) activeControl_ = first;
        }
        if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
        if (OnShow) OnShow(this);
    } else {
        if (handle_) ShowWindow(handle_, SW_HIDE);
        UpdateShowing();
        if (OnHide) OnHide(this);
    }
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (!CloseQuery()) return;
    TApplication* app = Application();
    const bool isMain = app && app->MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (inModal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (isMain) {
        app->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        if (handle_) ShowWindow(handle_, SW_MINIMIZE);
        break;
    case TCloseAction::caFree:
        Release();
        break;
    case TCloseAction::caNone:
        break;
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || inModal_) throw Exception("Cannot make a visible window modal");
    TApplication* app = Application();
    if (!app) throw Exception("No application for a modal window");
    HWND previousActive = GetActiveWindow();
    // Every other window of the thread is disabled while the form is up.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                      reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) EnableWindow(window, FALSE);
    modalResult_ = mrNone;
    inModal_ = true;
    try {
        Show();
        // An application that is ending (its window closed while a job ran)
        // must not wait here for messages that will never come.
        while (modalResult_ == mrNone) {
            if (app->Terminated()) {
                modalResult_ = mrCancel;
                break;
            }
            app->HandleMessage();
        }
    } catch (...) {
        inModal_ = false;
        for (HWND window : disabled) EnableWindow(window, TRUE);
        throw;
    }
    inModal_ = false;
    for (HWND window : disabled) EnableWindow(window, TRUE);
    if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
    Hide();
    return modalResult_;
}

void TCustomForm::Release() {
    if (handle_)
        PostMessageA(handle_, CM_RELEASE, 0, 0);
    else
        Free();
}

bool TCustomForm::Active() const { return handle_ && GetActiveWindow() == handle_; }

void TCustomForm::SetActiveControl(TWinControl* control) {
    activeControl_ = control;
    if (control && Visible() && control->CanFocus()) ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    if (control == this) return;
    activeControl_ = control;
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::DefocusControl(TControl* control) {
    for (TControl* c = activeControl_; c; c = c->Parent()) {
        if (c == control) {
            activeControl_ = nullptr;
            return;
        }
    }
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
    if (TWinControl* next = FindNextControl(current, forward)) next->SetFocus();
}

void TCustomForm::PaintWindow(HDC) {}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        m.Result = 0;
        return;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(handle_, &r);
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, ColorBrush());
        m.Result = 1;
        return;
    }
    case WM_ACTIVATE:
        if (LOWORD(m.WParam) != WA_INACTIVE && activeControl_ && activeControl_->CanFocus()) {
            ::SetFocus(activeControl_->Handle());
            m.Result = 0;
            return;
        }
        break;
    case WM_SHOWWINDOW:
        // The owner (the application's window) was minimized or restored:
        // the form leaves and comes back with it, its Visible unchanged.
        if (m.LParam == SW_PARENTCLOSING) {
            if (Visible() && handle_) {
                hiddenWithOwner_ = true;
                ShowWindow(handle_, SW_HIDE);
            }
            m.Result = 0;
            return;
        }
        if (m.LParam == SW_PARENTOPENING) {
            if (hiddenWithOwner_ && Visible() && handle_) ShowWindow(handle_, SW_SHOWNA);
            hiddenWithOwner_ = false;
            m.Result = 0;
            return;
        }
        break;
    case WM_SYSCOMMAND:
        // Minimizing the main form minimizes the application, which takes the
        // forms off the screen with it.
        if ((m.WParam & 0xFFF0) == SC_MINIMIZE) {
            TApplication* app = Application();
            if (app && app->MainForm() == this && app->Handle()) {
                app->Minimize();
                m.Result = 0;
                return;
            }
        }
        break;
    case CM_DIALOGKEY:
        if (m.WParam == VK_TAB) {
            SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0);
            m.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

}  // namespace pakmole
