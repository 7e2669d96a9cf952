#pragma once
// The skinned push button of the program's own dialogs: a platform button
// painted by the bit-button adapter from its section ("BUTTON") while a skin
// is active.
#include "skin/controls/adapters/sOwnAdapter.h"
#include "ui/Button.h"

namespace pakmole {

class TsBitBtn : public TButton {
public:
    explicit TsBitBtn(TComponent* owner) : TButton(owner), skin_(this, "BUTTON") {}
    std::string ClassName() const override { return "TsBitBtn"; }

    TsCommonData& SkinData() { return skin_.SkinData(); }
    // Whether the focused button shows the platform's dotted focus frame.
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool on) { showFocus_ = on; }

    void WndProc(TMessage& message) override;

protected:
    void CreateHandleDone() override;
    void DestroyingHandle() override;

private:
    TsOwnAdapter skin_;
    bool showFocus_ = true;
};

}  // namespace pakmole
