#include "skin/render/WindowAnimationSteps.h"

#include <algorithm>
#include <cmath>

namespace pakmole {

namespace {

// To the nearest integer, ties to even (the rounding mode of the arithmetic).
int32_t Round(double value) { return static_cast<int32_t>(std::nearbyint(value)); }

struct ZoomRect {
    double Left, Top, Right, Bottom;
    // Grows by (dx, dy) on every side; negative values shrink it.
    void Grow(double dx, double dy) {
        Left -= dx;
        Top -= dy;
        Right += dx;
        Bottom += dy;
    }
};

TsAnimFrame FrameAt(double alpha, TsAnimMode mode, const ZoomRect& r) {
    TsAnimFrame f;
    f.Alpha = static_cast<uint8_t>(std::clamp(Round(alpha), 0, 255));
    // Once the zoom has passed the window's edge the picture is simply whole.
    if (mode == TsAnimMode::amZoom && r.Left >= 0 && r.Top >= 0) {
        f.Whole = false;
        f.Rect.Left = Round(r.Left);
        f.Rect.Top = Round(r.Top);
        f.Rect.Right = f.Rect.Left + Round(r.Right - r.Left);
        f.Rect.Bottom = f.Rect.Top + Round(r.Bottom - r.Top);
    }
    return f;
}

}  // namespace

std::vector<TsAnimFrame> ShowFrames(int time, uint8_t finalAlpha, TsAnimMode mode, int32_t width, int32_t height) {
    std::vector<TsAnimFrame> frames;
    const int n = std::max(0, time) / kAnimationFrameMs;
    if (n < 1) return frames;
    const double step = static_cast<double>(finalAlpha) / n;
    const double dx = width / (8.0 * n), dy = height / (8.0 * n);
    ZoomRect r{width / 8.0, height / 8.0, width - width / 8.0, height - height / 8.0};
    double alpha = 0;
    for (int i = 0; i <= n; ++i) {
        alpha = std::min<double>(finalAlpha, alpha + step);
        frames.push_back(FrameAt(alpha, mode, r));
        r.Grow(dx, dy);
    }
    return frames;
}

std::vector<TsAnimFrame> HideFrames(int time, uint8_t startAlpha, TsAnimMode mode, int32_t width, int32_t height) {
    std::vector<TsAnimFrame> frames;
    const int n = std::max(0, time) / kAnimationFrameMs;
    if (n < 1) return frames;
    const double step = static_cast<double>(startAlpha) / n;
    const double dx = -width / (8.0 * n), dy = -height / (8.0 * n);
    ZoomRect r{0, 0, static_cast<double>(width), static_cast<double>(height)};
    double alpha = startAlpha;
    for (int i = 0; i <= n; ++i) {
        alpha = std::max(0.0, alpha - step);
        frames.push_back(FrameAt(alpha, mode, r));
        r.Grow(dx, dy);
    }
    return frames;
}

}  // namespace pakmole
