#pragma once
// A plain one-line edit.
#include "ui/CustomEdit.h"

namespace pakmole {

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    std::string ClassName() const override { return "TEdit"; }
};

}  // namespace pakmole
