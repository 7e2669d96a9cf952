#pragma once
// The platform's push button. Enter clicks the default (or focused) button of
// a form, Esc its cancel button; a modal result closes a modal form.
#include "ui/CustomForm.h"
#include "ui/WinControl.h"

namespace pakmole {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }

    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

}  // namespace pakmole
