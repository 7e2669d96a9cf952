#pragma once
// The frame adapter of a skinned platform dialog (a message box, the file
// dialog): the dialog's whole window painted from the skin's "DIALOG"
// section with the caption strip, caption text and title buttons laid out
// as on the program's own forms, the window cut to the skin's corners, the
// title buttons hot, pressed and answered by the adapter, the client area
// in the skin's main colour. Split by concern: messages and mouse
// (vlDialogWnd.cpp), the frame picture (vlDialogWnd_paint.cpp).
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/adapters/vlScrollWnd.h"
#include "skin/controls/dialogs/vlDialogCaption.h"
#include "skin/controls/dialogs/vlDialogRules.h"
#include "skin/controls/frame/sFrameLayout.h"
#include "skin/controls/frame/vlSBAnimation.h"
#include "ui/Component.h"
#include "ui/GdiHandles.h"

namespace pakmole {

class TvlSystemMenu;

class TvlDialogWnd : public TvlScrollWnd {
public:
    TvlDialogWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager, TsCommonData* state);
    ~TvlDialogWnd() override;
    std::string ClassName() const override { return "TvlDialogWnd"; }

    void HandleMessage(TMessage& message) override;
    void RestoreOriginalParams() override;

    // Takes the dialog's styles (before the system-menu bit leaves the live
    // style, so the platform draws no buttons of its own), its icon and the
    // title font.
    void InitDialog();
    // Adapts the dialog's children that have none yet (set by the provider).
    std::function<void()> AttachChildren;
    // Posted to the dialog when a window appears inside it.
    static UINT ChildrenChangedMessage();
    // Moves the dialog to the point (screen) now when it shows, else as it is shown.
    void PlaceAt(POINT point);

    TvlBorderKind BorderKind() const { return kind_; }
    // The captured styles with the window's state now.
    TvlDialogStyle Style() const;
    const TsTitleLayout& Layout() const { return layout_; }
    int ButtonState(int button) const { return buttonState_[static_cast<std::size_t>(button)]; }
    bool FormActive() const { return formActive_; }
    // The items of the dialog's system menu as they would show now.
    std::vector<TvlMenuItemRule> SystemMenuItems() const { return DialogSystemMenu(Style(), kind_); }
    // The whole window as the frame paints it, brought up to date (null when not skinned).
    const TBitmap32* WindowImage();
    // The answer of the frame to a point in screen coordinates (0: left to the dialog).
    int TitleHitTest(POINT screen) const;

private:
    // Under composition: WM_SHOWWINDOW handled with the window layered.
    void ShowWindowUnseen(TMessage& m);
    void TakeIcon();
    void UpdateLayout();
    bool RenderFrame();
    void PaintIcon(TBitmap32& image);
    void PaintCaption(TBitmap32& image);
    void PaintButton(TBitmap32& image, int button);
    void RepaintFrame();
    void RepaintButton(int button);
    // Title buttons change their look through a fade (TvlSBAnimation) while
    // the skin allows glowing.
    bool AnimatesButtons() const;
    void AnimateButton(int button, int state);
    void UpdateRegion();
    void PaintClient(HDC dc);
    void SetHotButton(int button);
    void Release(int button);
    void ShowSystemMenu(POINT screen);
    bool ButtonEnabled(int button) const;
    // Runs a message the platform answers by drawing its own caption, unseen.
    void CallUnseen(TMessage& message);

    ComponentPtr<TvlSystemMenu> sysMenu_;
    LONG capturedStyle_ = 0;
    LONG capturedExStyle_ = 0;
    bool initialised_ = false;
    bool ownRestyle_ = false;  // the system-menu bit taken off again
    TvlBorderKind kind_ = TvlBorderKind::bkSingle;
    bool formActive_ = true;
    std::array<int, tbCount> buttonState_{};
    int hotButton_ = -1;
    int pressedButton_ = -1;
    bool tracking_ = false;
    bool placePending_ = false;
    POINT place_{};
    IconHandle icon_;
    bool hasIcon_ = false;  // the dialog has an icon (its copy may have failed)
    FontHandle titleFont_;
    BrushHandle mainBrush_;
    int32_t titleIndex_ = -1;
    int32_t captionIndex_ = -1;
    bool regionStale_ = true;
    TBitmap32 stripBg_;
    std::array<std::unique_ptr<TvlSBAnimation>, tbCount> animations_;
    // Platforms after the fifth version paint a dialog's client area with its erase.
    bool clientPaintSuppressed_ = false;
    TsTitleLayout layout_;
    TvlDialogCaptionFacts captionFacts_;
};

}  // namespace pakmole
