#pragma once
// The platform's progress bar.
#include "ui/WinControl.h"

namespace pakmole {

class TProgressBar : public TWinControl {
public:
    explicit TProgressBar(TComponent* owner);
    std::string ClassName() const override { return "TProgressBar"; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, max_); }
    void SetMax(int max) { SetRange(min_, max); }
    int Position() const { return position_; }
    void SetPosition(int position);
    int Step() const { return step_; }
    void SetStep(int step) { step_ = step; }
    void StepIt() { SetPosition(position_ + step_ > max_ ? max_ : position_ + step_); }
    void StepBy(int delta) { SetPosition(position_ + delta); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;

private:
    int min_ = 0, max_ = 100, position_ = 0, step_ = 1;
};

}  // namespace pakmole
