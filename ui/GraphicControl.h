#pragma once
// A control without a window of its own: its parent routes mouse messages to
// it and lets it paint into the parent's device context.
#include "ui/Control.h"

namespace pakmole {

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    std::string ClassName() const override { return "TGraphicControl"; }
    void WndProc(TMessage& message) override;

protected:
    // Draws the control; dc's origin is the control's top-left corner.
    virtual void Paint(HDC dc) = 0;
};

}  // namespace pakmole
