#include "tools/emberline/Canvas.h"

#include <algorithm>
#include <cmath>

namespace pakmole::emberline {

namespace {
// 4 x 4 samples per pixel is plenty for shapes of a few pixels.
constexpr int kSamples = 4;
}  // namespace

Rgba Hex(uint32_t rgb, float alpha) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

Rgba Lerp(const Rgba& from, const Rgba& to, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Shape RoundRect(float left, float top, float right, float bottom, float radius) {
    return [=](float x, float y) {
        if (x < left || x > right || y < top || y > bottom) return false;
        const float cx = std::clamp(x, left + radius, right - radius);
        const float cy = std::clamp(y, top + radius, bottom - radius);
        const float dx = x - cx, dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Shape RoundRing(float left, float top, float right, float bottom, float radius, float width) {
    return Minus(RoundRect(left, top, right, bottom, radius),
                 RoundRect(left + width, top + width, right - width, bottom - width, std::max(0.0f, radius - width)));
}

Shape Capsule(float x0, float y0, float x1, float y1, float halfWidth) {
    return [=](float x, float y) {
        const float vx = x1 - x0, vy = y1 - y0;
        const float len2 = vx * vx + vy * vy;
        float t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0.0f;
        t = std::clamp(t, 0.0f, 1.0f);
        const float dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= halfWidth * halfWidth;
    };
}

Shape Disc(float cx, float cy, float radius) {
    return [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Shape Triangle(float x0, float y0, float x1, float y1, float x2, float y2) {
    return [=](float x, float y) {
        const float d0 = (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0);
        const float d1 = (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1);
        const float d2 = (x0 - x2) * (y - y2) - (y0 - y2) * (x - x2);
        const bool anyNeg = d0 < 0 || d1 < 0 || d2 < 0;
        const bool anyPos = d0 > 0 || d1 > 0 || d2 > 0;
        return !(anyNeg && anyPos);
    };
}

Shape Minus(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) && !b(x, y); };
}

Shape Union(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return a(x, y) || b(x, y); };
}

Paint Solid(const Rgba& colour) {
    return [colour](float, float) { return colour; };
}

Paint VerticalRamp(float y0, const Rgba& top, float y1, const Rgba& bottom) {
    return [=](float, float y) { return Lerp(top, bottom, y1 > y0 ? (y - y0) / (y1 - y0) : 0.0f); };
}

Paint HorizontalRamp(float x0, const Rgba& left, float x1, const Rgba& right) {
    return [=](float x, float) { return Lerp(left, right, x1 > x0 ? (x - x0) / (x1 - x0) : 0.0f); };
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

void Canvas::Blend(int x, int y, const Rgba& c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const float sa = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (sa <= 0) return;
    Rgba& d = pixels_[static_cast<size_t>(y) * width_ + x];
    const float outA = sa + d.a * (1 - sa);
    if (outA <= 0) return;
    d.r = (c.r * sa + d.r * d.a * (1 - sa)) / outA;
    d.g = (c.g * sa + d.g * d.a * (1 - sa)) / outA;
    d.b = (c.b * sa + d.b * d.a * (1 - sa)) / outA;
    d.a = outA;
}

void Canvas::Fill(const Shape& shape, const Paint& paint) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    if (shape(static_cast<float>(x) + (sx + 0.5f) / kSamples,
                              static_cast<float>(y) + (sy + 0.5f) / kSamples))
                        ++inside;
            if (inside == 0) continue;
            const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            Blend(x, y, paint(fx, fy), static_cast<float>(inside) / (kSamples * kSamples));
        }
    }
}

void Canvas::HLine(int x0, int x1, int y, const Rgba& colour) {
    for (int x = x0; x < x1; ++x) Blend(x, y, colour);
}

void Canvas::VLine(int x, int y0, int y1, const Rgba& colour) {
    for (int y = y0; y < y1; ++y) Blend(x, y, colour);
}

void Canvas::Rect(int x0, int y0, int x1, int y1, const Rgba& colour) {
    for (int y = y0; y < y1; ++y) HLine(x0, x1, y, colour);
}

Canvas Canvas::Transposed() const {
    Canvas out(height_, width_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.pixels_[static_cast<size_t>(x) * height_ + y] = At(x, y);
    return out;
}

Canvas Canvas::FlippedVertically() const {
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.pixels_[static_cast<size_t>(height_ - 1 - y) * width_ + x] = At(x, y);
    return out;
}

Canvas Canvas::FlippedHorizontally() const {
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.pixels_[static_cast<size_t>(y) * width_ + (width_ - 1 - x)] = At(x, y);
    return out;
}

}  // namespace pakmole::emberline
