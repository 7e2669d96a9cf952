#pragma once
// What the program's own small dialogs (the message form, the input form)
// share: a dialog frame captioned with the application title, centred on the
// screen, in the dialog font, shown modally above the form the user works in.
#include "ui/CustomForm.h"

namespace pakmole {

void PrepareDialogForm(TForm& form);

// Shows the form modally, owned by the active form or else the main window.
TModalResult ShowModalAbove(TForm& form);

}  // namespace pakmole
