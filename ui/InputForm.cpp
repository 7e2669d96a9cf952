#include "ui/InputForm.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/DialogForm.h"
#include "ui/Edit.h"
#include "ui/Label.h"

namespace pakmole {

namespace {
constexpr int kMargin = 12;
constexpr int kEditWidth = 420;
constexpr int kEditHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kGap = 8;
}  // namespace

TInputForm::TInputForm(TComponent* owner, const std::string& prompt, const std::string& value) : TForm(owner) {
    PrepareDialogForm(*this);

    prompt_ = new TLabel(this);
    prompt_->SetName("Prompt");
    prompt_->SetParent(this);
    prompt_->SetWordWrap(false);
    prompt_->SetCaption(prompt);
    prompt_->SetBounds(kMargin, kMargin, prompt_->Width(), prompt_->Height());
    const int clientWidth = std::max(kEditWidth, prompt_->Width()) + 2 * kMargin;

    edit_ = new TEdit(this);
    edit_->SetName("Value");
    edit_->SetParent(this);
    const int editTop = kMargin + prompt_->Height() + kGap;
    edit_->SetBounds(kMargin, editTop, clientWidth - 2 * kMargin, kEditHeight);
    edit_->SetText(value);

    const int buttonTop = editTop + kEditHeight + 2 * kGap;
    ok_ = new TButton(this);
    ok_->SetName("OK");
    ok_->SetParent(this);
    ok_->SetCaption("OK");
    ok_->SetModalResult(mrOk);
    ok_->SetDefault(true);
    ok_->SetBounds(clientWidth - kMargin - 2 * kButtonWidth - kGap, buttonTop, kButtonWidth, kButtonHeight);

    cancel_ = new TButton(this);
    cancel_->SetName("Cancel");
    cancel_->SetParent(this);
    cancel_->SetCaption("Cancel");
    cancel_->SetModalResult(mrCancel);
    cancel_->SetCancel(true);
    cancel_->SetBounds(clientWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);

    SetClientSize(clientWidth, buttonTop + kButtonHeight + kMargin);
    SetActiveControl(edit_);
}

bool InputQuery(const std::string& prompt, std::string& value) {
    ComponentPtr<TInputForm> form(new TInputForm(Application(), prompt, value));
    if (ShowModalAbove(*form) != mrOk) return false;
    value = form->ValueEdit()->Text();
    return true;
}

}  // namespace pakmole
