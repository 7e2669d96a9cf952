// The exact blend arithmetic: weighted blend over a bitmap, percent colour
// over an area, real-valued colour mix, fills, and the colour effects.
#include <gtest/gtest.h>

#include "skin/render/Blend.h"
#include "skin/render/ColorEffects.h"
#include "tests/skin/render/RenderFixtures.h"

namespace pakmole::test {
namespace {

TEST(BlendOver, WeightsTheTargetAndKeepsItsAlpha) {
    const struct {
        int weight;
        uint32_t target, source, expected;
    } cases[] = {
        {0, 0x40C8C8C8, 0xFF000000, 0x40000000},    // 0 copies the source colours
        {255, 0x40C8C8C8, 0xFF000000, 0x40C7C7C7},  // 255 keeps the target up to one step
        {128, 0x40C8C8C8, 0xFF646464, 0x40969696},  // (128 * 100 + 25600) >> 8 = 150
        {128, 0x40000000, 0xFF010101, 0x40000000},  // floor of a negative step: 0.5 -> 0
        {300, 0x40C8C8C8, 0xFF000000, 0x40C7C7C7},  // weights beyond 255 act as 255
    };
    for (const auto& c : cases) {
        TBitmap32 target(1, 1, c.target), source(1, 1, c.source);
        BlendOver(target, source, c.weight, {0, 0}, {0, 0, 1, 1});
        EXPECT_EQ(target.Pixel(0, 0), c.expected) << c.weight;
    }
}

TEST(BlendOver, ClipsBothRectangles) {
    TBitmap32 target(3, 3, 0xFF000000), source(3, 3);
    FillCoded(source, 3, 3);
    BlendOver(target, source, 0, {-1, 1}, {0, 0, 3, 3});
    EXPECT_EQ(target.Pixel(0, 1), Code(1, 0));
    EXPECT_EQ(target.Pixel(1, 2), Code(2, 1));
    EXPECT_EQ(target.Pixel(2, 1), 0xFF000000u);
    EXPECT_EQ(target.Pixel(0, 0), 0xFF000000u);
}

TEST(ColorOver, RoundsThePercentMixToEven) {
    const struct {
        int percent;
        uint32_t target;
        int32_t color;
        uint32_t expected;
    } cases[] = {
        {50, 0x7F010301, 0x020202, 0x7F020202},  // 1.5 -> 2, 2.5 -> 2
        {30, 0x7F646464, 0xC8C8C8, 0x7FAAAAAA},  // 0.3 * 100 + 0.7 * 200 = 170
        {30, 0x7F050F00, 0x000000, 0x7F020400},  // 1.5 -> 2, 4.5 -> 4
        {100, 0x7F123456, 0xFFFFFF, 0x7F123456},
        {0, 0x7F123456, 0x332211, 0x7F112233},  // the colour's red byte goes to the pixel's red
    };
    for (const auto& c : cases) {
        TBitmap32 target(1, 1, c.target);
        ColorOver(target, {0, 0, 5, 5}, c.percent, c.color);
        EXPECT_EQ(target.Pixel(0, 0), c.expected) << c.percent << " " << std::hex << c.target;
    }
}

TEST(Mix, RoundsToEvenAndKeepsTheFirstHighByte) {
    const struct {
        int32_t a, b;
        double x;
        int32_t expected;
    } cases[] = {
        {0x010203, 0x020202, 0.5, 0x020202},
        {0x7F000003, 0x00000002, 0.5, 0x7F000002},
        {0xFFFFFF, 0x000000, 0.4, 0x666666},
        {0x000000, 0xFFFFFF, 1.0, 0x000000},
    };
    for (const auto& c : cases) EXPECT_EQ(Mix(c.a, c.b, c.x), c.expected) << std::hex << c.a;
}

TEST(FillColor, FillsTheClippedRectangleInPixelOrder) {
    TBitmap32 target(3, 2, kSentinel);
    FillColor(target, {2, -4, 9, 1}, 0x332211);
    EXPECT_EQ(target.Pixel(2, 0), 0xFF112233u);
    EXPECT_EQ(target.Pixel(1, 0), kSentinel);
    EXPECT_EQ(target.Pixel(2, 1), kSentinel);
    FillColor(target, {0, 1, 1, 2}, 0x0000FF, 0);
    EXPECT_EQ(target.Pixel(0, 1), 0x00FF0000u);
}

TEST(ColorEffects, HueSaturationAndGrayLeaveKeyPixelsAlone) {
    const struct {
        const char* what;
        int hue, saturation;
        bool gray;
        uint32_t before, after;
    } cases[] = {
        {"hue 120 turns red green", 120, 0, false, 0x80FF0000, 0x8000FF00},
        {"hue skips grey", 120, 0, false, 0xFF808080, 0xFF808080},
        {"hue skips key", 120, 0, false, kKey, kKey},
        {"saturation -100 greys", 0, -100, false, 0xFFFF0000, 0xFF555555},
        {"saturation skips key", 0, -100, false, kKey, kKey},
        {"gray averages", 0, 0, true, 0x40102030, 0x40202020},
        {"gray truncates", 0, 0, true, 0xFF000102, 0xFF010101},
        {"gray skips key", 0, 0, true, kKey, kKey},
    };
    for (const auto& c : cases) {
        TBitmap32 target(2, 1, c.before);
        const TRect32 r{0, 0, 1, 1};
        ShiftHueArea(target, r, c.hue);
        ChangeSaturationArea(target, r, c.saturation);
        if (c.gray) GrayArea(target, r);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(target.Pixel(0, 0), c.after);
        EXPECT_EQ(target.Pixel(1, 0), c.before);
    }
}

}  // namespace
}  // namespace pakmole::test
