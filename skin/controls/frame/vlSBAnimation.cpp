#include "skin/controls/frame/vlSBAnimation.h"

#include <algorithm>
#include <utility>

namespace pakmole {

TvlSBAnimation::TvlSBAnimation(HWND form, std::function<bool()> pointerOver)
    : form_(form), pointerOver_(std::move(pointerOver)), timer_(new TvlThreadedTimer(nullptr)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(12);
    timer_->SetOnTimer([this](TObject*) { Tick(); });
}

TvlSBAnimation::~TvlSBAnimation() { timer_->SetEnabled(false); }

bool TvlSBAnimation::Running() const { return timer_->Enabled(); }

void TvlSBAnimation::Enter(TBitmap32 picture, POINT at, int steps) {
    if (!window_.Create(form_)) return;
    picture_ = std::move(picture);
    at_ = at;
    step_ = 255 / std::max(1, steps);
    entering_ = true;
    // A look that was still fading out goes on from where it was.
    alpha_ = std::min(255, alpha_ + step_);
    window_.Show(picture_, at_, static_cast<uint8_t>(alpha_));
    timer_->SetEnabled(true);
}

void TvlSBAnimation::Leave(int steps) {
    if (!window_.Handle() || alpha_ == 0) return;
    step_ = 255 / std::max(1, steps);
    entering_ = false;
    timer_->SetEnabled(true);
}

void TvlSBAnimation::Stop() { timer_->SetEnabled(false); }

void TvlSBAnimation::Tick() {
    if (entering_) {
        if (alpha_ >= 255) {
            if (!pointerOver_ || pointerOver_()) return;
            Stop();
            PostMessageA(form_, WM_MOUSELEAVE, 0, 0);
            return;
        }
        alpha_ = std::min(255, alpha_ + step_);
        window_.Show(picture_, at_, static_cast<uint8_t>(alpha_));
        return;
    }
    alpha_ = std::max(0, alpha_ - step_);
    if (alpha_ > 0) {
        window_.Show(picture_, at_, static_cast<uint8_t>(alpha_));
        return;
    }
    Stop();
    window_.Free();
    picture_ = TBitmap32();
}

}  // namespace pakmole
