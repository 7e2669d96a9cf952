#pragma once
// The label of the program's own dialogs. On a form with a skin provider it
// takes the skin's label colour like any label there; the name is what the
// provider's lists and the stored descriptions know it by.
#include "ui/Label.h"

namespace pakmole {

class TsLabel : public TLabel {
public:
    using TLabel::TLabel;
    std::string ClassName() const override { return "TsLabel"; }
};

}  // namespace pakmole
