#include "ui/Control.h"

#include <algorithm>

#include "ui/CustomForm.h"
#include "ui/Menu.h"
#include "ui/WinControl.h"

namespace pakmole {

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
    if (parent_) parent_->RemoveControl(this);
}

void TControl::BeforeDestruction() {
    TComponent::BeforeDestruction();
    if (parent_) parent_->RemoveControl(this);
}

void TControl::Loaded() {
    TComponent::Loaded();
    RequestAlign();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    RECT old = BoundsRect();
    StoreBounds(left, top, width, height);
    if (parent_ && parent_->HandleAllocated() && visible_) {
        InvalidateRect(parent_->Handle(), &old, TRUE);
        Invalidate();
    }
    RequestAlign();
}

POINT TControl::ClientOrigin() const {
    POINT p{left_, top_};
    return p;
}

POINT TControl::ClientToScreen(POINT p) const {
    POINT origin = ClientOrigin();
    p.x += origin.x;
    p.y += origin.y;
    if (parent_) return parent_->ClientToScreen(p);
    return p;
}

POINT TControl::ScreenToClient(POINT p) const {
    POINT origin = ClientToScreen(POINT{0, 0});
    return POINT{p.x - origin.x, p.y - origin.y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_ && !IsLoading() && !parent_->IsLoading()) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0, 0);
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
    RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetParentFont(bool on) {
    parentFont_ = on;
    if (on && parent_) font_->Assign(parent_->Font());
}

void TControl::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void TControl::FontChanged() {
    parentFont_ = parentFont_ && parent_ && font_->SameAs(parent_->Font());
    Perform(CM_FONTCHANGED);
    Invalidate();
}

std::string TControl::Text() const { return text_; }

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Perform(CM_TEXTCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WindowProc(message);
    return message.Result;
}

static TShiftState MouseShift(WPARAM keys) {
    TShiftState shift = 0;
    if (keys & MK_SHIFT) shift |= ssShift;
    if (keys & MK_CONTROL) shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
    return shift;
}

void TControl::WndProc(TMessage& m) {
    const int x = static_cast<short>(LOWORD(m.LParam));
    const int y = static_cast<short>(HIWORD(m.LParam));
    switch (m.Msg) {
    case WM_CONTEXTMENU:
        if (PopupMenu) {
            POINT at{x, y};
            // From the keyboard: below the control's middle.
            if (m.LParam == -1) at = ClientToScreen(POINT{width_ / 2, height_ / 2});
            m.Result = 0;
            PopupMenu->Popup(at.x, at.y);
            return;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (controlStyle_ & csCaptureMouse) controlState_ |= csClicked | csLButtonDown;
        MouseDown(TMouseButton::mbLeft, MouseShift(m.WParam), x, y);
        break;
    case WM_LBUTTONUP: {
        const bool clicked = (controlState_ & csClicked) != 0;
        controlState_ &= ~(csClicked | csLButtonDown);
        MouseUp(TMouseButton::mbLeft, MouseShift(m.WParam), x, y);
        // A click counts only when the button goes up over the control.
        if (clicked && !IsWindowed() && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
        break;
    }
    case WM_MOUSEMOVE:
        MouseMove(MouseShift(m.WParam), x, y);
        break;
    case CM_MOUSEENTER:
        if (m.LParam == 0) {
            mouseInControl_ = true;
            if (parent_) parent_->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
        }
        break;
    case CM_MOUSELEAVE:
        if (m.LParam == 0) {
            mouseInControl_ = false;
            if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
        }
        break;
    case CM_PARENTFONTCHANGED:
        if (parentFont_ && parent_) {
            font_->Assign(parent_->Font());
            parentFont_ = true;
        }
        break;
    default:
        break;
    }
    DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT:
        text_ = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
        m.Result = TRUE;
        break;
    case WM_GETTEXTLENGTH:
        m.Result = static_cast<LRESULT>(text_.size());
        break;
    default:
        break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState, int, int) {}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
    if (parent_ && parent_->HandleAllocated() && visible_) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, (controlStyle_ & csOpaque) ? FALSE : TRUE);
    }
}

void TControl::Repaint() {
    Invalidate();
    Update();
    if (!IsWindowed() && parent_) parent_->Update();
}

void TControl::BringToFront() {
    if (!parent_) return;
    auto& list = parent_->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) {
        list.erase(it);
        list.push_back(this);
    }
    Invalidate();
}

TCustomForm* GetParentForm(TControl* control) {
    while (control && control->Parent()) control = control->Parent();
    return dynamic_cast<TCustomForm*>(control);
}

}  // namespace pakmole
