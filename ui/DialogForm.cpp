#include "ui/DialogForm.h"

#include "ui/Application.h"
#include "ui/Screen.h"

namespace pakmole {

void PrepareDialogForm(TForm& form) {
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.SetBorderIcons(biSystemMenu);
    form.SetPosition(TPosition::poScreenCenter);
    if (TApplication* app = Application()) form.SetCaption(app->Title());
    form.Font().SetName("MS Sans Serif");
    form.Font().SetHeight(-11);
}

TModalResult ShowModalAbove(TForm& form) {
    if (TCustomForm* active = Screen().ActiveForm())
        form.SetPopupParent(active->Handle());
    else if (TApplication* app = Application(); app && app->MainForm() && app->MainForm()->HandleAllocated())
        form.SetPopupParent(app->MainForm()->Handle());
    return form.ShowModal();
}

}  // namespace pakmole
