#include "skin/render/WindowAnimation_win.h"

#include <utility>
#include <vector>

#include "skin/data/Bitmap32_win.h"
#include "skin/render/vlThdTimer_win.h"

namespace pakmole {

namespace {

int& InProgressDepth() {
    static int depth = 0;
    return depth;
}

void ShowFrame(TvlPictureWindow& window, const TBitmap32& picture, const TsAnimFrame& frame, TBitmap32& buffer,
               POINT at) {
    if (frame.Whole) {
        window.Show(picture, at, frame.Alpha);
        return;
    }
    ComposeAnimFrame(picture, frame, buffer);
    window.Show(buffer, at, frame.Alpha);
}

// The frames of one hide, stepped by its timer.
class THideAnimation {
public:
    THideAnimation(std::unique_ptr<TvlPictureWindow> window, TBitmap32 picture, POINT at,
                   std::vector<TsAnimFrame> frames, std::function<void()> after)
        : window_(std::move(window)), source_(std::move(picture)), buffer_(source_.Width(), source_.Height()),
          frames_(std::move(frames)), at_(at), after_(std::move(after)), timer_(nullptr, false) {
        timer_.SetInterval(kAnimationFrameMs);
        timer_.SetOnTimer([this](TObject*) { Step(); });
    }
    // Plays one frame; false once every frame was shown and the end was told.
    bool Step() {
        if (index_ >= frames_.size()) {
            Finish();
            return false;
        }
        ShowFrame(*window_, source_, frames_[index_++], buffer_, at_);
        return true;
    }
    void Finish() {
        timer_.SetEnabled(false);
        window_->Free();
        if (auto after = std::exchange(after_, nullptr)) after();
    }
    bool Done() const { return !window_->Handle(); }

private:
    std::unique_ptr<TvlPictureWindow> window_;
    TBitmap32 source_;
    TBitmap32 buffer_;
    std::vector<TsAnimFrame> frames_;
    std::size_t index_ = 0;
    POINT at_;
    std::function<void()> after_;
    TvlThreadedTimer timer_;
};

std::unique_ptr<THideAnimation>& RunningHide() {
    static std::unique_ptr<THideAnimation> running;
    return running;
}

}  // namespace

bool AnimationInProgress() { return InProgressDepth() > 0; }
TAnimationInProgress::TAnimationInProgress() { ++InProgressDepth(); }
TAnimationInProgress::~TAnimationInProgress() { --InProgressDepth(); }

void ComposeAnimFrame(const TBitmap32& picture, const TsAnimFrame& frame, TBitmap32& target) {
    HDC dc = Bitmap32DC(target);
    if (!dc) return;
    if (frame.Whole) {
        BitBlt(dc, 0, 0, picture.Width(), picture.Height(), Bitmap32DC(picture), 0, 0, SRCCOPY);
        return;
    }
    PatBlt(dc, 0, 0, target.Width(), target.Height(), BLACKNESS);
    StretchPicture(picture, target, frame.Rect);
}

void StretchPicture(const TBitmap32& picture, TBitmap32& target, const TRect32& rect) {
    HDC dc = Bitmap32DC(target);
    if (!dc) return;
    const int previous = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), Bitmap32DC(picture), 0, 0, picture.Width(),
               picture.Height(), SRCCOPY);
    SetStretchBltMode(dc, previous);
    GdiFlush();
}

void PlayShowAnimation(TvlPictureWindow& window, const TBitmap32& picture, POINT at, int time, uint8_t finalAlpha,
                       TsAnimMode mode) {
    const auto frames = ShowFrames(time, finalAlpha, mode, picture.Width(), picture.Height());
    TBitmap32 buffer(picture.Width(), picture.Height());
    for (const TsAnimFrame& frame : frames) {
        ShowFrame(window, picture, frame, buffer, at);
        Sleep(kAnimationFrameMs);
    }
    window.Show(picture, at, finalAlpha);
}

void AnimHidePicture(std::unique_ptr<TvlPictureWindow> window, TBitmap32 picture, POINT at, int time,
                     TsAnimMode mode, uint8_t startAlpha, std::function<void()> afterAnimation) {
    if (auto running = std::move(RunningHide())) running->Finish();
    auto frames = HideFrames(time, startAlpha, mode, picture.Width(), picture.Height());
    if (!window || frames.empty()) {
        if (afterAnimation) afterAnimation();
        return;  // the picture window goes with its owner here
    }
    auto& running = RunningHide();
    running = std::make_unique<THideAnimation>(std::move(window), std::move(picture), at, std::move(frames),
                                               std::move(afterAnimation));
    running->Step();
}

bool HideAnimationRunning() { return RunningHide() && !RunningHide()->Done(); }

void FinishHideAnimation() {
    auto& running = RunningHide();
    if (!running) return;
    while (running->Step()) Sleep(kAnimationFrameMs);
    running.reset();
}

}  // namespace pakmole
