#pragma once
// The skinned system menu every skinned window shares (forms and platform
// dialogs): a popup menu of the window's own commands (restore, move, size,
// minimize, maximize, close) that the menu engine draws. Choosing an item
// posts WM_SYSCOMMAND with its command to the window.
#include <windows.h>

#include <string>

#include "ui/Menu.h"

namespace pakmole {

class TsCustomSysMenu : public TPopupMenu {
public:
    explicit TsCustomSysMenu(TComponent* owner);
    std::string ClassName() const override { return "TsCustomSysMenu"; }

    // The questions the frame's layout and hit test ask.
    virtual bool VisibleClose() const { return false; }
    virtual bool VisibleMax() const { return false; }
    virtual bool VisibleMin() const { return false; }
    virtual bool EnabledMax() const { return false; }
    virtual bool EnabledMin() const { return false; }
    virtual bool EnabledRestore() const { return false; }

    // The window the commands go to.
    HWND Target = nullptr;

    // Makes the items again when they are missing, then sets each one's
    // visibility and enabling from the window as it is now.
    virtual void UpdateItems() = 0;

protected:
    // An item that posts command to the window; its caption is the window's
    // own text of the command when it has one (its shortcut after a tab),
    // else fallbackCaption.
    TMenuItem* AddCommand(const std::string& name, UINT command, const std::string& fallbackCaption);
    TMenuItem* AddDivider();
};

// "Alt+F4" and the like back to a shortcut; 0 when not understood.
TShortCut TextToShortCut(const std::string& text);

}  // namespace pakmole
