#pragma once
// Delivery of one SKM_COMMAND to a control: a windowed control with a handle
// gets it through SendMessage, a control without a window through its own
// Perform. Controls being destroyed, and windowed controls whose handle does
// not exist yet, are skipped (the reply is then 0).
#include <windows.h>

namespace pakmole {

class TControl;
class TWinControl;

LRESULT DeliverSkinCommand(TControl* control, WPARAM wParam, LPARAM lParam);
// Every child of parent in index order, children being destroyed skipped.
void DeliverSkinCommandToChildren(TWinControl* parent, WPARAM wParam, LPARAM lParam);

}  // namespace pakmole
