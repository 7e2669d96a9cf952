// The arithmetic of state fades (step counts, weights, one frame's blend)
// and where a control's glow window lies.
#include <gtest/gtest.h>

#include <vector>

#include "skin/render/FadeSteps.h"
#include "skin/render/GlowPlacement.h"

namespace pakmole::test {
namespace {

TEST(FadeSteps, FifteenStepsWeighTheOldPictureDownToNothing) {
    // Levels 1 .. 15 of a 15-step fade: 255 - level * 17.
    std::vector<int> weights;
    for (int level = 1; level <= 15; ++level) weights.push_back(FadeWeight(level, 15));
    const std::vector<int> expected = {238, 221, 204, 187, 170, 153, 136, 119, 102, 85, 68, 51, 34, 17, 0};
    EXPECT_EQ(weights, expected);
}

TEST(FadeSteps, WeightsOfOtherStepCounts) {
    const struct {
        int level, iterations, weight;
    } cases[] = {
        {1, 7, 219},   // 255 - 255 / 7 = 255 - 36
        {6, 7, 37},    // 255 - 1530 / 7 = 255 - 218
        {7, 7, 0},     // the last step shows the new picture
        {1, 5, 204},   // the count of a section without the key
        {1, 1, 0},
        {3, 0, 0},     // no steps: the new picture at once, no division by zero
        {1, -4, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(FadeWeight(c.level, c.iterations), c.weight) << c.level << "/" << c.iterations;
}

TEST(FadeSteps, StepCountsAndStartLevels) {
    const struct {
        int section;
        bool fast;
        int iterations;
    } counts[] = {{15, false, 15}, {15, true, 7}, {5, true, 2}, {1, true, 0}, {0, false, 0}};
    for (const auto& c : counts) EXPECT_EQ(FadeIterations(c.section, c.fast), c.iterations) << c.section << c.fast;

    const struct {
        int level, iterations, start;
    } starts[] = {
        {1, 15, 1}, {15, 15, 1},  // a reused timer comes in at the section's count and starts over
        {16, 15, 1}, {0, 15, 1}, {-3, 15, 1}, {7, 15, 7}, {14, 15, 14},
    };
    for (const auto& c : starts) EXPECT_EQ(FadeStartLevel(c.level, c.iterations), c.start) << c.level;
}

TEST(FadeSteps, AFadeCutShortLeavesTheFramesItHasShown) {
    const struct {
        int level, iterations, shown;
    } cases[] = {
        {6, 15, 5},    // five frames painted, the sixth due: the next fade goes back five steps
        {15, 15, 14},  // one frame short of the end
        {2, 15, 1},
        {1, 15, 0},    // nothing painted yet: the next fade starts from rest
        {16, 15, 0},   // the fade has ended
        {0, 15, 0}, {-2, 15, 0}, {3, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(FadeStepsShown(c.level, c.iterations), c.shown) << c.level << "/" << c.iterations;
}

TEST(FadeSteps, TheSixteenthTickOfFifteenStopsTheFade) {
    const struct {
        int level, iterations;
        bool exhausted;
    } cases[] = {{15, 15, false}, {16, 15, true}, {1, 15, false}, {0, 15, false}, {-1, 15, true}, {8, 7, true}};
    for (const auto& c : cases) EXPECT_EQ(FadeExhausted(c.level, c.iterations), c.exhausted) << c.level;
}

TEST(FadeSteps, OneFrameBlendsColoursAndKeepsTheOldAlpha) {
    const struct {
        uint8_t weight;
        uint32_t from, to, expected;
    } cases[] = {
        // red d 255 s 0: (238 * 255) >> 8 = 237; green d 0 s 255: (238 * -255 + 65280) >> 8 = 17
        {238, 0x80FF0000, 0xFF00FF00, 0x80ED1100},
        {0, 0x80102030, 0xFFA0B0C0, 0x80A0B0C0},    // last frame: the new colours, the old alpha
        {255, 0x80102030, 0xFF102030, 0x80102030},  // equal pictures stay as they are
        {128, 0x00000000, 0x00FEFEFE, 0x007F7F7F},  // (128 * -254 + 256 * 254) >> 8 = 127
    };
    for (const auto& c : cases) {
        TBitmap32 from(1, 1, c.from), to(1, 1, c.to), frame;
        ComposeFadeFrame(frame, from, to, c.weight);
        EXPECT_EQ(frame.Pixel(0, 0), c.expected) << int(c.weight);
    }
}

TEST(FadeSteps, PicturesOfDifferentSizesAreNotBlended) {
    TBitmap32 from(2, 1, 0xFF112233), to(1, 1, 0xFFFFFFFF), frame;
    ComposeFadeFrame(frame, from, to, 0);
    ASSERT_EQ(frame.Width(), 2);
    EXPECT_EQ(frame.Pixel(0, 0), 0xFF112233u);
    EXPECT_EQ(frame.Pixel(1, 0), 0xFF112233u);
}

TsMaskData GlowMask(int left, int top, int right, int bottom) {
    TsMaskData mask;
    mask.MarginLeft = static_cast<int16_t>(left);
    mask.MarginTop = static_cast<int16_t>(top);
    mask.MarginRight = static_cast<int16_t>(right);
    mask.MarginBottom = static_cast<int16_t>(bottom);
    return mask;
}

TEST(GlowPlacement, GrowsTheControlByTheMarginsLessTheGlowMargin) {
    // A 100 x 25 button at (200, 300), mask margins 12, glow margin 3.
    const TGlowPlacement p = PlaceGlow({200, 300, 300, 325}, {0, 0, 100, 25}, GlowMask(12, 12, 12, 12), 3);
    EXPECT_EQ(p.FullWidth, 100 + 24 - 6);
    EXPECT_EQ(p.FullHeight, 25 + 24 - 6);
    EXPECT_EQ(p.Left, 200 + 3 - 12);
    EXPECT_EQ(p.Top, 300 + 3 - 12);
    EXPECT_EQ(p.Shown.Left, 0);
    EXPECT_EQ(p.Shown.Top, 0);
    EXPECT_EQ(p.Shown.Right, p.FullWidth);
    EXPECT_EQ(p.Shown.Bottom, p.FullHeight);
}

TEST(GlowPlacement, APartlyHiddenControlShowsGlowOnlyOverItsVisiblePart) {
    const struct {
        TRect32 visible;
        TRect32 shown;
        int left, top;
    } cases[] = {
        // Cut on the right: 30 pixels hidden, the left margin goes too.
        {{0, 0, 70, 25}, {9, 9, 9 + 70, 9 + 25}, 200, 300},
        // Cut on the left and at the top.
        {{10, 5, 100, 25}, {19, 14, 109, 34}, 210, 305},
    };
    for (const auto& c : cases) {
        const TGlowPlacement p = PlaceGlow({200, 300, 300, 325}, c.visible, GlowMask(12, 12, 12, 12), 3);
        EXPECT_EQ(p.Shown.Left, c.shown.Left);
        EXPECT_EQ(p.Shown.Top, c.shown.Top);
        EXPECT_EQ(p.Shown.Right, c.shown.Right);
        EXPECT_EQ(p.Shown.Bottom, c.shown.Bottom);
        EXPECT_EQ(p.Left, c.left);
        EXPECT_EQ(p.Top, c.top);
    }
}

}  // namespace
}  // namespace pakmole::test
