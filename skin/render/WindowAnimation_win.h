#pragma once
// A skinned window is never seen half painted when it appears or goes: a
// finished picture of it is shown in a picture window over it, fades (and
// zooms) there, and the real window is swapped in or out under it. While a
// picture is built and shown, the process-wide in-progress flag holds the
// frame painting and background erasing of skinned windows back.
#include <windows.h>

#include <functional>
#include <memory>

#include "skin/data/Bitmap32.h"
#include "skin/render/PictureWindow_win.h"
#include "skin/render/WindowAnimationSteps.h"

namespace pakmole {

bool AnimationInProgress();

// Raises the in-progress flag while it lives; scopes nest.
class TAnimationInProgress {
public:
    TAnimationInProgress();
    ~TAnimationInProgress();
    TAnimationInProgress(const TAnimationInProgress&) = delete;
    TAnimationInProgress& operator=(const TAnimationInProgress&) = delete;
};

// The whole picture stretched colour on colour (each pixel one of the
// picture's, no blending: one quick copy per frame) into rect of target.
void StretchPicture(const TBitmap32& picture, TBitmap32& target, const TRect32& rect);

// One frame into target (the picture's size): the picture whole, or
// stretched colour on colour into the frame's rectangle over black.
void ComposeAnimFrame(const TBitmap32& picture, const TsAnimFrame& frame, TBitmap32& target);

// Shows picture in window at screen point at and plays the frames of its
// appearing there, one every 12 ms, on this thread; it stays shown whole at
// finalAlpha.
void PlayShowAnimation(TvlPictureWindow& window, const TBitmap32& picture, POINT at, int time, uint8_t finalAlpha,
                       TsAnimMode mode);

// Lets a picture of a window that has just been hidden vanish over time
// milliseconds, on a timer, so messages go on meanwhile; it outlives the
// window. With under one frame the picture simply goes. A hide still
// running is ended first. afterAnimation runs once, after the last frame.
void AnimHidePicture(std::unique_ptr<TvlPictureWindow> window, TBitmap32 picture, POINT at, int time,
                     TsAnimMode mode, uint8_t startAlpha, std::function<void()> afterAnimation = {});
bool HideAnimationRunning();
// The program is ending: the frames left are played now, 12 ms apart.
void FinishHideAnimation();

}  // namespace pakmole
