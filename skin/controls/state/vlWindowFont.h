#pragma once
// The font a raw control's text is drawn with.
#include <windows.h>

namespace pakmole {

// The window's own font (WM_GETFONT), else the system's message font.
HFONT WindowFont(HWND window);

}  // namespace pakmole
