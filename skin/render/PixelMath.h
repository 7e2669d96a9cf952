#pragma once
// Small exact helpers shared by the painters: channel access, colour-value to
// pixel conversion, the weighted blend and rounding with ties to even.
#include <cstdint>

namespace pakmole::pixel {

inline constexpr uint32_t kKeyPixel = 0x00FF00FF;
inline constexpr int32_t kKeyColor = 0xFF00FF;

inline int Chan(uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

inline uint32_t Pack(int b, int g, int r, int a) {
    return static_cast<uint32_t>(b) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(r) << 16 |
           static_cast<uint32_t>(a) << 24;
}

// A colour value keeps red in its low byte; a pixel keeps blue there.
inline uint32_t ColorToPixel(int32_t color, int alpha) {
    const uint32_t c = static_cast<uint32_t>(color);
    return Pack(static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF),
                alpha);
}

// d' = (w * (d - s) + 256 * s) >> 8: weight w on the destination, floor division
// (the shift of a negative product rounds toward minus infinity).
inline int WeightedChannel(int w, int d, int s) { return (w * (d - s) + 256 * s) >> 8; }

inline uint32_t WeightedColors(int w, uint32_t d, uint32_t s, int alpha) {
    return Pack(WeightedChannel(w, Chan(d, 0), Chan(s, 0)), WeightedChannel(w, Chan(d, 8), Chan(s, 8)),
                WeightedChannel(w, Chan(d, 16), Chan(s, 16)), alpha);
}

// num / den (den > 0, num >= 0) rounded to nearest, ties to even.
inline int RoundDivEven(int64_t num, int64_t den) {
    const int64_t q = num / den;
    const int64_t r2 = 2 * (num % den);
    if (r2 > den || (r2 == den && (q & 1))) return static_cast<int>(q + 1);
    return static_cast<int>(q);
}

}  // namespace pakmole::pixel
