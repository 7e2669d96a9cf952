#pragma once
// A control with a window of its own. The window is created when it is first
// needed; its class is registered under the control's class name ("TButton"
// over the system's "BUTTON"), so code that matches class names finds it.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/GdiHandles.h"

namespace pakmole {

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::string WinClassName;  // the registered class, normally ClassName()
    std::string BaseClassName; // system class superclassed; empty: a plain window
    UINT ClassStyle = CS_DBLCLKS;
};

using TKeyEvent = std::function<void(TObject*, WORD& key, TShiftState)>;
using TKeyPressEvent = std::function<void(TObject*, char& key)>;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }
    bool IsWindowed() const override { return true; }

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and makes it again with the current parameters.
    void RecreateWnd();
    static TWinControl* FindControl(HWND window);

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The visible, enabled graphic child at a client point (nullptr when none).
    TControl* GraphicControlAt(POINT p) const;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on) { tabStop_ = on; }
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // The next (or previous) focusable windowed control after current in tab order.
    TWinControl* FindNextControl(TWinControl* current, bool forward) const;
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // Sends a message to every child control in index order.
    void Broadcast(TMessage& message);

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    bool Showing() const override { return showing_; }
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void SetColor(TColor color) override;
    void Invalidate() override;
    void Update() override;
    // Lays out the aligned children within the client area.
    void Realign();

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    void BeforeDestruction() override;
    void Loaded() override;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Called once the window exists and its font and text are set.
    virtual void CreateHandleDone() {}
    // Called just before the window goes (still valid).
    virtual void DestroyingHandle() {}
    void DestroyHandle();
    void UpdateShowing();
    // Keyboard: set key (or the character) to 0 to swallow it.
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    // Paints the window through its class procedure, then the graphic children.
    virtual void PaintWindow(HDC dc);
    void PaintControls(HDC dc);
    // The brush for WM_CTLCOLOR* answers, in the control's colour.
    HBRUSH ColorBrush();
    void FontChanged() override;

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;  // windowed children in tab order
    HWND handle_ = nullptr;

private:
    friend class TControl;
    friend LRESULT CALLBACK ControlWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    void AttachHandle(HWND window);
    void DetachHandle();
    void AlignControls();
    bool RouteMouseToGraphic(TMessage& message);
    void SetHotGraphic(TControl* control);
    void UpdateBoundsFromWindow();

    WNDPROC defWndProc_ = nullptr;
    bool tabStop_ = false;
    bool showing_ = false;
    bool trackingMouse_ = false;
    bool aligning_ = false;
    TControl* hotGraphic_ = nullptr;
    TControl* captureGraphic_ = nullptr;
    BrushHandle brush_;
    TColor brushColor_ = clNone;
    int controlId_ = 0;
};

}  // namespace pakmole
