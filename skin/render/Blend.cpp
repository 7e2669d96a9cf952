#include "skin/render/Blend.h"

#include <algorithm>
#include <cmath>

#include "skin/render/PixelMath.h"

namespace pakmole {

using namespace pixel;

TRect32 ClipToBitmap(const TRect32& rect, const TBitmap32& bitmap) {
    TRect32 r{std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, bitmap.Width()),
              std::min(rect.Bottom, bitmap.Height())};
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

void BlendOver(TBitmap32& target, const TBitmap32& source, int weight, TPoint32 targetPoint,
               const TRect32& sourceRect) {
    int64_t tx = targetPoint.X, ty = targetPoint.Y, sx = sourceRect.Left, sy = sourceRect.Top;
    int64_t w = sourceRect.Width(), h = sourceRect.Height();
    const int64_t skipX = std::max<int64_t>({0, -tx, -sx}), skipY = std::max<int64_t>({0, -ty, -sy});
    tx += skipX, sx += skipX, w -= skipX;
    ty += skipY, sy += skipY, h -= skipY;
    w = std::min<int64_t>({w, target.Width() - tx, source.Width() - sx});
    h = std::min<int64_t>({h, target.Height() - ty, source.Height() - sy});
    if (w <= 0 || h <= 0) return;
    weight = std::clamp(weight, 0, 255);
    for (int64_t j = 0; j < h; ++j) {
        const uint32_t* src = source.Row(static_cast<int>(sy + j)) + sx;
        uint32_t* dst = target.Row(static_cast<int>(ty + j)) + tx;
        for (int64_t i = 0; i < w; ++i) dst[i] = WeightedColors(weight, dst[i], src[i], Chan(dst[i], 24));
    }
}

void ColorOver(TBitmap32& target, const TRect32& rect, int percent, int32_t color) {
    const TRect32 r = ClipToBitmap(rect, target);
    percent = std::clamp(percent, 0, 100);
    const uint32_t c = ColorToPixel(color, 0);
    // round(p/100 * d + (1 - p/100) * c) computed exactly as a fraction of 100.
    const auto over = [&](int d, int cc) {
        return RoundDivEven(int64_t{percent} * d + int64_t{100 - percent} * cc, 100);
    };
    for (int y = r.Top; y < r.Bottom; ++y) {
        uint32_t* row = target.Row(y);
        for (int x = r.Left; x < r.Right; ++x) {
            const uint32_t d = row[x];
            row[x] = Pack(over(Chan(d, 0), Chan(c, 0)), over(Chan(d, 8), Chan(c, 8)), over(Chan(d, 16), Chan(c, 16)),
                          Chan(d, 24));
        }
    }
}

int32_t Mix(int32_t a, int32_t b, double x) {
    const uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    uint32_t result = ua & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const double v = std::nearbyint(x * Chan(ua, shift) + (1 - x) * Chan(ub, shift));
        result |= static_cast<uint32_t>(std::clamp(v, 0.0, 255.0)) << shift;
    }
    return static_cast<int32_t>(result);
}

void FillColor(TBitmap32& target, const TRect32& rect, int32_t color, int alpha) {
    const TRect32 r = ClipToBitmap(rect, target);
    const uint32_t p = ColorToPixel(color, alpha & 0xFF);
    for (int y = r.Top; y < r.Bottom; ++y) std::fill(target.Row(y) + r.Left, target.Row(y) + r.Right, p);
}

}  // namespace pakmole
