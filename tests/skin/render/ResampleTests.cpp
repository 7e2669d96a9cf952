// The filtered resize: kernel shapes, fixed-point weights with mirrored
// edges, the clamp of channel sums, and the size rules.
#include <gtest/gtest.h>

#include <vector>

#include "skin/render/Resample.h"

namespace pakmole::test {
namespace {

TEST(ResampleKernels, WeightsAndRadii) {
    using K = TResampleKernel;
    const struct {
        K kernel;
        double t, weight;
    } cases[] = {
        {K::rkMitchell, 0, 8.0 / 9},        {K::rkMitchell, 0.5, 0.5347222222},  {K::rkMitchell, -1, 1.0 / 18},
        {K::rkMitchell, 1.5, -0.0347222222}, {K::rkMitchell, 2, 0},              {K::rkBox, 0.5, 1},
        {K::rkBox, 0.505, 0},               {K::rkTriangle, 0.25, 0.75},        {K::rkHermite, 0.5, 0.5},
        {K::rkBell, 1, 0.125},              {K::rkBell, 0.25, 0.6875},          {K::rkBSpline, 0, 2.0 / 3},
        {K::rkBSpline, 1, 1.0 / 6},         {K::rkLanczos3, 0, 1},              {K::rkLanczos3, 0.5, 0.6079271019},
        {K::rkLanczos3, 3, 0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(KernelWeight(c.kernel, c.t), c.weight, 1e-9) << static_cast<int>(c.kernel) << " at " << c.t;
    const struct {
        K kernel;
        double radius;
    } radii[] = {{K::rkBox, 0.51}, {K::rkTriangle, 1},  {K::rkHermite, 1}, {K::rkBell, 1.5},
                 {K::rkBSpline, 2}, {K::rkLanczos3, 3}, {K::rkMitchell, 2}};
    for (const auto& r : radii) EXPECT_DOUBLE_EQ(KernelRadius(r.kernel), r.radius);
}

TBitmap32 GreyRows(const std::vector<int>& values, int height) {
    TBitmap32 b(static_cast<int>(values.size()), height);
    for (int y = 0; y < height; ++y)
        for (std::size_t x = 0; x < values.size(); ++x) {
            const uint32_t v = static_cast<uint32_t>(values[x]);
            b.Pixel(static_cast<int>(x), y) = 0xFF000000u | v << 16 | v << 8 | v;
        }
    return b;
}

TEST(ResampleMitchell, MatchesTheFixedPointFilterAcross) {
    // Two equal rows keep their height, so each row is the horizontal pass.
    const struct {
        std::vector<int> source;
        int newWidth;
        std::vector<int> grey;
        std::vector<int> alpha;  // rounded weights need not sum to exactly 1
    } cases[] = {
        {{0, 100, 200, 255}, 2, {55, 185}, {254, 254}},
        {{0, 255}, 3, {28, 166, 255}, {255, 254, 254}},
        {{0, 100, 200, 255}, 3, {27, 133, 236}, {}},
        {{10, 250}, 5, {36, 95, 200, 255, 255}, {255, 255, 255, 255, 255}},
        // Next to a hard edge the negative lobes overshoot: sums below 0 give 0,
        // sums of 0xFF0001 and more give 255.
        {{0, 0, 255, 255}, 7, {0, 0, 37, 184, 255, 255, 255}, {}},
        {{255, 255, 0, 0}, 7, {255, 255, 217, 70, 0, 0, 0}, {}},
    };
    for (const auto& c : cases) {
        TBitmap32 target;
        ResampleMitchell(GreyRows(c.source, 2), target, c.newWidth, 2);
        ASSERT_EQ(target.Width(), c.newWidth);
        ASSERT_EQ(target.Height(), 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < c.newWidth; ++x) {
                const uint32_t p = target.Pixel(x, y);
                const int g = c.grey[static_cast<std::size_t>(x)];
                SCOPED_TRACE(testing::Message() << c.source.size() << " -> " << c.newWidth << " at " << x << "," << y);
                EXPECT_EQ(p & 0xFF, static_cast<uint32_t>(g));
                EXPECT_EQ((p >> 16) & 0xFF, static_cast<uint32_t>(g));
                if (!c.alpha.empty()) {
                    EXPECT_EQ(p >> 24, static_cast<uint32_t>(c.alpha[static_cast<std::size_t>(x)]));
                }
            }
    }
}

TEST(ResampleMitchell, AppliesTheSameFilterDown) {
    TBitmap32 source(2, 4);
    const int column[] = {0, 100, 200, 255};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x) source.Pixel(x, y) = static_cast<uint32_t>(column[y]) << 8;
    TBitmap32 target;
    ResampleMitchell(source, target, 2, 2);
    EXPECT_EQ(target.Pixel(0, 0), 55u << 8);
    EXPECT_EQ(target.Pixel(1, 1), 185u << 8);
}

TEST(ResampleMitchell, SizeRules) {
    const struct {
        int width, height;
    } tooSmall[] = {{1, 5}, {5, 1}, {0, 0}};
    for (const auto& s : tooSmall) {
        TBitmap32 source(s.width, s.height, 0xFF000000), target;
        try {
            ResampleMitchell(source, target, 4, 4);
            ADD_FAILURE() << s.width << "x" << s.height << " was accepted";
        } catch (const EResampleError& e) {
            EXPECT_STREQ(e.what(), "Source bitmap is too small");
        }
    }
    TBitmap32 source = GreyRows({1, 2, 3}, 2);
    TBitmap32 untouched(1, 1, 0xDEADBEEF);
    ResampleMitchell(source, untouched, 3, 0);
    EXPECT_EQ(untouched.Pixel(0, 0), 0xDEADBEEFu);
    TBitmap32 copy;
    ResampleMitchell(source, copy, 3, 2);
    EXPECT_EQ(copy.Pixels(), source.Pixels());
}

}  // namespace
}  // namespace pakmole::test
