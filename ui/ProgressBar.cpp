#include "ui/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace pakmole {

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.BaseClassName = PROGRESS_CLASSA;
}

void TProgressBar::CreateHandleDone() {
    SendMessageA(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageA(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetRange(int min, int max) {
    if (max < min) max = min;
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    if (HandleAllocated()) CreateHandleDone();
}

void TProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (HandleAllocated()) SendMessageA(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

}  // namespace pakmole
