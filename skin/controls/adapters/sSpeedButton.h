#pragma once
// The skin-aware speed button. It carries the glyph settings a skinned
// painter reads (blend, grayed); painted in the platform's look for now.
#include "ui/SpeedButton.h"

namespace pakmole {

class TsSpeedButton : public TSpeedButton {
public:
    explicit TsSpeedButton(TComponent* owner) : TSpeedButton(owner) {}
    std::string ClassName() const override { return "TsSpeedButton"; }

    int Blend() const { return blend_; }
    void SetBlend(int blend) { blend_ = blend; Invalidate(); }
    bool Grayed() const { return grayed_; }
    void SetGrayed(bool on) { grayed_ = on; Invalidate(); }

private:
    int blend_ = 0;
    bool grayed_ = false;
};

}  // namespace pakmole
