#include "skin/render/GlowPlacement.h"

#include <algorithm>

namespace pakmole {

TGlowPlacement PlaceGlow(const TRect32& control, const TRect32& visible, const TsMaskData& mask, int32_t margin) {
    TGlowPlacement p;
    const int32_t cw = control.Width(), ch = control.Height();
    p.FullWidth = std::max(0, cw + mask.MarginLeft + mask.MarginRight - 2 * margin);
    p.FullHeight = std::max(0, ch + mask.MarginTop + mask.MarginBottom - 2 * margin);
    int32_t cutLeft = 0, cutTop = 0, cutRight = 0, cutBottom = 0;
    const bool partly = visible.Left > 0 || visible.Top > 0 || visible.Right < cw || visible.Bottom < ch;
    if (partly) {
        // A control cut by its parent shows no glow beyond the part that is seen.
        cutLeft = std::max(0, mask.MarginLeft + visible.Left - margin);
        cutTop = std::max(0, mask.MarginTop + visible.Top - margin);
        cutRight = std::max(0, mask.MarginRight + (cw - visible.Right) - margin);
        cutBottom = std::max(0, mask.MarginBottom + (ch - visible.Bottom) - margin);
    }
    p.Shown = TRect32{cutLeft, cutTop, std::max(cutLeft, p.FullWidth - cutRight),
                      std::max(cutTop, p.FullHeight - cutBottom)};
    p.Left = control.Left + margin + cutLeft - mask.MarginLeft;
    p.Top = control.Top + margin + cutTop - mask.MarginTop;
    return p;
}

}  // namespace pakmole
