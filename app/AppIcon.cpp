#include "app/AppIcon.h"

#include <algorithm>
#include <cmath>

#include "ui/DibSection.h"
#include "ui/GdiHandles.h"

namespace pakmole {

namespace {

struct Color3 {
    double r, g, b;
};

Color3 Mix(Color3 a, Color3 b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Signed distance to a rounded rectangle (negative inside).
double RoundedRect(double x, double y, double x0, double y0, double x1, double y1, double r) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
    const double dx = std::fabs(x - cx) - hx, dy = std::fabs(y - cy) - hy;
    const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
    return outside + std::min(std::max(dx, dy), 0.0) - r;
}

bool InTriangle(double x, double y, double ax, double ay, double bx, double by, double cx,
                double cy) {
    auto side = [](double px, double py, double qx, double qy, double rx, double ry) {
        return (px - rx) * (qy - ry) - (qx - rx) * (py - ry);
    };
    const double d1 = side(x, y, ax, ay, bx, by);
    const double d2 = side(x, y, bx, by, cx, cy);
    const double d3 = side(x, y, cx, cy, ax, ay);
    const bool neg = d1 < 0 || d2 < 0 || d3 < 0, pos = d1 > 0 || d2 > 0 || d3 > 0;
    return !(neg && pos);
}

// The colour at one sample point: a charcoal tile, an ember crate with its
// lid lifted and a silver arrow going into it.
Color3 Sample(double x, double y) {
    const Color3 tileTop{0x3A, 0x3A, 0x3A}, tileBottom{0x1D, 0x1D, 0x1D};
    Color3 c = Mix(tileTop, tileBottom, y / kIconSize);
    // A crisp highlight along the tile's upper rim.
    const double tile = RoundedRect(x, y, 0.5, 0.5, 63.5, 63.5, 10);
    if (tile > -1.5 && y < 32) c = Mix(c, Color3{0x5A, 0x5A, 0x5A}, 0.8);

    // Soft ember glow behind the crate.
    const double glow = std::hypot(x - 32, y - 42) / 26.0;
    if (glow < 1) c = Mix(c, Color3{0x7A, 0x3A, 0x10}, (1 - glow) * 0.45);

    // Crate body and front band.
    const double body = RoundedRect(x, y, 13, 32, 51, 56, 3);
    if (body < 0) {
        c = Mix(Color3{0xF0, 0x8C, 0x32}, Color3{0xB8, 0x58, 0x16}, (y - 32) / 24.0);
        if (body > -1.6) c = Color3{0x6E, 0x30, 0x08};
        if (std::fabs(y - 44) < 1.2 && body < -1.6) c = Color3{0x8E, 0x40, 0x0E};
    }
    // The lid, tilted open above the crate.
    const double lid = RoundedRect(x + (y - 26) * 0.25, y, 11, 23, 53, 29, 2);
    if (lid < 0) c = lid > -1.4 ? Color3{0x6E, 0x30, 0x08} : Color3{0xFF, 0xB0, 0x5E};

    // Silver arrow pointing down into the crate.
    const bool shaft = x >= 28.5 && x <= 35.5 && y >= 4 && y <= 22;
    const bool head = InTriangle(x, y, 20, 20, 44, 20, 32, 36);
    if (shaft || head) {
        c = Mix(Color3{0xF2, 0xF2, 0xF2}, Color3{0xB0, 0xB0, 0xB0}, y / 36.0);
    }
    return c;
}

}  // namespace

IconPicture DrawApplicationIcon() {
    IconPicture picture;
    picture.rgb.resize(kIconSize * kIconSize);
    picture.transparent.resize(kIconSize * kIconSize);
    constexpr int kSub = 4;
    for (int py = 0; py < kIconSize; ++py)
        for (int px = 0; px < kIconSize; ++px) {
            double r = 0, g = 0, b = 0;
            int inside = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const double x = px + (sx + 0.5) / kSub, y = py + (sy + 0.5) / kSub;
                    if (RoundedRect(x, y, 0.5, 0.5, 63.5, 63.5, 10) > 0) continue;
                    const Color3 c = Sample(x, y);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    ++inside;
                }
            const size_t i = static_cast<size_t>(py) * kIconSize + px;
            // 24-bit colour has no partial transparency: a pixel belongs to
            // the tile when most of it does.
            picture.transparent[i] = inside * 2 < kSub * kSub;
            if (inside > 0) {
                auto channel = [inside](double v) {
                    return static_cast<uint32_t>(std::clamp(std::lround(v / inside), 0L, 255L));
                };
                picture.rgb[i] = (channel(r) << 16) | (channel(g) << 8) | channel(b);
            }
            if (picture.transparent[i]) picture.rgb[i] = 0;
        }
    return picture;
}

HICON CreateApplicationIcon() {
    const IconPicture picture = DrawApplicationIcon();
    void* bits = nullptr;
    WindowDC screen(nullptr);
    BitmapHandle color = CreateTopDownDib(screen.Get(), kIconSize, kIconSize, 24, &bits);
    if (!color || !bits) return nullptr;
    const int stride = (kIconSize * 3 + 3) & ~3;
    auto* rows = static_cast<unsigned char*>(bits);
    // The mask is one bit per pixel, rows padded to 16 bits; 1 lets the screen through.
    const int maskStride = ((kIconSize + 15) / 16) * 2;
    std::vector<unsigned char> maskBits(static_cast<size_t>(maskStride) * kIconSize, 0);
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            const size_t i = static_cast<size_t>(y) * kIconSize + x;
            unsigned char* p = rows + y * stride + x * 3;
            p[0] = static_cast<unsigned char>(picture.rgb[i] & 0xFF);
            p[1] = static_cast<unsigned char>((picture.rgb[i] >> 8) & 0xFF);
            p[2] = static_cast<unsigned char>((picture.rgb[i] >> 16) & 0xFF);
            if (picture.transparent[i])
                maskBits[static_cast<size_t>(y) * maskStride + x / 8] |=
                    static_cast<unsigned char>(0x80 >> (x % 8));
        }
    BitmapHandle mask(CreateBitmap(kIconSize, kIconSize, 1, 1, maskBits.data()));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = color.Get();
    info.hbmMask = mask.Get();
    return CreateIconIndirect(&info);
}

}  // namespace pakmole
