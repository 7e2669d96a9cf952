#include "skin/render/Gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "skin/render/PixelMath.h"

namespace pakmole {
namespace {

using namespace pixel;

// Channels of a colour value (red in the low byte), negative values taken as 0.
std::array<float, 3> Channels(int32_t color) {
    const uint32_t c = static_cast<uint32_t>(std::max(color, 0));
    return {static_cast<float>(c & 0xFF), static_cast<float>((c >> 8) & 0xFF), static_cast<float>((c >> 16) & 0xFF)};
}

int RoundChannel(float v) { return static_cast<int>(std::clamp(std::nearbyint(v), 0.0f, 255.0f)); }

uint32_t PixelOf(const std::array<float, 3>& rgb) {
    return Pack(RoundChannel(rgb[2]), RoundChannel(rgb[1]), RoundChannel(rgb[0]), 255);
}

// Walks the segments along one axis from first to last (inclusive) and calls
// paint(position, pixel) for every step; segment i ends where endOf(i) says.
template <typename EndOf, typename Paint>
void StepSegments(const TsGradArray& segments, int first, int last, EndOf endOf, Paint paint) {
    int start = first;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const int end = i + 1 == segments.size() ? last : std::min(endOf(segments[i], start), last);
        const int length = end - start;
        // A segment that covers nothing ends the whole gradient.
        if (length <= 0) return;
        std::array<float, 3> c = Channels(segments[i].GradStart);
        const std::array<float, 3> e = Channels(segments[i].GradEnd);
        std::array<float, 3> step{};
        for (int k = 0; k < 3; ++k) step[k] = (e[k] - c[k]) / static_cast<float>(length);
        for (int pos = start; pos <= end; ++pos) {
            paint(pos, PixelOf(c));
            for (int k = 0; k < 3; ++k) c[k] += step[k];
        }
        // The boundary position is painted again by the next segment.
        start = end;
    }
}

void PaintVertical(TBitmap32& target, const TRect32& r, const TsGradArray& segments, int offset) {
    const int height = r.Height();
    const int lastRow = std::min(r.Bottom, target.Height()) - 1;
    const int right = std::min(r.Right, target.Width());
    if (right <= r.Left) return;
    StepSegments(
        segments, r.Top + offset, lastRow,
        [&](const TsGradient& g, int start) { return start + (height + offset) * g.GradPercent / 100; },
        [&](int row, uint32_t p) {
            if (row < r.Top || row > lastRow) return;
            std::fill(target.Row(row) + r.Left, target.Row(row) + right, p);
        });
}

void PaintHorizontal(TBitmap32& target, const TRect32& r, const TsGradArray& segments) {
    const int width = r.Width();
    const int lastCol = std::min(r.Right, target.Width()) - 1;
    const int bottom = std::min(r.Bottom, target.Height());
    if (lastCol < r.Left || bottom <= r.Top) return;
    uint32_t* top = target.Row(r.Top);
    StepSegments(
        segments, r.Left, lastCol,
        [&](const TsGradient& g, int start) {
            return static_cast<int>(std::nearbyint(g.GradPercent * static_cast<double>(width) / 100.0 + start));
        },
        [&](int col, uint32_t p) { top[col] = p; });
    // One row computed, the others copied from it.
    for (int y = r.Top + 1; y < bottom; ++y) std::copy(top + r.Left, top + lastCol + 1, target.Row(y) + r.Left);
}

struct Vertex {
    double X, Y;
    std::array<float, 3> C;
};

void PaintFourCorner(TBitmap32& target, const TRect32& r, const TsGradArray& segments) {
    std::array<int32_t, 5> colors{};
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = i < segments.size() ? segments[i].GradStart : colors[i == 0 ? 0 : i - 1];
    const double left = r.Left, top = r.Top, right = r.Right, bottom = r.Bottom;
    const std::array<Vertex, 5> v{{{left, top, Channels(colors[0])},
                                   {left + r.Width() / 2, top + r.Height() / 2, Channels(colors[1])},
                                   {right, top, Channels(colors[2])},
                                   {right, bottom, Channels(colors[3])},
                                   {left, bottom, Channels(colors[4])}}};
    static constexpr int kTriangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};

    const int x1 = std::min(r.Right, target.Width()), y1 = std::min(r.Bottom, target.Height());
    for (int y = r.Top; y < y1; ++y) {
        uint32_t* row = target.Row(y);
        for (int x = r.Left; x < x1; ++x) {
            // Colours are interpolated at the pixel's centre inside the
            // triangle that holds it (the one it lies deepest in on a shared edge).
            const double px = x + 0.5, py = y + 0.5;
            double best = -1e300;
            std::array<float, 3> colour = v[0].C;
            for (const auto& t : kTriangles) {
                const Vertex &a = v[t[0]], &b = v[t[1]], &c = v[t[2]];
                const double area = (b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y);
                if (area == 0) continue;
                const double la = ((b.X - px) * (c.Y - py) - (c.X - px) * (b.Y - py)) / area;
                const double lb = ((c.X - px) * (a.Y - py) - (a.X - px) * (c.Y - py)) / area;
                const double lc = 1 - la - lb;
                const double depth = std::min({la, lb, lc});
                if (depth <= best) continue;
                best = depth;
                for (int k = 0; k < 3; ++k)
                    colour[k] = static_cast<float>(la * a.C[k] + lb * b.C[k] + lc * c.C[k]);
            }
            row[x] = PixelOf(colour);
        }
    }
}

}  // namespace

void PaintGradient(TBitmap32& target, const TRect32& rect, const TsGradArray& segments, int offset) {
    TRect32 r = rect;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    if (r.Right <= r.Left || r.Bottom <= r.Top || segments.empty() || target.Empty()) return;
    switch (segments.front().GradMode) {
        case 0: PaintVertical(target, r, segments, offset); break;
        case 1: PaintHorizontal(target, r, segments); break;
        case 2: PaintFourCorner(target, r, segments); break;
        default: break;
    }
}

}  // namespace pakmole
