#pragma once
// TsSkinProvider: the component that skins a whole form. It chains in front
// of the form's message handling, hears the skin manager's commands through
// the form, and attaches window adapters to the form's plain controls as the
// skin is applied and as their windows appear (the control registry). It
// paints the form's frame: borders, caption strip, icon, caption text and
// title buttons, cut to the skin's corners, and answers the hit tests and
// mouse clicks of its own title buttons (sSkinProvider_frame.cpp,
// sSkinProvider_mouse.cpp). The client area shows the client part of the
// same picture (the form's section, and the size grip when asked for), which
// is also what the form's children find behind them.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "skin/controls/frame/sFrameLayout.h"
#include "skin/controls/frame/vlMinTimer.h"
#include "skin/controls/frame/vlSBAnimation.h"
#include "skin/controls/provider/sTitleButtons.h"
#include "skin/controls/provider/vlAddedTitle.h"
#include "skin/controls/provider/vlCtrlAdapter.h"
#include "skin/controls/state/sCommonData.h"
#include "skin/manager/FormSkinLinks.h"
#include "skin/render/GlowMask.h"
#include "skin/render/PictureWindow_win.h"
#include "ui/Component.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"
#include "ui/Message.h"

namespace pakmole {

class TCustomForm;
class TsSystemMenu;
struct TBgQuery;

// The caption icon's own settings: shown or not, its size (0: from the
// caption's height), and a picture drawn instead of the form's icon
// (empty: none), stretched to that size, its key colour see-through.
struct TsTitleIcon {
    bool Visible = true;
    int Width = 0;
    int Height = 0;
    TBitmap32 Glyph;
};

// gmRightBottom: a size grip in the client area's bottom-right corner.
enum TsGripMode { gmNone, gmRightBottom };

class TsSkinProvider : public TComponent, public TsFormSkinLink {
public:
    // The owner must be a form.
    explicit TsSkinProvider(TComponent* owner);
    ~TsSkinProvider() override;
    std::string ClassName() const override { return "TsSkinProvider"; }

    TsCommonData& SkinData() { return *skinData_; }
    const TsCommonData& SkinData() const { return *skinData_; }
    // While skinned and without CustomColor the form takes the skin's main colour.
    bool UseGlobalColor() const { return useGlobalColor_; }
    void SetUseGlobalColor(bool on);
    TAddItemEvent OnSkinItem;

    // The registry (null until the skin is first applied).
    TvlCtrlAdapter* Adapter() const { return adapter_.get(); }
    // A second provider on the same form stays inactive.
    bool InactiveDuplicate() const { return duplicate_; }
    // Made by the engine for a form that had none; listed with the manager.
    bool AutoCreated() const { return autoWindow_ != nullptr; }
    void MarkAutoCreated();

    // Paint the frame and caption (else the platform does).
    bool DrawNonClientArea() const { return drawNonClient_; }
    void SetDrawNonClientArea(bool on);
    bool ShowAppIcon() const { return showAppIcon_; }
    void SetShowAppIcon(bool on);
    TAlignment CaptionAlignment() const { return captionAlignment_; }
    void SetCaptionAlignment(TAlignment alignment);
    const TsTitleIcon& TitleIcon() const { return titleIcon_; }
    void SetTitleIcon(const TsTitleIcon& icon);
    // Text after the caption; its changes repaint the frame.
    TvlAddedTitle& AddedTitle() { return addedTitle_; }
    TsGripMode GripMode() const { return gripMode_; }
    void SetGripMode(TsGripMode mode);
    // The size grip's place in window coordinates (empty without one).
    RECT GripRect() const;
    // Where the caption's parts lie, as last laid out.
    const TsTitleLayout& CaptionLayout() const { return layout_; }
    // The form's own caption buttons; call their Changed after a change.
    TsTitleButtons& TitleButtons() { return titleButtons_; }
    // 0 normal, 1 hot, 2 pressed; user button i is tbCount + i.
    int TitleButtonState(int button) const;
    bool FormActive() const { return formActive_; }
    // The whole window as the frame paints it, brought up to date; null
    // while the frame is not painted by the skin.
    const TBitmap32* WindowImage();

    // The form appears, goes and minimizes through pictures of itself.
    bool AllowAnimation() const { return allowAnimation_; }
    void SetAllowAnimation(bool on) { allowAnimation_ = on; }
    // After a show (0) or hide (1) animation.
    std::function<void(TObject* sender, int kind)> OnAfterAnimation;
    // A dragged form lands on the edges of the work area within SnapBuffer pixels.
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    // The main form's way to the taskbar (null until it first minimizes).
    const TvlMinTimer* MinimizeTimer() const { return minTimer_.get(); }

    // TsFormSkinLink
    TCustomForm* Form() const override { return form_; }
    TsSkinManager* SkinManager() const override { return skinData_->ManagerInEffect(); }

    // Shows the skinned system menu at a screen point (the window's own
    // menu when popup menus are not skinned); returns when it closes.
    virtual void DropSysMenu(POINT screen);
    // Null until the menu was first shown.
    TsSystemMenu* SystemMenu() const { return sysMenu_; }

protected:
    void Loaded() override;
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Creates the registry and adapts the form's controls, unless not skinned.
    virtual void PrepareForm();

private:
    friend class TsSystemMenu;
    struct Hook;
    struct HookLink;
    void HandleMessage(TMessage& message);
    bool HandleSkinCommand(TMessage& message);
    void EnsureRegistry();
    // The skin was applied or changed: sections again, every control adapted, the form's colour.
    void Reskin();
    void ApplyFormColor();
    void Unhook();

    // The frame (sSkinProvider_frame.cpp).
    bool PaintsFrame() const;
    TsFrameFacts FrameFacts() const;
    void UpdateLayout();
    bool RenderFrame();
    void PaintIcon(TBitmap32& image);
    void PaintCaptionText(TBitmap32& image);
    // The added title's text width in its font (0 without a text).
    int AddedTitleWidth(HDC dc);
    // The added title from left, up to the caption's right bound.
    void PaintAddedTitle(TBitmap32& image, int left);
    void PaintGrip(TBitmap32& image);
    // The client area's top-left corner in the window image.
    POINT ClientOrigin() const;
    // WM_ERASEBKGND: the client part of the window image into the DC.
    bool EraseClient(HDC dc);
    // SKC_GETBGINFO: what lies behind the form's children.
    void AnswerBackground(TBgQuery& query);
    void PaintTitleButton(TBitmap32& image, int button);
    // A system button (below tbCount) or user button tbCount + i.
    const TsTitleButtonPlace& PlaceOf(int button) const;
    int& StateOf(int button);
    void PaintUserButton(TBitmap32& target, TPoint32 at, int index, int state, const TBgSource& bg);
    // The button's mask in state over the caption strip, at point at of
    // target; bg is what the strip shows there.
    void PaintButtonLook(TBitmap32& target, TPoint32 at, int button, int state, const TBgSource& bg);
    // Title buttons change their look through a fade (TvlSBAnimation).
    bool AnimatesButtons() const;
    void AnimateButton(int button, int state);
    void CopyFrameToWindow();
    // WM_PRINT: the skin's frame and the form's client area into the DC.
    void PrintWindowTo(TMessage& message, const TWndMethod& previous);
    void CopyButtonToWindow(int button);
    void UpdateRegion();
    // Everything of the frame again: layout, picture, region, the window's frame.
    void InvalidateFrame();
    void ForgetFrame();
    // Runs the platform's handling of a message that paints the platform's
    // caption with the window's visible bit off, then paints the skin's.
    void CallUnseen(const TWndMethod& previous, TMessage& message);

    // Window animations and snapping (sSkinProvider_anim.cpp); true when handled.
    bool HandleAnimationMessage(TMessage& message, const TWndMethod& previous);
    bool MayAnimate() const;
    void PrepareShow();
    void AnimShowForm();
    void TakeHidePicture();
    void AnimHideForm();
    void SnapWhileMoving(WINDOWPOS& position);
    void HookApplication();
    void UnhookApplication();
    void AnimMinimize();
    void AnimRestore(std::function<void()> bringBack);
    void GiveFocusAfterRestore();

    // Frame messages (sSkinProvider_mouse.cpp); true when handled.
    bool HandleFrameMessage(TMessage& message, const TWndMethod& previous);
    void SetHotButton(int button);
    void SetButtonState(int button, int state);
    void ReleasePressedButton();
    int HitTestScreen(POINT screen);
    // Below the caption icon, where the system menu drops from.
    POINT SysMenuPoint();

    TsTitleLayout layout_;
    std::array<int, tbCount> buttonState_{};
    std::vector<int> userButtonState_;  // sized with the layout
    TsTitleButtons titleButtons_;
    int hotButton_ = -1;
    int pressedButton_ = -1;
    bool formActive_ = true;
    bool frameStale_ = true;
    bool regionStale_ = true;
    bool drawNonClient_ = true;
    bool showAppIcon_ = true;
    TsGripMode gripMode_ = gmNone;
    TAlignment captionAlignment_ = TAlignment::taLeftJustify;
    TsTitleIcon titleIcon_;
    TvlAddedTitle addedTitle_;
    int32_t titleIndex_ = -1;
    int32_t captionIndex_ = -1;
    TBitmap32 stripBg_;  // the caption strip without its buttons, for repainting one button
    std::array<TGlowMask, 2> captionGlow_;  // inactive, active
    FontHandle captionFont_;
    std::array<std::unique_ptr<TvlSBAnimation>, tbCount> animations_;
    bool allowAnimation_ = true;
    bool showPending_ = false;  // the form is made invisible until its picture stands over it
    bool leavingWithOwner_ = false;
    std::unique_ptr<TvlPictureWindow> hideWindow_;
    TBitmap32 hidePicture_;
    POINT hideAt_{};
    bool hookedApplication_ = false;
    std::unique_ptr<TvlMinTimer> minTimer_;

    TCustomForm* form_ = nullptr;
    std::shared_ptr<HookLink> link_;
    bool duplicate_ = false;
    HWND autoWindow_ = nullptr;
    bool useGlobalColor_ = true;
    std::unique_ptr<TsCommonData> skinData_;
    std::unique_ptr<TvlCtrlAdapter> adapter_;
    TsSystemMenu* sysMenu_ = nullptr;  // owned as a component
};

}  // namespace pakmole
