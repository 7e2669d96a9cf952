#pragma once
// Which adapted windows lose the platform's visual style, and the one call
// that takes it away (uxtheme's SetWindowTheme with a blank application and
// class name). A system without uxtheme.dll has no visual styles to lose.
#include <windows.h>

namespace pakmole {

// What the decision looks at, for one adapter being made.
struct TvlVisualStyleCase {
    bool MenuWindow = false;          // the adapter of a popup menu's window
    bool ProviderState = false;       // the skin state belongs to a form provider
    bool ProviderDrawsFrame = true;   // ... which paints its form's frame
    bool DialogSection = false;       // the default section is "DIALOG"
    bool DialogMode = false;          // made while a platform dialog's children are adapted
};

// True when the adapter's window is to lose its visual style. A popup menu
// and a platform dialog keep theirs (the dialog's children too), and so does
// a form whose provider leaves the frame to the platform.
bool TurnsVisualStyleOff(const TvlVisualStyleCase& c);

// Calls SetWindowTheme(window, " ", " ") when the system has it.
void TurnVisualStyleOff(HWND window);

// Test seam: the function called instead of uxtheme's SetWindowTheme (null
// puts uxtheme's back). Returns the one it replaced (null for uxtheme's).
using TSetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
TSetWindowThemeFunction ReplaceSetWindowTheme(TSetWindowThemeFunction replacement);

}  // namespace pakmole
