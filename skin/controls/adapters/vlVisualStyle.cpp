#include "skin/controls/adapters/vlVisualStyle.h"

#include "skin/render/SystemFunction_win.h"

namespace pakmole {
namespace {

// Looked up once: a system without visual styles has no uxtheme.dll.
TSetWindowThemeFunction UxThemeSetWindowTheme() {
    static const auto proc = SystemFunction<TSetWindowThemeFunction>("uxtheme.dll", "SetWindowTheme");
    return proc;
}

TSetWindowThemeFunction replacement = nullptr;

}  // namespace

bool TurnsVisualStyleOff(const TvlVisualStyleCase& c) {
    if (c.MenuWindow || c.DialogSection || c.DialogMode) return false;
    return !c.ProviderState || c.ProviderDrawsFrame;
}

void TurnVisualStyleOff(HWND window) {
    if (TSetWindowThemeFunction setTheme = replacement ? replacement : UxThemeSetWindowTheme())
        setTheme(window, L" ", L" ");
}

TSetWindowThemeFunction ReplaceSetWindowTheme(TSetWindowThemeFunction next) {
    TSetWindowThemeFunction previous = replacement;
    replacement = next;
    return previous;
}

}  // namespace pakmole
