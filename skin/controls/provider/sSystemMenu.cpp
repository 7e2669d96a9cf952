#include "skin/controls/provider/sSystemMenu.h"

#include "skin/controls/frame/sSystemMenuRules.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "ui/CustomForm.h"

namespace pakmole {

TsSystemMenu::TsSystemMenu(TsSkinProvider* provider) : TsCustomSysMenu(provider), provider_(provider) {
    SetName("vlSysMenu" + std::to_string(GetTickCount()));
}

TsSysMenuRules TsSystemMenu::Rules() const { return SysMenuRulesOf(provider_->FrameFacts()); }

void TsSystemMenu::Build() {
    Items().Clear();
    AddCommand("vlIR", SC_RESTORE, "Restore");
    AddCommand("vlIM", SC_MOVE, "Move");
    AddCommand("vlIS", SC_SIZE, "Size");
    AddCommand("vlIN", SC_MINIMIZE, "Minimize");
    AddCommand("vlIX", SC_MAXIMIZE, "Maximize");
    AddDivider();
    // The window's own further commands come along, posted as they are.
    if (HMENU own = Target ? GetSystemMenu(Target, FALSE) : nullptr) {
        bool any = false;
        for (int i = 0; i < GetMenuItemCount(own); ++i) {
            const UINT id = GetMenuItemID(own, i);
            if (id == 0 || id == static_cast<UINT>(-1) || (id >= 0xF000 && id <= 0xF1FF)) continue;
            char text[256] = {};
            GetMenuStringA(own, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
            AddCommand("", id, text);
            any = true;
        }
        if (any) AddDivider();
    }
    AddCommand("vlIC", SC_CLOSE, "Close");
    if (TMenuItem* close = Items().Count() ? Items().Items(Items().Count() - 1) : nullptr; close && !close->ShortCut)
        close->ShortCut = ShortCut(VK_F4, ssAlt);
}

void TsSystemMenu::UpdateItems() {
    Target = provider_->Form()->HandleAllocated() ? provider_->Form()->Handle() : nullptr;
    if (Items().Count() == 0) Build();
    const TsSysMenuItems states = SysMenuItemsOf(provider_->FrameFacts());
    auto set = [this](const char* name, TsSysMenuItemState state) {
        for (int i = 0; i < Items().Count(); ++i)
            if (TMenuItem* item = Items().Items(i); item->Name() == name) {
                item->Visible = state.Visible;
                item->Enabled = state.Enabled;
            }
    };
    set("vlIR", states.Restore);
    set("vlIM", states.Move);
    set("vlIS", states.Size);
    set("vlIN", states.Minimize);
    set("vlIX", states.Maximize);
    set("vlIC", states.Close);
}

}  // namespace pakmole
