#pragma once
// The platform's edit control: text, length limit, read-only, selection.
#include "ui/Graphics.h"
#include "ui/WinControl.h"

namespace pakmole {

enum class TBorderStyle { bsNone, bsSingle };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    std::string ClassName() const override { return "TCustomEdit"; }

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    virtual bool ReadOnly() const { return readOnly_; }
    virtual void SetReadOnly(bool on);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool on);

    void SelectAll();
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    bool Modified() const;

    TNotifyEvent OnChange;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    // The edit window's own read-only state (the ReadOnly property by default).
    virtual bool WindowReadOnly() const { return readOnly_; }
    void ApplyWindowReadOnly();
    virtual void Change();

private:
    int maxLength_ = 0;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool ctl3D_ = true;
};

}  // namespace pakmole
