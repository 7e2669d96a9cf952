#pragma once
// A top-level window holding controls: border, caption, icon, position,
// modal runs, dialog keys and the focused control.
#include <string>

#include "ui/GdiHandles.h"
#include "ui/WinControl.h"

namespace pakmole {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow };
enum TBorderIconFlag : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum class TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

using TCloseEvent = std::function<void(TObject*, TCloseAction&)>;
using TCloseQueryEvent = std::function<void(TObject*, bool& canClose)>;

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    void SetClientSize(int width, int height);
    void SetClientWidth(int width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int height) { SetClientSize(ClientWidth(), height); }
    RECT ClientRect() const override;

    // Takes ownership of the icon.
    void SetIcon(HICON icon);
    HICON Icon() const { return icon_.Get(); }

    void SetVisible(bool visible) override;
    bool Showing() const override { return Visible(); }
    void Close();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool IsModal() const { return inModal_; }
    // Frees the form once the messages already queued for it are handled.
    void Release();

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    bool Active() const;
    // Called when a control of this form receives the focus.
    void SetFocusedControl(TWinControl* control);
    // Forgets control (and anything inside it) as the focused control.
    void DefocusControl(TControl* control);
    void SelectNext(TWinControl* current, bool forward);

    // The owner window of the form's window (message forms stay above it).
    void SetPopupParent(HWND owner) { popupParent_ = owner; }

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void BeforeDestruction() override;
    void PaintWindow(HDC dc) override;
    virtual bool CloseQuery();
    RECT FrameExtents() const;

private:
    void PlaceOnScreen();

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    IconHandle icon_;
    TWinControl* activeControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool inModal_ = false;
    bool hiddenWithOwner_ = false;
    HWND popupParent_ = nullptr;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    std::string ClassName() const override { return "TForm"; }
};

}  // namespace pakmole
