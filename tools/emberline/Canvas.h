#pragma once
// A floating-point RGBA drawing surface for the skin art. Shapes are filled
// with supersampled coverage so that rounded corners and glyph strokes come
// out antialiased; the art is flattened to 24-bit pieces afterwards.
#include <cstdint>
#include <functional>
#include <vector>

namespace pakmole::emberline {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// 0xRRGGBB as an opaque paint colour.
Rgba Hex(uint32_t rgb, float alpha = 1.0f);
Rgba Lerp(const Rgba& from, const Rgba& to, float t);

// Answers whether a point (in pixel units, pixel centres at +0.5) is inside.
using Shape = std::function<bool(float x, float y)>;
// The paint at a point, for gradients.
using Paint = std::function<Rgba(float x, float y)>;

Shape RoundRect(float left, float top, float right, float bottom, float radius);
// The band between a rounded rectangle and the same one shrunk by `width`.
Shape RoundRing(float left, float top, float right, float bottom, float radius, float width);
Shape Capsule(float x0, float y0, float x1, float y1, float halfWidth);
Shape Disc(float cx, float cy, float radius);
Shape Triangle(float x0, float y0, float x1, float y1, float x2, float y2);
Shape Minus(Shape a, Shape b);
Shape Union(Shape a, Shape b);

Paint Solid(const Rgba& colour);
// Vertical ramp from `top` at y0 to `bottom` at y1.
Paint VerticalRamp(float y0, const Rgba& top, float y1, const Rgba& bottom);
Paint HorizontalRamp(float x0, const Rgba& left, float x1, const Rgba& right);

class Canvas {
public:
    Canvas(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    const Rgba& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Source-over with a coverage factor; points outside are ignored.
    void Blend(int x, int y, const Rgba& colour, float coverage = 1.0f);
    void Fill(const Shape& shape, const Paint& paint);
    void Fill(const Shape& shape, const Rgba& colour) { Fill(shape, Solid(colour)); }
    // Crisp, unsmoothed one-pixel work for hairlines.
    void HLine(int x0, int x1, int y, const Rgba& colour);
    void VLine(int x, int y0, int y1, const Rgba& colour);
    void Rect(int x0, int y0, int x1, int y1, const Rgba& colour);
    // Mirrors or transposes the picture, for pieces drawn once and used in
    // four orientations.
    Canvas Transposed() const;
    Canvas FlippedVertically() const;
    Canvas FlippedHorizontally() const;

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

}  // namespace pakmole::emberline
