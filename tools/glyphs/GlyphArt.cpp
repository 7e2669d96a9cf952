// Draws the edit buttons' built-in glyph strips: five PNG images of three
// 16 x 16 glyphs each (normal, hot, pressed), written into one folder.
// The art is geometry sampled 4 x 4 per pixel, so edges come out smooth and
// the result is the same on every run.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

struct Rgb {
    double r, g, b;
};

// Shape test: is (x, y) inside the shape shrunk by inset pixels?
using Shape = std::function<bool(double x, double y, double inset)>;

struct Part {
    Shape shape;
    bool outlined;  // a one-pixel rim in the outline colour around the fill
    int fillRole;   // 0 body fill, 1 detail colour
};

struct Palette {
    Rgb outline, body, detail;
};

// Normal glyphs are neutral greys readable on light and dark faces; hot and
// pressed ones take the warm ember accents of the program's look.
const Palette kPalettes[3] = {
    {{0x4A, 0x4A, 0x4A}, {0xDC, 0xDC, 0xDC}, {0x70, 0x70, 0x70}},
    {{0x8A, 0x42, 0x0C}, {0xFF, 0xB8, 0x5C}, {0x9E, 0x4E, 0x12}},
    {{0x6A, 0x30, 0x06}, {0xE8, 0x8A, 0x2E}, {0x7A, 0x38, 0x08}},
};

Shape Rect(double x0, double y0, double x1, double y1) {
    return [=](double x, double y, double d) {
        return x >= x0 + d && x <= x1 - d && y >= y0 + d && y <= y1 - d;
    };
}

Shape Union(Shape a, Shape b) {
    return [=](double x, double y, double d) { return a(x, y, d) || b(x, y, d); };
}

Shape Circle(double cx, double cy, double radius) {
    return [=](double x, double y, double d) {
        return std::hypot(x - cx, y - cy) <= radius - d;
    };
}

// A page with its top-right corner folded down.
Shape Page() {
    return [](double x, double y, double d) {
        return x >= 2.5 + d && x <= 13.5 - d && y >= 0.5 + d && y <= 15.5 - d &&
               (x - y) <= 9.0 - d * 1.4142;
    };
}

// A downward triangle, as combo boxes show.
Shape DownArrow() {
    return [](double x, double y, double d) {
        const double top = 5.5 + d, bottom = 11.0 - d;
        if (y < top || y > bottom) return false;
        const double half = (11.0 - y) - d * 0.5;
        return std::fabs(x - 8.0) <= half;
    };
}

std::vector<Part> GlyphParts(const std::string& name) {
    if (name == "SF")
        return {{Page(), true, 0},
                {Union(Rect(9.2, 0.5, 10.2, 5.2), Rect(9.2, 4.2, 13.2, 5.2)), false, 1},
                {Rect(5.0, 7.0, 11.0, 8.0), false, 1},
                {Rect(5.0, 9.5, 11.0, 10.5), false, 1},
                {Rect(5.0, 12.0, 9.5, 13.0), false, 1}};
    if (name == "SR")
        return {{Union(Rect(0.5, 2.5, 7.0, 6.0), Rect(0.5, 4.5, 15.5, 13.5)), true, 0},
                {Rect(1.5, 6.5, 14.5, 7.5), false, 1}};
    if (name == "SD") return {{DownArrow(), true, 0}};
    if (name == "SE")
        return {{Circle(3.5, 8.5, 2.0), true, 0},
                {Circle(8.0, 8.5, 2.0), true, 0},
                {Circle(12.5, 8.5, 2.0), true, 0}};
    // "SC": a calendar leaf with its ring bar and a grid of days.
    std::vector<Part> parts{{Rect(0.5, 1.5, 15.5, 15.5), true, 0},
                            {Rect(1.5, 2.5, 14.5, 5.0), false, 1}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const double x = 2.5 + col * 3.0, y = 6.5 + row * 2.8;
            parts.push_back({Rect(x, y, x + 2.0, y + 1.8), false, 1});
        }
    return parts;
}

// Colour and coverage of one sample point; later parts lie on top.
bool Sample(const std::vector<Part>& parts, const Palette& pal, double x, double y, Rgb& out) {
    bool hit = false;
    for (const Part& part : parts) {
        if (!part.shape(x, y, 0.0)) continue;
        hit = true;
        if (part.outlined && !part.shape(x, y, 1.0))
            out = pal.outline;
        else
            out = part.fillRole == 0 ? pal.body : pal.detail;
    }
    return hit;
}

void DrawGlyph(const std::vector<Part>& parts, int state, std::vector<uint8_t>& strip) {
    const Palette& pal = kPalettes[state];
    // The pressed glyph sits one pixel lower and to the right.
    const double shift = state == 2 ? 1.0 : 0.0;
    const int kStripWidth = 48, kSub = 4;
    for (int py = 0; py < 16; ++py)
        for (int px = 0; px < 16; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const double x = px + (sx + 0.5) / kSub - shift;
                    const double y = py + (sy + 0.5) / kSub - shift;
                    Rgb c{};
                    if (Sample(parts, pal, x, y, c)) {
                        r += c.r;
                        g += c.g;
                        b += c.b;
                        a += 1;
                    }
                }
            uint8_t* p = &strip[(static_cast<size_t>(py) * kStripWidth + state * 16 + px) * 4];
            if (a > 0) {
                p[0] = static_cast<uint8_t>(std::lround(r / a));
                p[1] = static_cast<uint8_t>(std::lround(g / a));
                p[2] = static_cast<uint8_t>(std::lround(b / a));
            }
            p[3] = static_cast<uint8_t>(std::lround(255.0 * a / (kSub * kSub)));
        }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pakmole_glyphs <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    for (const char* name : {"SF", "SR", "SD", "SE", "SC"}) {
        std::vector<uint8_t> strip(48 * 16 * 4, 0);
        const auto parts = GlyphParts(name);
        for (int state = 0; state < 3; ++state) DrawGlyph(parts, state, strip);
        const std::string path = folder + "/" + name + ".png";
        if (!stbi_write_png(path.c_str(), 48, 16, 4, strip.data(), 48 * 4)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
