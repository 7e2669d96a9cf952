#pragma once
// The mask edit base. It keeps an edit mask for code that sets one; this
// program uses none, and no mask is applied to typing yet.
#include "ui/CustomEdit.h"

namespace pakmole {

class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}
    std::string ClassName() const override { return "TCustomMaskEdit"; }

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask) { editMask_ = mask; }

private:
    std::string editMask_;
};

class TMaskEdit : public TCustomMaskEdit {
public:
    using TCustomMaskEdit::TCustomMaskEdit;
    std::string ClassName() const override { return "TMaskEdit"; }
};

}  // namespace pakmole
