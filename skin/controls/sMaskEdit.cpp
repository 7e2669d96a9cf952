#include "skin/controls/sMaskEdit.h"

namespace pakmole {

TsMaskEdit::TsMaskEdit(TComponent* owner) : TMaskEdit(owner) {
    // The component name must never turn up as the edit's text.
    SetControlStyle(ControlStyle() & ~csSetCaption);
}

}  // namespace pakmole
