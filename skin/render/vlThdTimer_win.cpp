#include "skin/render/vlThdTimer_win.h"

namespace pakmole {

TvlThreadedTimer::TvlThreadedTimer(TComponent* owner) : TComponent(owner), inner_(new TTimer(nullptr)) {
    inner_->SetEnabled(false);
    inner_->SetInterval(interval_);
    inner_->OnTimer = [this](TObject*) { Tick(); };
}

TvlThreadedTimer::TvlThreadedTimer(TComponent* owner, bool hookOwnTimer) : TvlThreadedTimer(owner) {
    if (hookOwnTimer) SetOnTimer([this](TObject*) { OwnTimer(); });
}

TvlThreadedTimer::~TvlThreadedTimer() {
    if (inner_) inner_->SetEnabled(false);
}

void TvlThreadedTimer::Rearm() {
    inner_->SetEnabled(false);
    inner_->SetEnabled(interval_ != 0 && enabled_ && static_cast<bool>(onTimer_));
}

void TvlThreadedTimer::SetEnabled(bool on) {
    enabled_ = on;
    Rearm();
}

void TvlThreadedTimer::SetInterval(unsigned interval) {
    interval_ = interval;
    inner_->SetInterval(interval);
    Rearm();
}

void TvlThreadedTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    Rearm();
}

void TvlThreadedTimer::SetThreadPriority(TThreadPriority priority) {
    priority_ = priority;
    Rearm();
}

void TvlThreadedTimer::Tick() {
    if (!inner_->Enabled() || inHandler_) return;
    inHandler_ = true;
    try {
        DoTimer();
    } catch (...) {
        inHandler_ = false;
        throw;
    }
    inHandler_ = false;
}

void TvlThreadedTimer::DoTimer() {
    if (onTimer_) onTimer_(this);
}

}  // namespace pakmole
