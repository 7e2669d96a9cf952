#include "ui/MessageForm.h"

#include <algorithm>
#include <cstring>

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/DialogForm.h"
#include "ui/Label.h"

namespace pakmole {

namespace {
constexpr int kMarginX = 16;
constexpr int kMarginY = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kGap = 14;
}  // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& text) : TForm(owner) {
    PrepareDialogForm(*this);

    message_ = new TLabel(this);
    message_->SetName("Message");
    message_->SetParent(this);
    message_->SetWordWrap(false);
    // Long texts wrap at half the screen's width.
    const int maxWidth = std::max(200, GetSystemMetrics(SM_CXSCREEN) / 2);
    message_->SetCaption(text);
    if (message_->Width() > maxWidth) {
        message_->SetAutoSize(false);
        message_->SetBounds(0, 0, maxWidth, message_->Height());
        message_->SetWordWrap(true);
        message_->SetAutoSize(true);
    }
    const int textWidth = message_->Width();
    const int clientWidth = std::max(textWidth, kButtonWidth) + 2 * kMarginX;
    message_->SetBounds(kMarginX, kMarginY, textWidth, message_->Height());

    ok_ = new TButton(this);
    ok_->SetName("OK");
    ok_->SetParent(this);
    ok_->SetCaption("OK");
    ok_->SetModalResult(mrOk);
    ok_->SetDefault(true);
    ok_->SetCancel(true);
    const int buttonTop = kMarginY + message_->Height() + kGap;
    ok_->SetBounds((clientWidth - kButtonWidth) / 2, buttonTop, kButtonWidth, kButtonHeight);
    ok_->OnKeyDown = [this](TObject*, WORD& key, TShiftState shift) {
        if (key == 'C' && (shift & ssCtrl)) {
            CopyToClipboard();
            key = 0;
        }
    };
    SetClientSize(clientWidth, buttonTop + kButtonHeight + kMarginY);
    SetActiveControl(ok_);
}

std::string TMessageForm::CopyText() const {
    const std::string rule = "---------------------------\r\n";
    return rule + Caption() + "\r\n" + rule + message_->Caption() + "\r\n" + rule + "OK\r\n" + rule;
}

void TMessageForm::CopyToClipboard() const {
    const std::string text = CopyText();
    if (!OpenClipboard(handle_)) return;
    EmptyClipboard();
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* data = GlobalLock(memory)) {
            std::memcpy(data, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void ShowMessage(const std::string& text) {
    ComponentPtr<TMessageForm> form(new TMessageForm(Application(), text));
    ShowModalAbove(*form);
}

}  // namespace pakmole
