#pragma once
// The main form's way to its taskbar button and back: a picture of the
// form shrinks toward the button while fading out, and grows back from it
// before the form itself returns. Under a shell without a taskbar button the
// picture goes to the taskbar's inner edge (or the screen's bottom edge when
// there is no taskbar at all).
#include <windows.h>

#include <functional>
#include <memory>

#include "skin/data/Bitmap32.h"
#include "skin/render/MinimizeMotion.h"
#include "skin/render/PictureWindow_win.h"
#include "skin/render/SystemMinimizeAnimation_win.h"
#include "skin/render/vlThdTimer_win.h"

namespace pakmole {

// Where a window at windowRect goes when the application's window minimizes.
TRect32 MinimizeTarget(HWND application, const TRect32& windowRect);

class TvlMinTimer : public TvlThreadedTimer {
public:
    explicit TvlMinTimer(TComponent* owner);
    ~TvlMinTimer() override;
    std::string ClassName() const override { return "TvlMinTimer"; }

    // picture: the window as it was seen at windowRect, which has just left
    // the screen; it shrinks toward target over time milliseconds.
    void StartMinimize(TBitmap32 picture, const TRect32& windowRect, const TRect32& target, int time,
                       uint8_t startAlpha);
    // The way back; bringBack puts the real window in place of the picture
    // when it has grown to full size (at once when nothing was minimized),
    // with the system's minimize animation off; giveFocus runs a moment
    // after the picture has gone.
    void StartRestore(std::function<void()> bringBack, std::function<void()> giveFocus = {});
    // The picture has reached the taskbar and waits there for the way back.
    bool Minimized() const { return minimized_; }
    bool Restoring() const { return restoring_; }
    // Shown while the picture moves (for tests: where it is).
    HWND PictureWindow() const { return window_.Handle(); }

protected:
    void OwnTimer() override;

private:
    void ShowFrame();
    void EndRestore();

    TsMinimizeMotion motion_;
    TRect32 windowRect_;
    TBitmap32 picture_;
    TBitmap32 frame_;
    TvlPictureWindow window_;
    bool minimized_ = false;
    bool restoring_ = false;
    std::function<void()> bringBack_;
    std::function<void()> giveFocus_;
    // Held from the start of a minimize until the picture reaches the taskbar.
    std::unique_ptr<TSystemMinimizeAnimationOff> systemAnimationOff_;
};

}  // namespace pakmole
