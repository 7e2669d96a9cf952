#pragma once
// Delivery of one skin command to every form and skin-aware control.
#include <windows.h>

namespace pakmole {

class TWinControl;

// In this order: the application's forms from the last to the first (those
// that are skin-aware themselves are left to the next step), the forms that
// carry a form provider, and the visible windows of automatically created
// providers. A form hears the command before its children.
void BroadcastSkinCommand(WPARAM wParam, LPARAM lParam);

// The children of a control, in index order: controls without a window get
// the command through their own dispatch; a windowed child that is
// skin-aware gets it and passes it on itself; the children of any other
// windowed child are walked instead. The walk stops at a child being destroyed.
void SendSkinCommandToChildren(TWinControl* parent, WPARAM wParam, LPARAM lParam);

}  // namespace pakmole
