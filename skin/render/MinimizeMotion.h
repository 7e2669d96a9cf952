#pragma once
// The path of a window shrinking toward its taskbar button (and growing back
// from it): where the target lies when no button is known, the per-step
// moves and size changes, and where each frame's picture goes. Portable
// arithmetic; the timer and the picture window drive it.
#include <cstdint>

#include "skin/data/MaskData.h"

namespace pakmole {

enum class TsTaskbarEdge { teLeft, teTop, teRight, teBottom };

// Which screen edge a taskbar with this window rectangle lies on.
TsTaskbarEdge TaskbarEdgeOf(const TRect32& taskbar);
// Without a taskbar button: the point of the taskbar's inner edge across
// from the window's centre, as an empty rectangle.
TRect32 FallbackTarget(const TRect32& taskbar, const TRect32& window);

struct TsMinimizeMotion {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;  // current rectangle
    double DeltaX = 0, DeltaY = 0;  // centre move per step
    double DeltaW = 0, DeltaH = 0;  // half-size change per step
    int Alpha = 255;
    int StartAlpha = 255;
    double AlphaStep = 0;
    int Steps = 1;
};

// Steps of 15 ms over time milliseconds (at least one), from the window's
// rectangle toward target, alpha falling from startAlpha to 0.
TsMinimizeMotion StartMinimize(const TRect32& window, const TRect32& target, int time, int startAlpha);
// One step toward the target; answers whether anything is still seen (alpha above 0).
bool StepMinimize(TsMinimizeMotion& motion);
// One step back toward the window; answers whether the start alpha is not reached yet.
bool StepRestore(TsMinimizeMotion& motion);

// Where one frame goes: the picture is stretched to Width x Height at
// (DrawX, DrawY) of a frame bitmap of the window's size, which is shown
// with its top-left corner at (ScreenX, ScreenY).
struct TsMotionFrame {
    int32_t Width = 0, Height = 0;
    int32_t DrawX = 0, DrawY = 0;
    int32_t ScreenX = 0, ScreenY = 0;
};
TsMotionFrame FrameOf(const TsMinimizeMotion& motion, int32_t bitmapWidth, int32_t bitmapHeight);

}  // namespace pakmole
