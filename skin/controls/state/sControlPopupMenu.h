#pragma once
// A control's popup menu on a right click: drawn by the menu engine of the
// skin manager while that manager is active and applied, and by the
// platform otherwise.
namespace pakmole {

class TControl;
class TsSkinManager;

// Hands the control's PopupMenu (when it has one) to the menu engine of the
// manager's menu support, switched on or off by the manager's state.
void SkinControlPopupMenu(TControl* control, TsSkinManager* manager);

}  // namespace pakmole
