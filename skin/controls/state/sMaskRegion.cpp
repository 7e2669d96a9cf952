#include "skin/controls/state/sMaskRegion.h"

#include <algorithm>

#include "skin/render/MaskPainter.h"
#include "skin/render/PixelMath.h"

namespace pakmole {

void CutMaskCorners(HRGN region, TsSkinModel& model, int maskIndex, int width, int height, bool bottom) {
    if (!model.IsValidMask(maskIndex)) return;
    const TsMaskData& mask = model.Masks[static_cast<std::size_t>(maskIndex)];
    const TBitmap32* source = MaskSourceBitmap(mask);
    if (!source) return;
    const int sw = mask.StateWidth(), sh = mask.StateHeight();
    const int ml = std::min(model.MaskMarginLeft(maskIndex), sw), mr = std::min(model.MaskMarginRight(maskIndex), sw);
    const int mt = std::min(model.MaskMarginTop(maskIndex), sh), mb = std::min(model.MaskMarginBottom(maskIndex), sh);
    auto keyAt = [&](int x, int y) {
        const int sx = mask.SrcRect.Left + x, sy = mask.SrcRect.Top + y;
        return source->Contains(sx, sy) && (source->Pixel(sx, sy) & 0xFFFFFF) == pixel::kKeyPixel;
    };
    auto cutRow = [&](int maskY, int windowY, int from, int to, int shift) {
        for (int x = from; x < to;) {
            if (!keyAt(x, maskY)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < to && keyAt(x, maskY)) ++x;
            RegionHandle run(CreateRectRgn(start + shift, windowY, x + shift, windowY + 1));
            CombineRgn(region, region, run.Get(), RGN_DIFF);
        }
    };
    for (int y = 0; y < mt; ++y) {
        cutRow(y, y, 0, ml, 0);
        cutRow(y, y, sw - mr, sw, width - sw);
    }
    if (!bottom) return;
    for (int y = sh - mb; y < sh; ++y) {
        cutRow(y, height - (sh - y), 0, ml, 0);
        cutRow(y, height - (sh - y), sw - mr, sw, width - sw);
    }
}

}  // namespace pakmole
