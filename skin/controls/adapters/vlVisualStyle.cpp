#include "skin/controls/adapters/vlVisualStyle.h"

namespace pakmole {
namespace {

// Looked up once: a system without visual styles has no uxtheme.dll.
TSetWindowThemeFunction UxThemeSetWindowTheme() {
    static const TSetWindowThemeFunction proc = [] {
        HMODULE library = LoadLibraryA("uxtheme.dll");
        return library ? reinterpret_cast<TSetWindowThemeFunction>(
                             reinterpret_cast<void*>(GetProcAddress(library, "SetWindowTheme")))
                       : nullptr;
    }();
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
