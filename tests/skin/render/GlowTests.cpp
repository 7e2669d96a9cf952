// The glow behind a text: its area, the Gaussian kernel and two-pass blur of
// the 8-bit mask, and the blend of the glow colour through the mask.
#include <gtest/gtest.h>

#include <numeric>

#include "skin/render/GlowMask.h"
#include "tests/skin/render/RenderFixtures.h"

namespace pakmole::test {
namespace {

TEST(GlowArea, LiesOnePixelRightAndBelowEnlargedBySizePlusFour) {
    const TRect32 text{10, 20, 20, 30};
    const TRect32 area = GlowArea(text, 3);
    EXPECT_EQ(area.Left, 11 - 7);
    EXPECT_EQ(area.Top, 21 - 7);
    EXPECT_EQ(area.Width(), 24);
    EXPECT_EQ(area.Height(), 24);
    const TRect32 inMask = GlowTextRect(text, 3);
    EXPECT_EQ(inMask.Left, 7);
    EXPECT_EQ(inMask.Top, 7);
    EXPECT_EQ(inMask.Right, 17);
    EXPECT_EQ(inMask.Bottom, 17);
}

TEST(PrepareGlowMask, ReusesOnlyAMaskOfTheAreasSize) {
    TGlowMask mask(24, 24, 0);
    EXPECT_TRUE(PrepareGlowMask(mask, {0, 0, 24, 24}));
    EXPECT_EQ(mask.At(5, 5), 0);  // kept as it was
    EXPECT_FALSE(PrepareGlowMask(mask, {0, 0, 25, 24}));
    EXPECT_EQ(mask.Width(), 25);
    EXPECT_EQ(mask.At(24, 23), 255);
    EXPECT_EQ(mask.Stride(), 28);
    EXPECT_FALSE(PrepareGlowMask(mask, {5, 5, 0, 9}));  // negative width counts as 0
    EXPECT_EQ(mask.Width(), 0);
    EXPECT_EQ(mask.Height(), 0);
}

TEST(GlowKernel, RadiusCutsTailsOfAtLeastHalfAByteStep) {
    const struct {
        double sigma;
        int radius;
    } cases[] = {{1, 2}, {2, 5}, {3, 8}, {5, 14}, {10, 30}, {0.2, 1}};
    for (const auto& c : cases) {
        const TGlowKernel k = GlowKernel(c.sigma);
        EXPECT_EQ(k.Radius, c.radius) << c.sigma;
        ASSERT_EQ(k.Weights.size(), static_cast<std::size_t>(2 * c.radius + 1));
        EXPECT_NEAR(std::accumulate(k.Weights.begin(), k.Weights.end(), 0.0), 1.0, 1e-6);
        EXPECT_FLOAT_EQ(k.Weights.front(), k.Weights.back());
    }
}

TEST(BlurMask, TwoPassesWithRoundingBetweenThem) {
    TGlowMask mask(7, 7, 255);
    mask.At(3, 3) = 0;
    BlurMask(mask, 1);
    const int expected[7][7] = {
        {255, 255, 255, 255, 255, 255, 255}, {255, 254, 252, 249, 252, 254, 255}, {255, 252, 240, 230, 240, 252, 255},
        {255, 249, 230, 214, 230, 249, 255}, {255, 252, 240, 230, 240, 252, 255}, {255, 254, 252, 249, 252, 254, 255},
        {255, 255, 255, 255, 255, 255, 255},
    };
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(mask.At(x, y), expected[y][x]) << x << "," << y;
}

TEST(BlurMask, KeepsFlatAreasAndClampsAtTheEdges) {
    for (int value : {255, 0, 77}) {
        TGlowMask mask(5, 3, static_cast<uint8_t>(value));
        BlurMask(mask, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) ASSERT_EQ(mask.At(x, y), value) << value;
    }
    // A dark left column spreads inward only: the edge repeats itself.
    TGlowMask edge(9, 1, 255);
    edge.At(0, 0) = 0;
    BlurMask(edge, 1);
    EXPECT_LT(edge.At(0, 0), edge.At(1, 0));
    EXPECT_LT(edge.At(1, 0), edge.At(2, 0));
    EXPECT_EQ(edge.At(3, 0), 255);
    TGlowMask untouched(3, 3, 255);
    untouched.At(1, 1) = 0;
    BlurMask(untouched, 0);
    EXPECT_EQ(untouched.At(1, 1), 0);
}

TEST(BlendGlowMask, LaysTheGlowColourThroughTheMask) {
    const struct {
        int m;
        uint32_t target, expected;
    } cases[] = {
        {0, 0x00000000, 0xFF0A14C8},    // the glow colour exactly, opaque
        {255, 0x00000000, 0x00000000},  // no glow
        // g + (X - g) * m / 255 truncated toward zero: blue 200 + (0 - 200) * 100 / 255 = 200 - 78.
        {100, 0x00000000, 0x9B070D7A},
        {100, 0x80FFFFFF, 0xCD6A70DD},  // alpha 128 + 127 * 155 / 255
    };
    for (const auto& c : cases) {
        TGlowMask mask(1, 1, static_cast<uint8_t>(c.m));
        TBitmap32 target(3, 3, c.target);
        BlendGlowMask(target, mask, {1, 2, 2, 3}, 0xC8140A);  // red 10, green 20, blue 200
        EXPECT_EQ(target.Pixel(1, 2), c.expected) << c.m;
        EXPECT_EQ(target.Pixel(0, 0), c.target);
    }
}

TEST(BlendGlowMask, ClipsToTheTarget) {
    TGlowMask mask(4, 4, 0);
    TBitmap32 target(2, 2, 0);
    BlendGlowMask(target, mask, {-3, -3, 1, 1}, 0x0000FF);
    EXPECT_EQ(target.Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(target.Pixel(1, 1), 0u);
}

}  // namespace
}  // namespace pakmole::test
