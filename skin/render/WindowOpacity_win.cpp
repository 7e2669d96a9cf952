#include "skin/render/WindowOpacity_win.h"

namespace pakmole {

void SetWindowOpacity(HWND window, bool layered, BYTE alpha) {
    const LONG ex = GetWindowLongA(window, GWL_EXSTYLE);
    if (!layered) {
        if (ex & WS_EX_LAYERED) SetWindowLongA(window, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
        return;
    }
    if (!(ex & WS_EX_LAYERED)) SetWindowLongA(window, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
}

}  // namespace pakmole
