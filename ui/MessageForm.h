#pragma once
// The program's own message box: a form of class "TMessageForm" with the text,
// one OK button, and the application title as caption.
#include <string>

#include "ui/CustomForm.h"

namespace pakmole {

class TLabel;
class TButton;

class TMessageForm : public TForm {
public:
    TMessageForm(TComponent* owner, const std::string& text);
    std::string ClassName() const override { return "TMessageForm"; }

    TLabel* MessageLabel() const { return message_; }
    TButton* OkButton() const { return ok_; }
    // The box as text, the way the platform's boxes copy themselves with Ctrl+C.
    std::string CopyText() const;

private:
    void CopyToClipboard() const;
    TLabel* message_;
    TButton* ok_;
};

// Shows text in a message form and waits until it is dismissed.
void ShowMessage(const std::string& text);

}  // namespace pakmole
