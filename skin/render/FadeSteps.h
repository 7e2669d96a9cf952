#pragma once
// The arithmetic of a state cross-fade: how many steps a change takes, the
// weight of the old picture at each step, and the blend of one frame. The
// timers that drive it live in sFade_win.
#include <cstdint>

#include "skin/data/Bitmap32.h"

namespace pakmole {

// Steps of one fade: the section's count, halved (toward zero) for a fast change.
int32_t FadeIterations(int32_t sectionIterations, bool fast);

// A level outside 1 .. iterations - 1 starts over at 1.
int32_t FadeStartLevel(int32_t level, int32_t iterations);

// Frames a fade has shown when a new change cuts it short at level (the step
// it would show next): the change that follows starts from the last of them
// and takes as many steps back. 0 when it had shown none or had ended.
int32_t FadeStepsShown(int32_t level, int32_t iterations);

// The fade has shown its last frame and must stop at this tick.
inline bool FadeExhausted(int32_t level, int32_t iterations) { return level > iterations || level < 0; }

// Weight of the old picture at a level: 255 - level * 255 / iterations, as a
// byte. The last level (level = iterations) weighs 0 and shows the new picture.
uint8_t FadeWeight(int32_t level, int32_t iterations);

// frame = from blended toward to: d' = (w * (d - s) + 256 * s) >> 8 for blue,
// green and red with d from `from` and s from `to`; alpha is from's. When the
// sizes differ the frame is a plain copy of from.
void ComposeFadeFrame(TBitmap32& frame, const TBitmap32& from, const TBitmap32& to, uint8_t weight);

}  // namespace pakmole
