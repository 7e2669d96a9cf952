#pragma once
// Paints a plain speed button (a control without a window) from the skin:
// chained in front of the button's WindowProc, it composes the section's
// picture for the button's state over what its parent shows there, writes
// the caption in the section's text colours (one pixel right and down while
// pressed), gives a disabled button the skin's disabled look (half its
// normal look over the background), and copies the
// whole into the parent's paint at once. Flat buttons take
// "SPEEDBUTTON_SMALL", others "SPEEDBUTTON".
#include <string>

#include "skin/controls/state/sCommonData.h"
#include "ui/Message.h"
#include "ui/Object.h"

namespace pakmole {

class TSpeedButton;

class TvlSpeedButtonHandler : public TObject {
public:
    // state: the registry item's skin state (not owned), bound to button.
    TvlSpeedButtonHandler(TSpeedButton* button, TsCommonData* state);
    ~TvlSpeedButtonHandler() override;
    TvlSpeedButtonHandler(const TvlSpeedButtonHandler&) = delete;
    TvlSpeedButtonHandler& operator=(const TvlSpeedButtonHandler&) = delete;
    std::string ClassName() const override { return "TvlSpeedButtonHandler"; }

    static std::string DefaultSection(const TSpeedButton& button);

    void HandleMessage(TMessage& message);
    // The button is gone (or going): never touch it again.
    void Detach();

private:
    void Paint(HDC dc);
    void Unhook();

    TSpeedButton* button_;
    TsCommonData* state_;
    TWndMethod previous_;
};

}  // namespace pakmole
