#pragma once
// An edit with a button at its right edge. The text area is narrowed so that
// text never runs under the button; the button (or ClickKey) runs the button
// action, which the concrete edits fill in.
#include <memory>

#include "skin/controls/edits/sEditButton.h"
#include "skin/controls/edits/sGlyphMode.h"
#include "skin/controls/edits/sMaskEdit.h"

namespace pakmole {

class TsCustomComboEdit : public TsMaskEdit {
public:
    explicit TsCustomComboEdit(TComponent* owner);
    std::string ClassName() const override { return "TsCustomComboEdit"; }

    TsEditButton* Button() const { return button_; }
    TsGlyphMode& GlyphMode() { return *glyphMode_; }
    int DefaultGlyphIndex() const { return defaultGlyphIndex_; }

    bool ShowButton() const { return showButton_; }
    void SetShowButton(bool on);
    TShortCut ClickKey() const { return clickKey_; }
    void SetClickKey(TShortCut key) { clickKey_ = key; }
    bool DirectInput() const { return directInput_; }
    void SetDirectInput(bool on);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }

    bool ReadOnly() const override;
    void SetReadOnly(bool on) override;
    virtual void OpenPopup();
    virtual void ClosePopup();
    virtual void SelectAllText();

    // Popup geometry for edits that drop one down; the file edits attach none.
    TWinControl* PopupWindow() const { return popupWindow_; }
    int PopupWidth() const { return popupWidth_; }
    int PopupHeight() const { return popupHeight_; }
    TAlignment PopupAlign() const { return popupAlign_; }

    void FitTextArea() override;
    int ButtonAreaWidth() const override { return showButton_ && button_ ? button_->Width() : 0; }
    // Also fits the button to its glyphs, or takes it away when not shown.
    void Invalidate() override;

    // A click of the button, as the user makes it: nothing when ReadOnly.
    void DoButtonClick();

    TNotifyEvent OnButtonClick;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void Loaded() override;
    void BeforeDestruction() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    bool WindowReadOnly() const override { return TsMaskEdit::ReadOnly() || !directInput_; }
    // What a click of the button does.
    virtual void RunButtonAction();
    void PaintChildCaches(HDC dc, int offsetX, int offsetY) override;
    void SkinCommandTaken(TMessage& message) override;
    UINT TextAlignment() const override;

    int defaultGlyphIndex_ = -1;

private:
    void UpdateButton();

    TsEditButton* button_;
    std::unique_ptr<TsGlyphMode> glyphMode_;
    bool showButton_ = true;
    TShortCut clickKey_ = 32808;  // Alt+Down
    bool directInput_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = false;
    TWinControl* popupWindow_ = nullptr;
    int popupWidth_ = 197;
    int popupHeight_ = 166;
    TAlignment popupAlign_ = TAlignment::taLeftJustify;
    bool popupVisible_ = false;
};

}  // namespace pakmole
