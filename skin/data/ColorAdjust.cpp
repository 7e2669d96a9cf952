#include "skin/data/ColorAdjust.h"

#include <algorithm>
#include <cmath>

namespace pakmole {
namespace {

// Real-valued results round to nearest with ties to even (the default rounding mode).
uint32_t RoundByte(double v) { return static_cast<uint32_t>(std::nearbyint(std::clamp(v, 0.0, 255.0))); }

uint32_t SwapRedBlue(uint32_t v) { return (v & 0xFF00FF00u) | ((v & 0xFF) << 16) | ((v >> 16) & 0xFF); }

}  // namespace

uint32_t ShiftHue(int offset, uint32_t pixel) {
    const int r = static_cast<int>((pixel >> 16) & 0xFF);
    const int g = static_cast<int>((pixel >> 8) & 0xFF);
    const int b = static_cast<int>(pixel & 0xFF);
    const int maxc = std::max({r, g, b});
    const int minc = std::min({r, g, b});
    const int delta = maxc - minc;
    const double v = maxc;
    const double s = maxc == 0 ? 0.0 : static_cast<double>(delta) / maxc;
    if (s == 0) return pixel;

    const double k = 60.0 / delta;
    double h;
    if (maxc == r)
        h = k * (g - b);
    else if (maxc == g)
        h = 120 + k * (b - r);
    else
        h = 240 + k * (r - g);
    if (h < 0) h += 360;

    // The remainder is taken in floating point, so no offset can overflow. A
    // negative remainder is brought back onto the wheel; read as a sector index
    // it would otherwise pick the wrong sector and a negative fraction.
    double remainder = std::fmod(std::nearbyint(offset + h), 360.0);
    if (remainder < 0) remainder += 360;
    const int hue = static_cast<int>(remainder);
    const double x = hue / 60.0;
    const int i = static_cast<int>(x);
    const double f = x - i;
    const double p = std::clamp((1 - s) * v, 0.0, 255.0);
    const double q = std::clamp((1 - s * f) * v, 0.0, 255.0);
    const double t = std::clamp((1 - (1 - f) * s) * v, 0.0, 255.0);

    double nr, ng, nb;
    switch (i) {
        case 0: nr = v, ng = t, nb = p; break;
        case 1: nr = q, ng = v, nb = p; break;
        case 2: nr = p, ng = v, nb = t; break;
        case 3: nr = p, ng = q, nb = v; break;
        case 4: nr = t, ng = p, nb = v; break;
        default: nr = v, ng = p, nb = q; break;
    }
    return (pixel & 0xFF000000u) | RoundByte(nr) << 16 | RoundByte(ng) << 8 | RoundByte(nb);
}

int32_t ShiftHueColor(int offset, int32_t color) {
    const uint32_t swapped = SwapRedBlue(static_cast<uint32_t>(color));
    return static_cast<int32_t>(SwapRedBlue(ShiftHue(offset, swapped)));
}

uint32_t ChangeSaturation(int amount, uint32_t value) {
    if (amount == 0) return value;
    const int c0 = static_cast<int>(value & 0xFF);
    const int c1 = static_cast<int>((value >> 8) & 0xFF);
    const int c2 = static_cast<int>((value >> 16) & 0xFF);
    const double avg = (c0 + c1 + c2) / 3.0;
    const auto adjust = [&](int c) { return RoundByte(c - (avg - c) * amount / 100.0); };
    return (value & 0xFF000000u) | adjust(c2) << 16 | adjust(c1) << 8 | adjust(c0);
}

}  // namespace pakmole
