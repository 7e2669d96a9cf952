#pragma once
// Skinned system menus: a popup menu of a window's own commands (restore,
// move, size, minimize, maximize, close) that the menu engine draws.
// Choosing an item posts WM_SYSCOMMAND with its command to the window.
// TsCustomSysMenu is the part every skinned window shares (forms here,
// platform dialogs too); TsSystemMenu is the form provider's.
#include <windows.h>

#include <string>

#include "skin/controls/sFrameLayout.h"
#include "ui/Menu.h"

namespace pakmole {

class TsSkinProvider;

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

class TsSystemMenu : public TsCustomSysMenu {
public:
    explicit TsSystemMenu(TsSkinProvider* provider);
    std::string ClassName() const override { return "TsSystemMenu"; }

    bool VisibleClose() const override { return Rules().VisibleClose; }
    bool VisibleMax() const override { return Rules().VisibleMax; }
    bool VisibleMin() const override { return Rules().VisibleMin; }
    bool EnabledMax() const override { return Rules().EnabledMax; }
    bool EnabledMin() const override { return Rules().EnabledMin; }
    bool EnabledRestore() const override { return Rules().EnabledRestore; }

    void UpdateItems() override;

private:
    TsSysMenuRules Rules() const;
    void Build();
    TsSkinProvider* provider_;
};

}  // namespace pakmole
