#include "ui/WinControl.h"

#include <algorithm>

#include "base/Exceptions.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"
#include "ui/Menu.h"
#include "ui/WindowClasses.h"

namespace pakmole {

namespace {

// The control whose window is being created: the first message of a new
// window (which may come before WM_NCCREATE) attaches the window to it.
thread_local TWinControl* creatingControl = nullptr;

const char* ControlProperty() { return "PakmoleControl"; }

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }
bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}
bool IsButtonUp(UINT msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

int nextControlId = 100;

}  // namespace

LRESULT CALLBACK ControlWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<TWinControl*>(GetPropA(window, ControlProperty()));
    if (!control && creatingControl) {
        control = creatingControl;
        creatingControl = nullptr;
        control->AttachHandle(window);
    }
    if (!control) {
        char name[256] = {};
        GetClassNameA(window, name, sizeof(name));
        return CallWindowProcA(BaseProcedureOf(name), window, msg, wParam, lParam);
    }
    if (msg == CM_RELEASE) {
        // Freed here, outside the control's own handlers, which must not
        // run on after their object is gone.
        if (dynamic_cast<TCustomForm*>(control)) control->Free();
        return 0;
    }
    TMessage message{msg, wParam, lParam, 0};
    try {
        control->WindowProc(message);
    } catch (...) {
        // Nothing may unwind through the system's code: the application shows
        // the error and the program goes on.
        if (TApplication* app = Application())
            app->HandleException(control);
        message.Result = 0;
    }
    return message.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
    DestroyHandle();
}

void TWinControl::BeforeDestruction() {
    TControl::BeforeDestruction();
    // Children that belong to other owners stay alive but lose this parent.
    while (!controls_.empty()) RemoveControl(controls_.back());
    DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND window) {
    return window ? static_cast<TWinControl*>(GetPropA(window, ControlProperty())) : nullptr;
}

HWND TWinControl::Handle() {
    if (!handle_) {
        if (IsDestroying()) throw Exception("Control '" + Name() + "' has no parent window");
        CreateWnd();
    }
    return handle_;
}

void TWinControl::AttachHandle(HWND window) {
    handle_ = window;
    SetPropA(window, ControlProperty(), this);
}

void TWinControl::DetachHandle() {
    if (!handle_) return;
    RemovePropA(handle_, ControlProperty());
    handle_ = nullptr;
    trackingMouse_ = false;
    hotGraphic_ = nullptr;
    captureGraphic_ = nullptr;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = text_;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_) p.Style |= WS_VISIBLE;
    if (!enabled_) p.Style |= WS_DISABLED;
    if (tabStop_) p.Style |= WS_TABSTOP;
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
    p.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    if (parent_) p.WndParent = parent_->Handle();
    // Making the parent's window makes its children's, this one's too.
    if (handle_) return;
    CreateParams(p);
    if ((p.Style & WS_CHILD) && !p.WndParent)
        throw Exception("Control '" + Name() + "' has no parent window");
    defWndProc_ = RegisterControlClass(p.WinClassName, p.BaseClassName, p.ClassStyle,
                                       ControlWindowProcedure);
    if (controlId_ == 0) controlId_ = nextControlId++;
    TWinControl* previous = creatingControl;
    creatingControl = this;
    HWND window = CreateWindowExA(
        p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
        p.Height, p.WndParent,
        (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)) : nullptr,
        ModuleInstance(), nullptr);
    creatingControl = previous;
    if (!window) throw Exception("Error creating window");
    if (!handle_) AttachHandle(window);
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
    CreateHandleDone();
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->IsWindowed()) static_cast<TWinControl*>(controls_[i])->HandleNeeded();
    Realign();
}

void TWinControl::DestroyWnd() {
    if (!handle_) return;
    text_ = Text();
    for (TControl* c : controls_)
        if (c->IsWindowed()) static_cast<TWinControl*>(c)->DestroyHandle();
    DestroyingHandle();
    HWND window = handle_;
    DestroyWindow(window);
    DetachHandle();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    SetControlState(ControlState() | csDestroyingHandle);
    DestroyWnd();
    SetControlState(ControlState() & ~csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    HandleNeeded();
    UpdateShowing();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (control->ParentFont()) {
        control->Font().Assign(Font());
        control->parentFont_ = true;
    }
    if (control->IsWindowed()) {
        auto* child = static_cast<TWinControl*>(control);
        tabList_.push_back(child);
        if (child->handle_ && handle_)
            ::SetParent(child->handle_, handle_);
        else if (handle_)
            child->HandleNeeded();
        child->UpdateShowing();
    }
    if (!IsDestroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
    control->RequestAlign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end()) return;
    if (!IsDestroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(control);
    control->Invalidate();
    it = std::find(controls_.begin(), controls_.end(), control);
    if (it != controls_.end()) controls_.erase(it);
    auto tab = std::find(tabList_.begin(), tabList_.end(), control);
    if (tab != tabList_.end()) tabList_.erase(tab);
    if (hotGraphic_ == control) hotGraphic_ = nullptr;
    if (captureGraphic_ == control) {
        captureGraphic_ = nullptr;
        ReleaseCapture();
    }
    if (control->IsWindowed()) static_cast<TWinControl*>(control)->DestroyHandle();
    control->parent_ = nullptr;
    if (control->IsWindowed()) static_cast<TWinControl*>(control)->showing_ = false;
    Realign();
}

TControl* TWinControl::GraphicControlAt(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->IsWindowed() || !c->Visible() || !c->Enabled()) continue;
        RECT r = c->BoundsRect();
        if (PtInRect(&r, p)) return c;
    }
    return nullptr;
}

int TWinControl::TabOrder() const {
    if (!parent_) return -1;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!parent_) return;
    auto& list = parent_->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::CanFocus() const {
    for (const TWinControl* c = this; c; c = c->parent_)
        if (!c->visible_ || !c->enabled_) return false;
    return GetParentForm(const_cast<TWinControl*>(this)) != nullptr;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this)) {
        if (form != this && !form->Visible()) {
            form->SetActiveControl(this);
            return;
        }
    }
    ::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int n = static_cast<int>(list.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (list[static_cast<size_t>(i)] == current) start = i;
    if (start < 0) start = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (forward ? step : -step)) % n + n) % n;
        TWinControl* c = list[static_cast<size_t>(i)];
        if (c != current && c->TabStop() && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (size_t i = 0; i < controls_.size(); ++i) {
        TControl* c = controls_[i];
        if (c->IsDestroying()) continue;
        c->WindowProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    StoreBounds(left, top, width, height);
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        Realign();
    RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
    if (!handle_ || IsIconic(handle_)) return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) {
        HWND parentWindow = GetParent(handle_);
        if (parentWindow) MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&r), 2);
    }
    StoreBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, width_, height_};
    if (handle_) GetClientRect(handle_, &r);
    return r;
}

void TWinControl::Realign() {
    if (IsLoading()) return;
    AlignControls();
}

void TWinControl::AlignControls() {
    if (aligning_) return;
    aligning_ = true;
    RECT r = ClientRect();
    const TAlign order[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                            TAlign::alClient};
    for (TAlign align : order) {
        for (size_t i = 0; i < controls_.size(); ++i) {
            TControl* c = controls_[i];
            if (c->Align() != align || !c->Visible()) continue;
            const int w = r.right - r.left, h = r.bottom - r.top;
            switch (align) {
            case TAlign::alTop:
                c->SetBounds(r.left, r.top, w, c->Height());
                r.top += c->Height();
                break;
            case TAlign::alBottom:
                c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
                r.bottom -= c->Height();
                break;
            case TAlign::alLeft:
                c->SetBounds(r.left, r.top, c->Width(), h);
                r.left += c->Width();
                break;
            case TAlign::alRight:
                c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
                r.right -= c->Width();
                break;
            case TAlign::alClient:
                c->SetBounds(r.left, r.top, w, h);
                break;
            case TAlign::alNone:
                break;
            }
        }
    }
    aligning_ = false;
}

void TWinControl::UpdateShowing() {
    const bool want = visible_ && (parent_ ? parent_->showing_ : true);
    if (want) HandleNeeded();
    if (want != showing_) {
        showing_ = want;
        Perform(CM_SHOWINGCHANGED);
    }
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->IsWindowed()) static_cast<TWinControl*>(controls_[i])->UpdateShowing();
}

void TWinControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    TControl::SetVisible(visible);
    if (handle_ && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
        ShowWindow(handle_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    UpdateShowing();
}

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    TControl::SetEnabled(enabled);
    if (handle_) EnableWindow(handle_, enabled ? TRUE : FALSE);
}

std::string TWinControl::Text() const {
    if (!handle_) return text_;
    auto* self = const_cast<TWinControl*>(this);
    const LRESULT length = self->Perform(WM_GETTEXTLENGTH);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got =
        self->Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
    return text;
}

void TWinControl::SetText(const std::string& text) {
    if (text == Text()) return;
    text_ = text;
    if (handle_) Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Perform(CM_TEXTCHANGED);
}

void TWinControl::SetColor(TColor color) {
    TControl::SetColor(color);
}

HBRUSH TWinControl::ColorBrush() {
    if (!brush_ || brushColor_ != Color()) {
        brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
        brushColor_ = Color();
    }
    return brush_.Get();
}

void TWinControl::FontChanged() {
    if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    TControl::FontChanged();
    for (size_t i = 0; i < controls_.size(); ++i) controls_[i]->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, (ControlStyle() & csOpaque) ? FALSE : TRUE);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc) {
    for (size_t i = 0; i < controls_.size(); ++i) {
        TControl* c = controls_[i];
        if (c->IsWindowed() || !c->Visible()) continue;
        SavedDC saved(dc);
        POINT origin;
        OffsetViewportOrgEx(dc, c->Left(), c->Top(), &origin);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::SetHotGraphic(TControl* control) {
    if (control == hotGraphic_) return;
    TControl* old = hotGraphic_;
    hotGraphic_ = control;
    if (old) old->Perform(CM_MOUSELEAVE);
    if (control) control->Perform(CM_MOUSEENTER);
}

bool TWinControl::RouteMouseToGraphic(TMessage& m) {
    if (!IsMouseMessage(m.Msg)) return false;
    POINT p{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    if (m.Msg == WM_MOUSEMOVE) SetHotGraphic(GraphicControlAt(p));
    TControl* target = captureGraphic_ ? captureGraphic_ : GraphicControlAt(p);
    if (!target) return false;
    const LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
    if (IsButtonDown(m.Msg) && (target->ControlStyle() & csCaptureMouse)) {
        captureGraphic_ = target;
        SetCapture(handle_);
    } else if (IsButtonUp(m.Msg) && captureGraphic_ == target) {
        // Let go first: the click may open a modal dialog.
        captureGraphic_ = nullptr;
        ReleaseCapture();
    }
    m.Result = target->Perform(m.Msg, m.WParam, local);
    return true;
}

static bool HasVisibleGraphicChild(const std::vector<TControl*>& controls) {
    for (TControl* c : controls)
        if (!c->IsWindowed() && c->Visible()) return true;
    return false;
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
        if (OnEnter) OnEnter(this);
        break;
    case WM_KILLFOCUS:
        if (OnExit) OnExit(this);
        break;
    case WM_MOUSEMOVE:
        if (!trackingMouse_ && handle_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
            trackingMouse_ = TrackMouseEvent(&tme) != FALSE;
            Perform(CM_MOUSEENTER);
        }
        if (RouteMouseToGraphic(m)) return;
        break;
    case WM_MOUSELEAVE:
        trackingMouse_ = false;
        SetHotGraphic(nullptr);
        Perform(CM_MOUSELEAVE);
        break;
    case WM_CAPTURECHANGED:
        if (captureGraphic_ && reinterpret_cast<HWND>(m.LParam) != handle_) {
            captureGraphic_->SetControlState(captureGraphic_->ControlState() &
                                             ~(csClicked | csLButtonDown));
            captureGraphic_->Invalidate();
            captureGraphic_ = nullptr;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        TShiftState shift = KeyboardShiftState();
        // Alt with a posted key is known from the message itself.
        if (m.Msg == WM_SYSKEYDOWN && (m.LParam & (1 << 29))) shift |= ssAlt;
        WORD key = static_cast<WORD>(m.WParam);
        KeyDown(key, shift);
        if (key == 0) {
            m.Result = 0;
            return;
        }
        m.WParam = key;
        break;
    }
    case WM_CHAR: {
        char key = static_cast<char>(m.WParam);
        KeyPress(key);
        if (key == 0) {
            m.Result = 0;
            return;
        }
        m.WParam = static_cast<unsigned char>(key);
        break;
    }
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        // Items of a popup menu this window owns draw themselves.
        if (DispatchMenuItemMessage(m.Msg, m.LParam)) {
            m.Result = TRUE;
            return;
        }
        break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        HWND from = m.Msg == WM_NOTIFY ? reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom
                                       : reinterpret_cast<HWND>(m.LParam);
        TWinControl* child = FindControl(from);
        if (child && child != this) {
            m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    }
    case WM_PAINT:
        if (handle_ && ((ControlState() & csCustomPaint) || HasVisibleGraphicChild(controls_))) {
            PaintDC dc(handle_);
            {
                // The class procedure may leave its own clip region (the edit
                // clips to its text area); the children paint with the DC as it was.
                SavedDC saved(dc.Get());
                PaintWindow(dc.Get());
            }
            PaintControls(dc.Get());
            m.Result = 0;
            return;
        }
        break;
    case WM_PRINTCLIENT:
        // A picture of the control: what WM_PAINT would paint, into the DC given.
        if (handle_ && m.WParam && ((ControlState() & csCustomPaint) || HasVisibleGraphicChild(controls_))) {
            auto dc = reinterpret_cast<HDC>(m.WParam);
            {
                SavedDC saved(dc);
                PaintWindow(dc);
            }
            PaintControls(dc);
            m.Result = 0;
            return;
        }
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(m.WParam) == handle_ && LOWORD(m.LParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(handle_, &p);
            TControl* c = GraphicControlAt(p);
            if (c && c->Cursor() == crArrow) {
                ::SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
                m.Result = TRUE;
                return;
            }
        }
        break;
    case WM_WINDOWPOSCHANGED:
        TControl::WndProc(m);
        UpdateBoundsFromWindow();
        return;
    case WM_SIZE:
        TControl::WndProc(m);
        Realign();
        return;
    case WM_NCDESTROY:
        TControl::WndProc(m);
        DetachHandle();
        return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
        Broadcast(m);
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        break;
    default:
        if (IsMouseMessage(m.Msg) && RouteMouseToGraphic(m)) return;
        break;
    }
    TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (handle_) {
        m.Result = CallWindowProcA(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
        return;
    }
    TControl::DefaultHandler(m);
}

}  // namespace pakmole
