#pragma once
// The frames of a window appearing or vanishing through a picture of itself:
// one frame every 12 ms, the alpha rising (or falling) in equal steps and,
// in the zoom mode, the picture growing from three quarters of the window to
// its full size (or shrinking the other way). Portable arithmetic; the
// picture window plays the frames.
#include <cstdint>
#include <vector>

#include "skin/data/MaskData.h"

namespace pakmole {

constexpr int kAnimationFrameMs = 12;

enum class TsAnimMode { amFading, amZoom };

struct TsAnimFrame {
    uint8_t Alpha = 0;
    // The whole picture as it is, or stretched into Rect over black.
    bool Whole = true;
    TRect32 Rect;
};

// The frames of showing a width x height picture over time milliseconds up
// to finalAlpha; none when time is under one frame (the picture is then
// shown at once at finalAlpha).
std::vector<TsAnimFrame> ShowFrames(int time, uint8_t finalAlpha, TsAnimMode mode, int32_t width, int32_t height);
// The frames of hiding it from startAlpha down to nothing; none when time is
// under one frame (the picture simply goes).
std::vector<TsAnimFrame> HideFrames(int time, uint8_t startAlpha, TsAnimMode mode, int32_t width, int32_t height);

}  // namespace pakmole
