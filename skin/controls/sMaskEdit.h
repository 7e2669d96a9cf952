#pragma once
// The skinned single-line edit base. Its painting from the skin comes with
// the skin engine; until then it looks like the platform's edit.
#include "ui/MaskEdit.h"

namespace pakmole {

class TsMaskEdit : public TMaskEdit {
public:
    explicit TsMaskEdit(TComponent* owner);
    std::string ClassName() const override { return "TsMaskEdit"; }

    // Sets the edit's formatting rectangle; nothing to narrow in a plain edit.
    virtual void FitTextArea() {}
};

}  // namespace pakmole
