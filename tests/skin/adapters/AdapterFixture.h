#pragma once
// A skinned form under Wine for adapter tests: the built-in skin applied by
// the default manager, a form provider, an "Unpack" push button and a memo
// that can take the focus away from it; screen grabs and the skin's own
// picture of the button in a given state.
#include <gtest/gtest.h>

#include "skin/controls/adapters/vlBtnWnd.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/data/Bitmap32.h"
#include "skin/manager/sSkinManager.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/Button.h"
#include "ui/CustomForm.h"
#include "ui/Memo.h"

namespace pakmole::test {

class AdapterFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The form is shown with its controls' windows; the adapter of the button, if any.
    TvlMainWnd* ButtonAdapter() const { return TvlMainWnd::FromWindow(button->Handle()); }
    // Off the form; the button hears of the leave when the system checks the pointer again.
    void PointerAway();
    void PointerOnButton();
    // Waits until no fade runs and the last paint is done.
    void Settle();

    // What the screen shows of the button's window.
    TBitmap32 GrabButton() const { return GrabWindow(button->Handle()); }
    // The skin's own painting of "BUTTON" at the button's size over the form's colour.
    TBitmap32 SkinPicture(int state) const;
    TBitmap32 DisabledPicture() const;

    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    TsSkinProvider* provider = nullptr;
    TButton* button = nullptr;
    TMemo* memo = nullptr;
    int clicks = 0;
};

}  // namespace pakmole::test
