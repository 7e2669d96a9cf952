#include "ui/Menu.h"

#include <algorithm>
#include <set>

#include "ui/Application.h"
#include "ui/CustomForm.h"
#include "ui/GdiHandles.h"

namespace pakmole {
namespace {

// Items alive now: an item pointer coming back from the platform's menu is
// used only while the item exists.
std::set<const TMenuItem*>& LiveItems() {
    static std::set<const TMenuItem*> items;
    return items;
}

UINT NextCommand() {
    // Below the system commands (0xF000 and up), never 0 (no choice).
    static UINT next = 0;
    next = next % 0xEFFF + 1;
    return next;
}

TPopupMenu*& TrackingMenu() {
    static TPopupMenu* menu = nullptr;
    return menu;
}

std::string ItemText(const TMenuItem& item) {
    std::string text = item.Caption;
    if (item.ShortCut) text += "\t" + ShortCutToText(item.ShortCut);
    return text;
}

// The look of an owner-drawn item that has no drawing handler of its own.
void DrawPlainItem(const TMenuItem& item, HDC dc, const RECT& rect, TOwnerDrawState state) {
    const bool selected = (state & odSelected) != 0;
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item.IsLine()) {
        RECT line{rect.left, (rect.top + rect.bottom) / 2, rect.right, (rect.top + rect.bottom) / 2 + 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!item.Enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text = rect;
    text.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
    text.right -= 8;
    const std::string caption = item.Caption;
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (item.ShortCut) {
        const std::string keys = ShortCutToText(item.ShortCut);
        DrawTextA(dc, keys.c_str(), static_cast<int>(keys.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

void MeasurePlainItem(const TMenuItem& item, HDC dc, int& width, int& height) {
    if (item.IsLine()) {
        height = 5;
        return;
    }
    const std::string text = ItemText(item);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    width = r.right + GetSystemMetrics(SM_CXMENUCHECK) + 12;
    height = std::max<int>(r.bottom + 4, GetSystemMetrics(SM_CYMENU));
}

TMenuItem* LiveItem(ULONG_PTR data) {
    auto* item = reinterpret_cast<TMenuItem*>(data);
    return LiveItems().count(item) ? item : nullptr;
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const unsigned key = shortCut & 0xFF;
    std::string name;
    if (key >= VK_F1 && key <= VK_F24) {
        name = "F" + std::to_string(key - VK_F1 + 1);
    } else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        name = std::string(1, static_cast<char>(key));
    } else {
        switch (key) {
        case VK_BACK: name = "BkSp"; break;
        case VK_TAB: name = "Tab"; break;
        case VK_RETURN: name = "Enter"; break;
        case VK_ESCAPE: name = "Esc"; break;
        case VK_SPACE: name = "Space"; break;
        case VK_PRIOR: name = "PgUp"; break;
        case VK_NEXT: name = "PgDn"; break;
        case VK_END: name = "End"; break;
        case VK_HOME: name = "Home"; break;
        case VK_LEFT: name = "Left"; break;
        case VK_UP: name = "Up"; break;
        case VK_RIGHT: name = "Right"; break;
        case VK_DOWN: name = "Down"; break;
        case VK_INSERT: name = "Ins"; break;
        case VK_DELETE: name = "Del"; break;
        default: return "";
        }
    }
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

// --- TMenuItem ---

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) { LiveItems().insert(this); }

TMenuItem::~TMenuItem() {
    if (!IsDestroying()) BeforeDestruction();
    LiveItems().erase(this);
}

void TMenuItem::BeforeDestruction() {
    if (parent_) parent_->Remove(this);
    // Sub-items owned elsewhere only lose their parent.
    for (TMenuItem* item : items_) item->parent_ = nullptr;
    items_.clear();
    LiveItems().erase(this);
    TComponent::BeforeDestruction();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Clear() {
    while (!items_.empty()) {
        TMenuItem* item = items_.back();
        Remove(item);
        item->Free();
    }
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_) root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click() {
    if (Enabled && OnClick) OnClick(this);
}

// --- TMenu ---

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
    items_ = new TMenuItem(this);
    items_->menu_ = this;
}

TMenu::~TMenu() {
    if (!IsDestroying()) BeforeDestruction();
}

void TMenu::BeforeDestruction() {
    if (TrackingMenu() == this) TrackingMenu() = nullptr;
    TComponent::BeforeDestruction();
}

TMenuItem* TMenu::FindItem(UINT command) const {
    std::vector<TMenuItem*> pending{items_};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item->Command() == command && item != items_) return item;
        for (int i = 0; i < item->Count(); ++i) pending.push_back(item->Items(i));
    }
    return nullptr;
}

HMENU TMenu::BuildHandle(TMenuItem& parent) {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem& item = *parent.Items(i);
        if (!item.Visible) continue;
        UINT flags = 0;
        UINT_PTR id = item.Command();
        if (item.Count() > 0) {
            flags |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(BuildHandle(item));
        }
        if (!item.Enabled) flags |= MF_GRAYED;
        if (item.Checked) flags |= MF_CHECKED;
        if (item.Break == TMenuBreak::mbBreak) flags |= MF_MENUBREAK;
        if (item.Break == TMenuBreak::mbBarBreak) flags |= MF_MENUBARBREAK;
        if (ownerDraw_) {
            AppendMenuA(menu, flags | MF_OWNERDRAW, id, reinterpret_cast<LPCSTR>(&item));
        } else if (item.IsLine()) {
            AppendMenuA(menu, flags | MF_SEPARATOR, id, nullptr);
        } else {
            const std::string text = ItemText(item);
            AppendMenuA(menu, flags | MF_STRING, id, text.c_str());
        }
        if (item.RadioItem && item.Checked) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE;
            GetMenuItemInfoA(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE, &info);
            info.fType |= MFT_RADIOCHECK;
            SetMenuItemInfoA(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE, &info);
        }
        if (item.Default) SetMenuDefaultItem(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE);
    }
    return menu;
}

// --- TPopupMenu ---

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu* TPopupMenu::Tracking() { return TrackingMenu(); }

HWND TPopupMenu::OwnerWindow() const {
    if (PopupWindow) return PopupWindow;
    for (TComponent* c = Owner(); c; c = c->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(c); form && form->HandleAllocated()) return form->Handle();
    TApplication* app = Application();
    if (app && app->MainForm() && app->MainForm()->HandleAllocated()) return app->MainForm()->Handle();
    return app ? app->Handle() : nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    const HWND owner = OwnerWindow();
    HMENU menu = BuildHandle(Items());
    UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON;
    if (Alignment == TPopupAlignment::paRight) flags |= TPM_RIGHTALIGN;
    if (Alignment == TPopupAlignment::paCenter) flags |= TPM_CENTERALIGN;
    TPopupMenu* outer = TrackingMenu();
    TrackingMenu() = this;
    // The popup is the owner window's: it must be the foreground window or
    // the menu would not close when the user clicks elsewhere.
    if (owner) SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(TrackPopupMenu(menu, flags, x, y, 0, owner, nullptr));
    if (TrackingMenu() == this) TrackingMenu() = outer;
    DestroyMenu(menu);
    if (owner) PostMessageA(owner, WM_NULL, 0, 0);
    // The item is looked up after the menu is gone: its Click may free the menu.
    if (command != 0)
        if (TMenuItem* item = FindItem(command)) item->Click();
}

bool DispatchMenuItemMessage(UINT msg, LPARAM lParam) {
    if (msg == WM_MEASUREITEM) {
        auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (m.CtlType != ODT_MENU) return false;
        TMenuItem* item = LiveItem(m.itemData);
        if (!item) return false;
        WindowDC dc(nullptr);
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        FontHandle font(CreateFontIndirectA(&metrics.lfMenuFont));
        SelectedObject selected(dc.Get(), font.Get());
        int width = static_cast<int>(m.itemWidth), height = static_cast<int>(m.itemHeight);
        if (item->OnMeasureItem)
            item->OnMeasureItem(item, dc.Get(), width, height);
        else
            MeasurePlainItem(*item, dc.Get(), width, height);
        m.itemWidth = static_cast<UINT>(std::max(0, width));
        m.itemHeight = static_cast<UINT>(std::max(0, height));
        return true;
    }
    if (msg == WM_DRAWITEM) {
        auto& d = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (d.CtlType != ODT_MENU) return false;
        TMenuItem* item = LiveItem(d.itemData);
        if (!item) return false;
        const TOwnerDrawState state = d.itemState;
        if (item->OnAdvancedDrawItem)
            item->OnAdvancedDrawItem(item, d.hDC, d.rcItem, state);
        else if (!item->OnDrawItem)
            DrawPlainItem(*item, d.hDC, d.rcItem, state);
        if (item->OnDrawItem) item->OnDrawItem(item, d.hDC, d.rcItem, (state & odSelected) != 0);
        return true;
    }
    return false;
}

}  // namespace pakmole
