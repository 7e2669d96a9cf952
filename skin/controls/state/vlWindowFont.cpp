#include "skin/controls/state/vlWindowFont.h"

#include "ui/GdiHandles.h"

namespace pakmole {

HFONT WindowFont(HWND window) {
    if (auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0))) return font;
    // One for the process: controls without a font of their own are rare and share it.
    static const FontHandle messageFont = [] {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return FontHandle(CreateFontIndirectA(&metrics.lfMessageFont));
    }();
    return messageFont.Get();
}

}  // namespace pakmole
