#pragma once
// A container of controls (the folder dialog's root buttons); painted from its section
// ("BAR") while a skin is active. Its picture is kept ready at its size, so
// the controls on it find it behind them whenever they ask.
#include "skin/controls/adapters/sOwnAdapter.h"
#include "ui/WinControl.h"

namespace pakmole {

class TsScrollBox : public TWinControl {
public:
    explicit TsScrollBox(TComponent* owner);
    std::string ClassName() const override { return "TsScrollBox"; }

    TsCommonData& SkinData() { return skin_.SkinData(); }
    // Kept for the stored description: the box shows its few buttons
    // without scrolling, so nothing reads it.
    bool TrackVertical = false;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyingHandle() override;

private:
    // The section's picture at the box's size, brought up to date; false
    // while no skin paints the box.
    bool PrepareBackground();

    TsOwnAdapter skin_;
};

}  // namespace pakmole
