#include "skin/render/FadeSteps.h"

#include "skin/render/Blend.h"

namespace pakmole {

int32_t FadeIterations(int32_t sectionIterations, bool fast) { return fast ? sectionIterations / 2 : sectionIterations; }

int32_t FadeStartLevel(int32_t level, int32_t iterations) { return (level >= iterations || level <= 0) ? 1 : level; }

int32_t FadeStepsShown(int32_t level, int32_t iterations) {
    return level > 1 && level <= iterations ? level - 1 : 0;
}

uint8_t FadeWeight(int32_t level, int32_t iterations) {
    // A fade of no steps shows the new picture at once.
    if (iterations <= 0) return 0;
    return static_cast<uint8_t>(255 - static_cast<int64_t>(level) * 255 / iterations);
}

void ComposeFadeFrame(TBitmap32& frame, const TBitmap32& from, const TBitmap32& to, uint8_t weight) {
    frame = from;
    if (from.Width() != to.Width() || from.Height() != to.Height()) return;
    BlendOver(frame, to, weight, TPoint32{0, 0}, TRect32{0, 0, to.Width(), to.Height()});
}

}  // namespace pakmole
