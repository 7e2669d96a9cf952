#include "skin/render/ColorEffects.h"

#include "skin/data/ColorAdjust.h"
#include "skin/render/Blend.h"
#include "skin/render/PixelMath.h"

namespace pakmole {
namespace {

template <typename Change>
void ForEachPixel(TBitmap32& target, const TRect32& rect, Change change) {
    const TRect32 r = ClipToBitmap(rect, target);
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint32_t* row = target.Row(y);
        for (int x = r.Left; x < r.Right; ++x)
            if (row[x] != pixel::kKeyPixel) row[x] = change(row[x]);
    }
}

}  // namespace

void ShiftHueArea(TBitmap32& target, const TRect32& rect, int offset) {
    if (offset == 0) return;
    // Grey pixels come back unchanged from ShiftHue, which is what the look asks.
    ForEachPixel(target, rect, [offset](uint32_t p) { return ShiftHue(offset, p); });
}

void ChangeSaturationArea(TBitmap32& target, const TRect32& rect, int amount) {
    if (amount == 0) return;
    ForEachPixel(target, rect, [amount](uint32_t p) { return ChangeSaturation(amount, p); });
}

void GrayArea(TBitmap32& target, const TRect32& rect) {
    ForEachPixel(target, rect, [](uint32_t p) {
        using namespace pixel;
        const int g = (Chan(p, 0) + Chan(p, 8) + Chan(p, 16)) / 3;
        return Pack(g, g, g, Chan(p, 24));
    });
}

}  // namespace pakmole
