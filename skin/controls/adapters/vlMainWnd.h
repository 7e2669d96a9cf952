#pragma once
// TvlMainWnd: the root of the window adapters. An adapter skins a control
// that knows nothing of skins (a plain TButton, or a raw window of a system
// dialog) from outside: it chains in front of the window's message handling,
// keeps a per-control skin state for it, and paints it from a skin section.
// It stores itself under the window property "VLSBSC" and lets go of the
// window when the window is destroyed or the adapter is freed.
#include <windows.h>

#include <memory>
#include <string>

#include "skin/controls/adapters/vlVisualStyle.h"
#include "skin/controls/state/sCommonData.h"
#include "skin/render/sFade_win.h"
#include "ui/Control.h"
#include "ui/Message.h"

namespace pakmole {

class TsSkinManager;

class TvlMainWnd : public TObject {
public:
    // state: the registry item's skin state (not owned); null makes an owned
    // one. An empty defaultSection keeps the state's section.
    TvlMainWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
               TsCommonData* state);
    ~TvlMainWnd() override;
    TvlMainWnd(const TvlMainWnd&) = delete;
    TvlMainWnd& operator=(const TvlMainWnd&) = delete;
    std::string ClassName() const override { return "TvlMainWnd"; }

    // Finishes construction where the descendant's overrides count: keeps the
    // control's own look, subclasses, makes the control opaque.
    void Start();
    // Called at the end of Start, with the window subclassed.
    virtual void Started() {}
    // The adapter of a popup menu's window, which keeps the platform's visual style.
    virtual bool MenuWindow() const { return false; }

    virtual void CaptureOriginalParams() {}
    virtual void RestoreOriginalParams() {}
    virtual void ApplySkinParams() { paramsApplied_ = true; }
    virtual void HandleMessage(TMessage& message);

    // The previous window procedure: the remembered method, else the raw
    // procedure, else nothing (result 0).
    void CallPrevWndProc(TMessage& message);
    // Gives the window back to its previous procedure; errors are the caller's.
    void Unsubclass();

    HWND Handle() const { return handle_; }
    bool Destroyed() const { return destroyed_; }
    TsCommonData* SkinData() const { return skinData_; }
    TsSkinManager* SkinManager() const;
    const std::string& Caption() const { return caption_; }
    TControl* OwnerControl() const { return skinData_ ? skinData_->Control : nullptr; }

    // The adapter stored under a window's "VLSBSC" property (null when none).
    static TvlMainWnd* FromWindow(HWND window);

    // What a painted adapter's opening of its message switch answers by
    // itself (see PaintMessage).
    enum TPaintRules : unsigned {
        prPrint = 1,        // WM_PRINT paints too
        prPaintHidden = 2,  // a hidden window's WM_PAINT paints too
        prEraseHidden = 4,  // a hidden window's WM_ERASEBKGND is answered too
    };

protected:
    // The adapter skins its window now: it has a skin state, the manager is
    // active and the window is still there.
    bool Skinning() const { return skinData_ && ManagerActive() && !destroyed_; }
    // The opening every adapter's message switch shares: while the adapter
    // does not skin (or the platform paints the window) the message goes to
    // the base handling; true when it went there.
    bool LeftToBase(TMessage& message, bool platformPaints = false);
    // The adapter's own picture of the window, drawn into dc (the painted
    // adapters have one).
    virtual void Paint(HDC) {}
    // The next part of the opening of the painted adapters (static texts,
    // toolbars, group boxes, check boxes): WM_PAINT (and WM_PRINT with
    // prPrint) paint with Paint into the device context the message hands in,
    // else between BeginPaint and EndPaint; WM_ERASEBKGND answers 1. A hidden
    // window's WM_PAINT and WM_ERASEBKGND are left alone unless the rules say
    // otherwise. True when message was answered.
    bool PaintMessage(TMessage& message, unsigned rules);

    // Window rectangle, size, place in the parent and the parent's rectangle.
    void RefreshGeometry();
    bool Visible() const { return IsWindowVisible(handle_) != FALSE; }
    bool ManagerActive() const;
    void ReadCaption();
    // Makes this window the manager's hot window, or none.
    void SetHot(bool hot);
    bool IsHot() const;

    bool dialogMode_ = false;
    std::string caption_;
    RECT windowRect_{};
    int width_ = 0, height_ = 0;
    POINT positionInParent_{};
    RECT parentRect_{};
    HWND parentWindow_ = nullptr;
    TControlStyle savedStyle_ = 0;
    TWndMethod prevMethod_;
    WNDPROC prevProc_ = nullptr;
    HWND handle_ = nullptr;
    TsSkinManager* manager_ = nullptr;
    TsCommonData* skinData_ = nullptr;
    std::unique_ptr<TsCommonData> ownedSkinData_;
    bool scrollPaintPaused_ = false;
    bool paramsApplied_ = false;
    bool destroyed_ = false;
    TsFadeTimerSlot fadeTimer_;

private:
    static LRESULT CALLBACK RawWindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void Subclass();
    bool HandleSkinCommand(TMessage& message);
    bool styleSaved_ = false;
    TvlVisualStyleCase visualStyle_;
};

// The global dialog mode: set while platform dialogs are being skinned.
bool DialogMode();
void SetDialogMode(bool on);

}  // namespace pakmole
