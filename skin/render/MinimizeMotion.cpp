#include "skin/render/MinimizeMotion.h"

#include <algorithm>
#include <cmath>

namespace pakmole {

namespace {
int32_t Round(double value) { return static_cast<int32_t>(std::lround(value)); }
}  // namespace

TsTaskbarEdge TaskbarEdgeOf(const TRect32& t) {
    if (t.Top != 0) return t.Left >= -4 && t.Left <= 0 ? TsTaskbarEdge::teBottom : TsTaskbarEdge::teRight;
    // A bar along the top also starts at the left edge: its shape tells it apart.
    if (t.Width() > t.Height()) return TsTaskbarEdge::teTop;
    return t.Left == 0 ? TsTaskbarEdge::teLeft : TsTaskbarEdge::teRight;
}

TRect32 FallbackTarget(const TRect32& taskbar, const TRect32& window) {
    const int32_t cx = window.Left + window.Width() / 2, cy = window.Top + window.Height() / 2;
    switch (TaskbarEdgeOf(taskbar)) {
    case TsTaskbarEdge::teLeft: return {taskbar.Right, cy, taskbar.Right, cy};
    case TsTaskbarEdge::teRight: return {taskbar.Left, cy, taskbar.Left, cy};
    case TsTaskbarEdge::teTop: return {cx, taskbar.Bottom, cx, taskbar.Bottom};
    case TsTaskbarEdge::teBottom: break;
    }
    return {cx, taskbar.Top, cx, taskbar.Top};
}

TsMinimizeMotion StartMinimize(const TRect32& window, const TRect32& target, int time, int startAlpha) {
    TsMinimizeMotion m;
    m.Steps = std::max(1, time / 15);
    m.Left = window.Left;
    m.Top = window.Top;
    m.Right = window.Right;
    m.Bottom = window.Bottom;
    const double k = m.Steps;
    const double scx = window.Left + window.Width() / 2, scy = window.Top + window.Height() / 2;
    const double tcx = target.Left + target.Width() / 2, tcy = target.Top + target.Height() / 2;
    m.DeltaX = (tcx - scx) / k;
    m.DeltaY = (tcy - scy) / k;
    m.DeltaW = (window.Width() - target.Width()) / (2 * k);
    m.DeltaH = (window.Height() - target.Height()) / (2 * k);
    m.Alpha = m.StartAlpha = startAlpha;
    m.AlphaStep = static_cast<double>(startAlpha) / std::max(1, m.Steps - 1);
    return m;
}

bool StepMinimize(TsMinimizeMotion& m) {
    m.Left += m.DeltaX + m.DeltaW;
    m.Right += m.DeltaX - m.DeltaW;
    m.Top += m.DeltaY + m.DeltaH;
    m.Bottom += m.DeltaY - m.DeltaH;
    m.Alpha = std::max(0, Round(m.Alpha - m.AlphaStep));
    return m.Alpha > 0;
}

bool StepRestore(TsMinimizeMotion& m) {
    m.Left -= m.DeltaX + m.DeltaW;
    m.Right -= m.DeltaX - m.DeltaW;
    m.Top -= m.DeltaY + m.DeltaH;
    m.Bottom -= m.DeltaY - m.DeltaH;
    m.Alpha = std::min(m.StartAlpha, Round(m.Alpha + m.AlphaStep));
    return m.Alpha < m.StartAlpha;
}

TsMotionFrame FrameOf(const TsMinimizeMotion& m, int32_t bitmapWidth, int32_t bitmapHeight) {
    TsMotionFrame f;
    const double w = std::max(0.0, m.Right - m.Left), h = std::max(0.0, m.Bottom - m.Top);
    f.Width = Round(w);
    f.Height = Round(h);
    f.DrawX = (bitmapWidth - f.Width) / 2;
    f.DrawY = (bitmapHeight - f.Height) / 2;
    f.ScreenX = Round(w / 2 + m.Left) - bitmapWidth / 2;
    f.ScreenY = Round(h / 2 + m.Top) - bitmapHeight / 2;
    return f;
}

}  // namespace pakmole
