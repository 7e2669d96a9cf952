#include "ui/Screen.h"

#include <algorithm>

#include "ui/CustomForm.h"

namespace pakmole {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TCustomForm* TScreen::ActiveForm() const {
    HWND active = GetActiveWindow();
    for (TCustomForm* form : forms_)
        if (form->HandleAllocated() && form->Handle() == active) return form;
    return nullptr;
}

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

}  // namespace pakmole
