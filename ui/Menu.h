#pragma once
// Menus: a tree of items under a menu component, shown by the platform as a
// popup menu. Items may be drawn by their owner: the window that owns the
// open popup hands WM_MEASUREITEM and WM_DRAWITEM for menus to
// DispatchMenuItemMessage, which finds the item and asks its handlers.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/ShortCut.h"

namespace pakmole {

class TMenu;

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

// The platform's owner-draw state bits, as the drawing handlers get them.
enum TOwnerDrawStateFlag : unsigned {
    odSelected = ODS_SELECTED,
    odGrayed = ODS_GRAYED,
    odDisabled = ODS_DISABLED,
    odChecked = ODS_CHECKED,
    odFocus = ODS_FOCUS,
    odDefault = ODS_DEFAULT,
    odHotLight = ODS_HOTLIGHT,
    odNoAccel = ODS_NOACCEL,
};
using TOwnerDrawState = unsigned;

using TMenuMeasureItemEvent = std::function<void(TObject* sender, HDC dc, int& width, int& height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* sender, HDC dc, const RECT& rect, TOwnerDrawState state)>;
using TMenuDrawItemEvent = std::function<void(TObject* sender, HDC dc, const RECT& rect, bool selected)>;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    std::string Caption;
    TShortCut ShortCut = 0;
    bool Checked = false;
    bool RadioItem = false;
    bool Enabled = true;
    bool Visible = true;
    bool Default = false;
    TMenuBreak Break = TMenuBreak::mbNone;
    int ImageIndex = -1;
    // The item's own picture (not owned); none when null.
    HBITMAP Bitmap = nullptr;

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
    TMenuDrawItemEvent OnDrawItem;

    // The sub-items, in order. Items added here are owned by this item.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    // Frees every sub-item.
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The menu component at the root of the tree (null while unattached).
    TMenu* GetParentMenu() const;
    bool IsLine() const { return Caption == "-"; }

    virtual void Click();

    // The command number the item carries in the platform's menu.
    UINT Command() const { return command_; }

protected:
    void BeforeDestruction() override;

private:
    friend class TMenu;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;  // set on the root item only
    std::vector<TMenuItem*> items_;
    UINT command_ = 0;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    std::string ClassName() const override { return "TMenu"; }

    TMenuItem& Items() { return *items_; }
    // Items become owner-drawn in the platform's menu.
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on) { ownerDraw_ = on; }
    // Size of the menu's image-list pictures; 0 when the menu has none.
    int ImagesWidth = 0;
    int ImagesHeight = 0;

    // The item with the command number, anywhere in the tree (null when none).
    TMenuItem* FindItem(UINT command) const;

protected:
    void BeforeDestruction() override;
    // The platform's menu of item's visible sub-items (recursively).
    HMENU BuildHandle(TMenuItem& item);

private:
    TMenuItem* items_ = nullptr;
    bool ownerDraw_ = false;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    std::string ClassName() const override { return "TPopupMenu"; }

    // The window that owns the popup and hears its item messages; by
    // default the form the menu belongs to, else the main form.
    HWND PopupWindow = nullptr;
    TPopupAlignment Alignment = TPopupAlignment::paLeft;
    TNotifyEvent OnPopup;

    // Shows the menu at a screen point and returns when it closes; the
    // chosen item's Click runs before it returns.
    virtual void Popup(int x, int y);
    // The popup menu open now (null when none).
    static TPopupMenu* Tracking();

private:
    HWND OwnerWindow() const;
};

// "Alt+F4", "Ctrl+S", "Shift+Del"; empty for a key without a name.
std::string ShortCutToText(TShortCut shortCut);

// WM_MEASUREITEM and WM_DRAWITEM of a menu item; false when the message is
// not about an item of a menu of this program.
bool DispatchMenuItemMessage(UINT msg, LPARAM lParam);

}  // namespace pakmole
