// Vertical, horizontal and four-corner gradients: segment boundaries, the
// float stepping with ties to even, clipping and the modes that paint nothing.
#include <gtest/gtest.h>

#include <vector>

#include "skin/data/GradientParser.h"
#include "skin/render/Gradient.h"
#include "tests/skin/render/RenderFixtures.h"

namespace pakmole::test {
namespace {

uint32_t Rgb(int r, int g, int b) {
    return 0xFF000000u | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
}

struct ColumnCase {
    const char* what;
    const char* data;  // as a skin writes it
    int height;
    std::vector<uint32_t> rows;  // expected pixel of every row
};

TEST(PaintGradient, VerticalSegments) {
    const uint32_t S = kSentinel;
    const ColumnCase cases[] = {
        {"one segment at 0 percent still runs to the bottom", "0;255;0;0;0", 6,
         {Rgb(0, 0, 0), Rgb(51, 0, 0), Rgb(102, 0, 0), Rgb(153, 0, 0), Rgb(204, 0, 0), Rgb(255, 0, 0)}},
        {"two segments at 50: the boundary row belongs to the second", "0;255;50;0;0;65280;65280;0;0;0", 10,
         {Rgb(0, 0, 0), Rgb(51, 0, 0), Rgb(102, 0, 0), Rgb(153, 0, 0), Rgb(204, 0, 0), Rgb(0, 255, 0), Rgb(0, 255, 0),
          Rgb(0, 255, 0), Rgb(0, 255, 0), Rgb(0, 255, 0)}},
        {"half steps round to even", "0;5;0;0;0", 3, {Rgb(0, 0, 0), Rgb(2, 0, 0), Rgb(5, 0, 0)}},
        {"blue and green step too", "16711680;65280;0;0;0", 3, {Rgb(0, 0, 255), Rgb(0, 128, 128), Rgb(0, 255, 0)}},
        {"a segment of length 0 ends the whole gradient", "255;255;0;0;0;65280;65280;0;0;0", 4, {S, S, S, S}},
        {"N/A has no segments", "N/A", 2, {S, S}},
        {"mode 3 paints nothing", "0;255;0;3;0", 2, {S, S}},
    };
    for (const auto& c : cases) {
        const TsGradArray segments = ParseGradient(c.data);
        TBitmap32 target(2, c.height, kSentinel);
        PaintGradient(target, {0, 0, 2, c.height}, segments);
        SCOPED_TRACE(c.what);
        for (int y = 0; y < c.height; ++y) {
            EXPECT_EQ(target.Pixel(0, y), c.rows[static_cast<std::size_t>(y)]) << "row " << y;
            EXPECT_EQ(target.Pixel(1, y), c.rows[static_cast<std::size_t>(y)]) << "row " << y;
        }
    }
}

TEST(PaintGradient, TakesOnlyWholeSegmentsOfIntegers) {
    // A non-number inside a segment never reaches the painter: reading the skin fails.
    EXPECT_ANY_THROW(ParseGradient("0;255;x;0;0"));
    // Values past the last whole segment are not read at all.
    const TsGradArray segments = ParseGradient(";;0;;255;0;0;0;;x;");
    ASSERT_EQ(segments.size(), 1u);
    TBitmap32 target(1, 2, kSentinel);
    PaintGradient(target, {0, 0, 1, 2}, segments);
    EXPECT_EQ(target.Pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(target.Pixel(0, 1), Rgb(255, 0, 0));
}

TEST(PaintGradient, ClipsTheRectangleToTheBitmap) {
    const TsGradArray segments = ParseGradient("0;255;0;0;0");
    TBitmap32 target(3, 4, kSentinel);
    // Raised to (0, 0); the bottom past the bitmap is lowered to its last row.
    PaintGradient(target, {-5, -1, 2, 9}, segments);
    EXPECT_EQ(target.Pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(target.Pixel(1, 3), Rgb(255, 0, 0));
    EXPECT_EQ(target.Pixel(2, 0), kSentinel);
}

TEST(PaintGradient, OffsetMovesTheVerticalStart) {
    const TsGradArray segments = ParseGradient("0;255;0;0;0");
    TBitmap32 target(1, 6, kSentinel);
    PaintGradient(target, {0, 0, 1, 6}, segments, 1);
    EXPECT_EQ(target.Pixel(0, 0), kSentinel);
    EXPECT_EQ(target.Pixel(0, 1), Rgb(0, 0, 0));
    EXPECT_EQ(target.Pixel(0, 5), Rgb(255, 0, 0));
}

TEST(PaintGradient, HorizontalComputesOneRowAndCopiesIt) {
    const TsGradArray segments = ParseGradient("0;255;50;1;0;65280;65280;0;1;0");
    TBitmap32 target(10, 3, kSentinel);
    PaintGradient(target, {0, 0, 10, 3}, segments);
    const uint32_t row[] = {Rgb(0, 0, 0),   Rgb(51, 0, 0),  Rgb(102, 0, 0), Rgb(153, 0, 0), Rgb(204, 0, 0),
                            Rgb(0, 255, 0), Rgb(0, 255, 0), Rgb(0, 255, 0), Rgb(0, 255, 0), Rgb(0, 255, 0)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x) EXPECT_EQ(target.Pixel(x, y), row[x]) << x << "," << y;
}

TEST(PaintGradient, FourCornerInterpolatesBetweenCornersAndCentre) {
    // Black corners, a red centre.
    const TsGradArray segments = ParseGradient("0;0;0;2;0;255;0;0;2;0;0;0;0;2;0;0;0;0;2;0;0;0;0;2;0");
    TBitmap32 target(10, 10, kSentinel);
    PaintGradient(target, {0, 0, 10, 10}, segments);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const uint32_t p = target.Pixel(x, y);
            ASSERT_EQ(p & 0xFF00FFFFu, 0xFF000000u) << "only red, opaque, at " << x << "," << y;
            // Symmetric about both middle lines of the rectangle.
            ASSERT_EQ(p, target.Pixel(9 - x, y)) << x << "," << y;
            ASSERT_EQ(p, target.Pixel(x, 9 - y)) << x << "," << y;
        }
    EXPECT_NEAR(static_cast<int>((target.Pixel(0, 0) >> 16) & 0xFF), 26, 1);  // a tenth of the way to the centre
    EXPECT_NEAR(static_cast<int>((target.Pixel(4, 4) >> 16) & 0xFF), 230, 1);
    EXPECT_NEAR(static_cast<int>((target.Pixel(4, 0) >> 16) & 0xFF), 26, 1);  // near the top edge: dark
}

TEST(PaintGradient, FourCornerRepeatsTheLastColourForMissingSegments) {
    const TsGradArray segments = ParseGradient("255;255;0;2;0");
    TBitmap32 target(7, 5, kSentinel);
    PaintGradient(target, {0, 0, 7, 5}, segments);
    for (uint32_t p : target.Pixels()) ASSERT_EQ(p, Rgb(255, 0, 0));
}

}  // namespace
}  // namespace pakmole::test
