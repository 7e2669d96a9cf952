#pragma once
// A small form that asks for one line of text: a prompt, an edit, "OK" and
// "Cancel", the application title as caption.
#include <string>

#include "ui/CustomForm.h"

namespace pakmole {

class TButton;
class TEdit;
class TLabel;

class TInputForm : public TForm {
public:
    TInputForm(TComponent* owner, const std::string& prompt, const std::string& value);
    std::string ClassName() const override { return "TInputForm"; }

    TLabel* PromptLabel() const { return prompt_; }
    TEdit* ValueEdit() const { return edit_; }
    TButton* OkButton() const { return ok_; }
    TButton* CancelButton() const { return cancel_; }

private:
    TLabel* prompt_;
    TEdit* edit_;
    TButton* ok_;
    TButton* cancel_;
};

// Asks for a line of text; true with the text in value when "OK" was chosen.
bool InputQuery(const std::string& prompt, std::string& value);

}  // namespace pakmole
