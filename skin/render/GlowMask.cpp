#include "skin/render/GlowMask.h"

#include <algorithm>
#include <cmath>

#include "skin/render/PixelMath.h"

namespace pakmole {

void TGlowMask::SetSize(int width, int height, uint8_t fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
    stride_ = (width_ + 3) & ~3;
    bytes_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), fill);
}

TRect32 GlowArea(const TRect32& textRect, int glowSize) {
    const int d = glowSize + 4;
    return TRect32{textRect.Left + 1 - d, textRect.Top + 1 - d, textRect.Right + 1 + d, textRect.Bottom + 1 + d};
}

TRect32 GlowTextRect(const TRect32& textRect, int glowSize) {
    const int d = glowSize + 4;
    return TRect32{d, d, d + textRect.Width(), d + textRect.Height()};
}

bool PrepareGlowMask(TGlowMask& mask, const TRect32& area) {
    const int w = std::max(area.Width(), 0), h = std::max(area.Height(), 0);
    if (mask.Width() == w && mask.Height() == h && w > 0) return true;
    mask.SetSize(w, h, 255);
    return false;
}

TGlowKernel GlowKernel(double sigma) {
    std::vector<double> k(201);
    double sum = 0;
    for (int i = 0; i <= 200; ++i) {
        const double t = (i - 100) / sigma;
        k[static_cast<std::size_t>(i)] = std::exp(-t * t / 2);
        sum += k[static_cast<std::size_t>(i)];
    }
    for (double& v : k) v /= sum;
    // The radius is found from the outside in: the tails cut off may together
    // hold less than half of one byte step (1/510).
    int j = 100;
    double tail = 0;
    while (tail < 1.0 / 510 && j > 1) {
        tail += 2 * k[static_cast<std::size_t>(100 + j)];
        --j;
    }
    TGlowKernel kernel;
    kernel.Radius = j;
    double own = 0;
    for (int o = -j; o <= j; ++o) own += k[static_cast<std::size_t>(100 + o)];
    for (int o = -j; o <= j; ++o)
        kernel.Weights.push_back(static_cast<float>(k[static_cast<std::size_t>(100 + o)] / own));
    return kernel;
}

namespace {

uint8_t RoundByte(float v) {
    const float r = std::nearbyint(v);
    if (r >= 255) return 255;
    if (r <= 0) return 0;
    return static_cast<uint8_t>(r);
}

// One line of the blur: reads n bytes at step apart from line, writes back.
void BlurLine(uint8_t* line, std::ptrdiff_t step, int n, const TGlowKernel& k, std::vector<uint8_t>& in) {
    for (int i = 0; i < n; ++i) in[static_cast<std::size_t>(i)] = line[i * step];
    const int r = k.Radius;
    for (int x = 0; x < n; ++x) {
        float v = 0;
        for (int o = -r; o <= r; ++o) {
            const int src = std::clamp(x - o, 0, n - 1);
            v += k.Weights[static_cast<std::size_t>(o + r)] * in[static_cast<std::size_t>(src)];
        }
        line[x * step] = RoundByte(v);
    }
}

}  // namespace

void BlurMask(TGlowMask& mask, double sigma) {
    if (!(sigma > 0) || mask.Width() == 0 || mask.Height() == 0) return;
    const TGlowKernel kernel = GlowKernel(sigma);
    std::vector<uint8_t> scratch(static_cast<std::size_t>(std::max(mask.Width(), mask.Height())));
    for (int y = 0; y < mask.Height(); ++y) BlurLine(mask.Row(y), 1, mask.Width(), kernel, scratch);
    for (int x = 0; x < mask.Width(); ++x) BlurLine(mask.Row(0) + x, mask.Stride(), mask.Height(), kernel, scratch);
}

void BlendGlowMask(TBitmap32& target, const TGlowMask& mask, const TRect32& area, int32_t glowColor) {
    using namespace pixel;
    const uint32_t c = static_cast<uint32_t>(glowColor);
    const int gr = static_cast<int>(c & 0xFF), gg = static_cast<int>((c >> 8) & 0xFF),
              gb = static_cast<int>((c >> 16) & 0xFF);
    for (int j = 0; j < mask.Height(); ++j) {
        const int64_t ty = int64_t{area.Top} + j;
        if (ty < 0 || ty >= target.Height()) continue;
        const uint8_t* m = mask.Row(j);
        uint32_t* row = target.Row(static_cast<int>(ty));
        for (int i = 0; i < mask.Width(); ++i) {
            const int mv = m[i];
            const int64_t tx = int64_t{area.Left} + i;
            if (mv == 255 || tx < 0 || tx >= target.Width()) continue;
            uint32_t& p = row[tx];
            // Signed division truncates toward zero, as the glow arithmetic asks.
            const auto ch = [mv](int x, int g) { return g + ((x - g) * mv) / 255; };
            const int a = Chan(p, 24);
            p = Pack(ch(Chan(p, 0), gb), ch(Chan(p, 8), gg), ch(Chan(p, 16), gr), a + ((255 - a) * (255 - mv)) / 255);
        }
    }
}

}  // namespace pakmole
