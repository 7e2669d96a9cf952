#pragma once
// A window timer: OnTimer runs every Interval milliseconds while Enabled.
#include <windows.h>

#include "ui/Component.h"

namespace pakmole {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    TNotifyEvent OnTimer;

protected:
    void Loaded() override;
    void BeforeDestruction() override;
    virtual void Timer();

private:
    static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
    void UpdateTimer();
    void ReleaseWindow();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    HWND window_ = nullptr;
};

}  // namespace pakmole
