#pragma once
// The fade of one title button into its new look: the button's picture in
// the new state is laid over the button in a layered window whose alpha
// rises by 255 div n every 12 ms, or falls the same way when the button
// goes back to rest. Once fully shown, each tick checks whether the pointer
// has left the button and then tells the form with WM_MOUSELEAVE.
#include <windows.h>

#include <functional>

#include "skin/data/Bitmap32.h"
#include "skin/render/PictureWindow_win.h"
#include "skin/render/vlThdTimer_win.h"

namespace pakmole {

class TvlSBAnimation {
public:
    // pointerOver: whether the pointer is still on the button.
    TvlSBAnimation(HWND form, std::function<bool()> pointerOver);
    ~TvlSBAnimation();
    TvlSBAnimation(const TvlSBAnimation&) = delete;
    TvlSBAnimation& operator=(const TvlSBAnimation&) = delete;

    // The new look fades in over n steps (1: at once) at screen point at.
    void Enter(TBitmap32 picture, POINT at, int steps);
    // The shown look fades out over n steps; then the window goes.
    void Leave(int steps);

    int Alpha() const { return alpha_; }
    bool Running() const;
    HWND Window() const { return window_.Handle(); }

private:
    void Tick();
    void Stop();

    HWND form_;
    std::function<bool()> pointerOver_;
    TvlPictureWindow window_;
    TBitmap32 picture_;
    POINT at_{0, 0};
    int alpha_ = 0;
    int step_ = 25;
    bool entering_ = false;
    ComponentPtr<TvlThreadedTimer> timer_;
};

}  // namespace pakmole
