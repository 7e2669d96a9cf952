#pragma once
// A timer component for the skin's animations. Despite its thread priority
// property it is driven by an ordinary window timer, so its ticks arrive on
// the GUI thread like every other message; a tick that comes while the
// handler still runs is dropped.
#include <memory>

#include "ui/Component.h"
#include "ui/Timer.h"

namespace pakmole {

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TvlThreadedTimer : public TComponent {
public:
    explicit TvlThreadedTimer(TComponent* owner);
    // hookOwnTimer: the descendant's OwnTimer becomes OnTimer.
    TvlThreadedTimer(TComponent* owner, bool hookOwnTimer);
    ~TvlThreadedTimer() override;
    std::string ClassName() const override { return "TvlThreadedTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    TThreadPriority ThreadPriority() const { return priority_; }
    void SetThreadPriority(TThreadPriority priority);

    // The inner timer runs: interval, Enabled and a handler all present.
    bool Armed() const { return inner_ && inner_->Enabled(); }

protected:
    // What a tick does; calls OnTimer.
    virtual void DoTimer();
    // The work of a descendant made with hookOwnTimer.
    virtual void OwnTimer() {}

private:
    void Rearm();
    void Tick();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
    TThreadPriority priority_ = TThreadPriority::tpNormal;
    ComponentPtr<TTimer> inner_;
    bool inHandler_ = false;
};

}  // namespace pakmole
