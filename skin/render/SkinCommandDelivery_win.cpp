#include "skin/render/SkinCommandDelivery_win.h"

#include "skin/manager/SkinCommands.h"
#include "ui/WinControl.h"

namespace pakmole {

LRESULT DeliverSkinCommand(TControl* control, WPARAM wParam, LPARAM lParam) {
    if (!control || control->IsDestroying()) return 0;
    if (control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(control);
        if (!windowed->HandleAllocated()) return 0;
        return SendMessageA(windowed->Handle(), SKM_COMMAND, wParam, lParam);
    }
    return control->Perform(SKM_COMMAND, wParam, lParam);
}

void DeliverSkinCommandToChildren(TWinControl* parent, WPARAM wParam, LPARAM lParam) {
    if (!parent) return;
    // A receiver may add or remove children while it reacts, so the count is read each time.
    for (int i = 0; i < parent->ControlCount(); ++i) DeliverSkinCommand(parent->Controls(i), wParam, lParam);
}

}  // namespace pakmole
