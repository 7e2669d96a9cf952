#include "skin/controls/menus/sCustomSysMenu.h"

#include <cstdint>
#include <utility>

namespace pakmole {

TShortCut TextToShortCut(const std::string& text) {
    TShiftState shift = 0;
    std::string rest = text;
    for (const auto& [prefix, flag] : {std::pair<const char*, TShiftState>{"Shift+", ssShift}, {"Ctrl+", ssCtrl},
                                       {"Alt+", ssAlt}}) {
        const std::string p = prefix;
        if (rest.compare(0, p.size(), p) == 0) {
            shift |= flag;
            rest = rest.substr(p.size());
        }
    }
    if (rest.empty()) return 0;
    for (uint16_t key = 1; key < 256; ++key)
        if (ShortCutToText(key) == rest) return ShortCut(key, shift);
    return 0;
}

TsCustomSysMenu::TsCustomSysMenu(TComponent* owner) : TPopupMenu(owner) {}

TMenuItem* TsCustomSysMenu::AddCommand(const std::string& name, UINT command, const std::string& fallbackCaption) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetTag(static_cast<long>(command));
    item->Caption = fallbackCaption;
    if (HMENU own = Target ? GetSystemMenu(Target, FALSE) : nullptr) {
        char text[256] = {};
        if (GetMenuStringA(own, command, text, sizeof(text), MF_BYCOMMAND) > 0) {
            const std::string caption = text;
            const std::size_t tab = caption.find('\t');
            item->Caption = caption.substr(0, tab);
            if (tab != std::string::npos) item->ShortCut = TextToShortCut(caption.substr(tab + 1));
        }
    }
    // Posted: the command may free the window, and this menu with it.
    item->OnClick = [this, command](TObject*) {
        if (Target) PostMessageA(Target, WM_SYSCOMMAND, command, 0);
    };
    Items().Add(item);
    return item;
}

TMenuItem* TsCustomSysMenu::AddDivider() {
    auto* item = new TMenuItem(this);
    item->Caption = "-";
    Items().Add(item);
    return item;
}

}  // namespace pakmole
