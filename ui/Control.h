#pragma once
// A control: a component with a parent, bounds, visibility and a message chain.
// Every message a control receives runs through WindowProc, which later code
// may replace by a handler that calls the previous one (an adapter chained in
// front); the default is the control's own WndProc.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Graphics.h"
#include "ui/Message.h"
#include "ui/ShortCut.h"

namespace pakmole {

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1u << 0,
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 3,
    csFramed = 1u << 4,
    csSetCaption = 1u << 5,  // the component name becomes the text at design time
    csOpaque = 1u << 6,      // paints its whole area; the parent need not paint under it
    csDoubleClicks = 1u << 7,
    csFixedWidth = 1u << 8,
    csFixedHeight = 1u << 9,
    csParentBackground = 1u << 10,
};
using TControlStyle = unsigned;

enum TControlStateFlag : unsigned {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csFocusing = 1u << 5,
    csCreating = 1u << 6,
    csCustomPaint = 1u << 8,
    csDestroyingHandle = 1u << 9,
};
using TControlState = unsigned;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Cursor identities in the platform's numbering.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;

using TMouseEvent = std::function<void(TObject*, TMouseButton, TShiftState, int x, int y)>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    virtual bool IsWindowed() const { return false; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;
    // The control's client origin in its parent window's client coordinates
    // (graphic controls have no window of their own).
    POINT ClientOrigin() const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    // Visible here and in every parent up to a shown form.
    virtual bool Showing() const;

    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState state) { controlState_ = state; }

    TFont& Font() { return *font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);
    TColor Color() const { return color_; }
    virtual void SetColor(TColor color);

    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& text) { SetText(text); }

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    bool MouseInControl() const { return mouseInControl_; }

    // Sends a message through the control's WindowProc chain, synchronously.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    TWndMethod WindowProc;
    // The control's own message handling, the end of every WindowProc chain.
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled.
    virtual void DefaultHandler(TMessage& message);

    virtual void Click();
    virtual void Invalidate();
    virtual void Update() {}
    void Repaint();
    void BringToFront();

    // Shown by a right click (WM_CONTEXTMENU); not owned.
    TPopupMenu* PopupMenu = nullptr;

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

protected:
    void Loaded() override;
    void BeforeDestruction() override;
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void FontChanged();
    // The parent lays out its aligned children again.
    void RequestAlign();
    // The bounds, stored without touching any window.
    void StoreBounds(int left, int top, int width, int height);

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool mouseInControl_ = false;
    std::string text_;

private:
    friend class TWinControl;
    TAlign align_ = TAlign::alNone;
    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState controlState_ = 0;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    TColor color_ = clWindow;
    std::string hint_;
    TCursor cursor_ = crDefault;
    int helpContext_ = 0;
};

// The form a control sits on (nullptr when none).
TCustomForm* GetParentForm(TControl* control);

}  // namespace pakmole
