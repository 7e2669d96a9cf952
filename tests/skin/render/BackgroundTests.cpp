// Textures in their draw modes and the composition of a section background
// and of a whole control: transparency against the parent, gradient and
// texture layers, corner images, frame mask and the looks built on them.
#include <gtest/gtest.h>

#include "skin/data/GradientParser.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/SectionBg.h"
#include "skin/render/Texture.h"
#include "tests/skin/render/RenderFixtures.h"

namespace pakmole::test {
namespace {

uint32_t Grey(int v) { return 0xFF000000u | static_cast<uint32_t>(v) * 0x010101u; }

TEST(PaintTexture, DrawModesAndTheirRemainders) {
    const struct {
        int mode;
        int x, y;
        uint32_t expected;
        TRect32 remainder;
    } cases[] = {
        {0, 1, 1, Code(10, 20), {1, 1, 1, 1}},   {0, 7, 1, Code(10, 20), {1, 1, 1, 1}},   // one cut column
        {0, 2, 4, Code(11, 21), {1, 1, 1, 1}},   {10, 5, 2, Code(11, 21), {1, 1, 1, 1}},
        {1, 7, 4, Code(12, 21), {1, 1, 1, 1}},   {1, 4, 2, Code(11, 20), {1, 1, 1, 1}},   // nearest pixel
        {2, 4, 2, Code(10, 21), {1, 3, 8, 5}},   {2, 1, 3, kSentinel, {1, 3, 8, 5}},
        {3, 3, 4, Code(12, 21), {4, 1, 8, 5}},   {3, 4, 1, kSentinel, {4, 1, 8, 5}},
        {4, 7, 1, Code(12, 20), {1, 3, 8, 5}},   {4, 7, 3, kSentinel, {1, 3, 8, 5}},
        {5, 1, 4, Code(10, 21), {4, 1, 8, 5}},   {6, 1, 3, Code(10, 20), {1, 1, 8, 3}},
        {6, 1, 2, kSentinel, {1, 1, 8, 3}},      {7, 5, 1, Code(10, 20), {1, 1, 5, 5}},
        {99, 7, 4, Code(12, 21), {1, 1, 5, 5}},  {99, 4, 1, kSentinel, {1, 1, 5, 5}},
    };
    for (const auto& c : cases) {
        SkinFixture skin;
        const TsMaskData& m = skin.AddMask({10, 20, 13, 22}, 1, 0, c.mode, 0, 0, 0, 0, "S", "PATTERN", 1);
        TBitmap32 target(8, 5, kSentinel);
        const TRect32 rest = PaintTexture(target, {1, 1, 8, 5}, TextureOfMask(m), {});
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " at " << c.x << "," << c.y);
        EXPECT_EQ(target.Pixel(c.x, c.y), c.expected);
        EXPECT_EQ(target.Pixel(0, 0), kSentinel);
        if (c.remainder.Width() > 0) {
            EXPECT_EQ(rest.Left, c.remainder.Left);
            EXPECT_EQ(rest.Top, c.remainder.Top);
            EXPECT_EQ(rest.Right, c.remainder.Right);
            EXPECT_EQ(rest.Bottom, c.remainder.Bottom);
        } else {
            EXPECT_TRUE(rest.Width() <= 0 || rest.Height() <= 0);
        }
    }
}

// A fixture with one section "S" and helpers to paint it.
struct SectionFixture : SkinFixture {
    int section;
    SectionFixture(int32_t color, int transparency = 0) {
        AddSection("S", color, transparency);
        section = LastSection();
    }
    TsGenState& Normal() { return model->Sections[static_cast<std::size_t>(section)].Props[0]; }
    void Gradient(const char* data, int percent) {
        Normal().GradientData = data;
        *Normal().Gradient = ParseGradient(data);
        Normal().GradientPercent = percent;
    }
    // A texture of uniform colour at (40, 40), 4 x 4, with the given draw mode.
    int Texture(uint32_t pixel, int mode, int percent) {
        for (int y = 40; y < 44; ++y)
            for (int x = 40; x < 44; ++x) model->MasterBitmap.Pixel(x, y) = pixel;
        AddMask({40, 40, 44, 44}, 1, 0, mode, 0, 0, 0, 0, "S", "PATTERN", 1);
        Normal().ImagePercent = percent;
        return LastMask();
    }
    TBitmap32 Paint(const TBgSource& parent, int width = 8, int height = 8, int32_t custom = 0xFF00FF,
                    TPoint32 offset = {}, int state = 0) {
        TBitmap32 target(width, height, kSentinel);
        PaintSectionBg(section, "S", parent, custom, -1, -1, *model, target, offset, {0, 0, width, height}, state);
        return target;
    }
};

TBgSource ColourParent(int32_t color) {
    TBgSource bg;
    bg.Color = color;
    return bg;
}

TEST(PaintSectionBg, FullyTransparentShowsTheParentExactly) {
    SectionFixture s(0x0000FF, 100);
    TBitmap32 parent;
    FillCoded(parent, 20, 20);
    const TBitmap32 out = s.Paint(BgSourceOfBitmap(&parent, 2, 3), 4, 4, 0xFF00FF, {1, 1});
    EXPECT_EQ(out.Pixel(0, 0), Code(3, 4));
    EXPECT_EQ(out.Pixel(3, 3), Code(6, 7));
}

TEST(PaintSectionBg, FullyTransparentOverAColourParentKeepsItsValidBorderBand) {
    SectionFixture s(0x0000FF, 100);
    TBitmap32 parent;
    FillCoded(parent, 10, 10);
    TBgSource bg = ColourParent(0x00FF00);
    bg.Bitmap = &parent;
    bg.Insets = {2, 2, 2, 2};
    const TBitmap32 out = s.Paint(bg, 10, 10);
    EXPECT_EQ(out.Pixel(0, 0), Code(0, 0));
    EXPECT_EQ(out.Pixel(1, 5), Code(1, 5));
    EXPECT_EQ(out.Pixel(8, 5), Code(8, 5));
    EXPECT_EQ(out.Pixel(5, 9), Code(5, 9));
    EXPECT_EQ(out.Pixel(2, 2), 0xFF00FF00u);
    EXPECT_EQ(out.Pixel(7, 7), 0xFF00FF00u);
}

TEST(PaintSectionBg, HalfTransparentOverAColourIsTheRoundedMean) {
    SectionFixture s(0x000000, 50);
    const TBitmap32 out = s.Paint(ColourParent(0x030201));
    // Halves of 1, 2, 3: 0.5 -> 0, 1, 1.5 -> 2.
    EXPECT_EQ(out.Pixel(0, 0), 0xFF000102u);
    EXPECT_EQ(out.Pixel(7, 7), 0xFF000102u);
}

TEST(PaintSectionBg, HalfTransparentOverABitmapBlendsWithWeight128) {
    SectionFixture s(0x000000, 50);
    TBitmap32 parent(8, 8, 0xF0C9C9C9);
    const TBitmap32 out = s.Paint(BgSourceOfBitmap(&parent, 0, 0));
    // round(50 * 2.55) = 128 (127.5 to even) on the parent: (128 * 201) >> 8 = 100.
    EXPECT_EQ(out.Pixel(3, 3), 0xF0646464u);
}

TEST(PaintSectionBg, HalfTransparentGradientOverAColourBlendsWithWeight128) {
    SectionFixture s(0x000000, 50);
    s.Gradient("100;100;0;0;0", 100);
    TBitmap32 band;
    FillCoded(band, 8, 8);
    TBgSource parent = ColourParent(0x0000C8);
    parent.Bitmap = &band;  // a valid border band is not copied under a partly transparent section
    parent.Insets = {4, 4, 4, 4};
    // Red: (128 * (200 - 100) + 256 * 100) >> 8 = 150.
    const TBitmap32 out = s.Paint(parent);
    EXPECT_EQ(out.Pixel(0, 0), 0xFF960000u);
    EXPECT_EQ(out.Pixel(4, 4), 0xFF960000u);
}

TEST(PaintSectionBg, UnknownParentShowsTheSectionColourUnmixed) {
    SectionFixture s(0x102030, 50);
    const TBitmap32 out = s.Paint(ColourParent(0xFF00FF));
    EXPECT_EQ(out.Pixel(4, 4), 0xFF302010u);
}

TEST(PaintSectionBg, CustomColourIgnoresTransparencyGradientAndTexture) {
    SectionFixture s(0x102030, 50);
    s.Gradient("255;255;0;0;0", 100);
    const TBitmap32 out = s.Paint(ColourParent(0xFFFFFF), 8, 8, 0x0000FF);
    EXPECT_EQ(out.Pixel(4, 4), 0xFFFF0000u);
}

TEST(PaintSectionBg, GradientLayers) {
    const struct {
        const char* what;
        const char* data;
        int percent;
        uint32_t expected;
    } cases[] = {
        {"whole gradient", "100;100;0;0;0", 100, 0xFF640000},
        {"N/A paints the colour", "N/A", 100, 0xFF00FF00},
        {"40 percent: colour over the rest", "100;100;0;0;0", 40, 0xFF289900},  // 0.4 * 100, 0.6 * 255
    };
    for (const auto& c : cases) {
        SectionFixture s(0x00FF00);
        s.Gradient(c.data, c.percent);
        EXPECT_EQ(s.Paint({}).Pixel(3, 3), c.expected) << c.what;
    }
}

TEST(PaintSectionBg, TiledTextureWithGradientInOnePassUsesWeight76) {
    SectionFixture s(0x00FF00);
    s.Gradient("0;0;0;0;0", 70);
    s.Texture(0xFFFFFFFF, 0, 30);
    // (76 * 255) >> 8 = 75; a rounded weight of 77 would give 76.
    EXPECT_EQ(s.Paint({}).Pixel(5, 6), Grey(75));
}

TEST(PaintSectionBg, TextureLayers) {
    const struct {
        const char* what;
        int mode, imagePercent, gradientPercent;
        uint32_t band, rest;  // pixels (1, 1) and (1, 6)
    } cases[] = {
        {"tiled texture only", 0, 100, 0, Grey(255), Grey(255)},
        {"band texture leaves the colour below", 2, 100, 0, Grey(255), 0xFF0000FF},
        // Texture at 50 with a 50 percent gradient laid over with weight 127.
        {"band texture under a gradient", 2, 50, 50, Grey(126), 0xFF00007E},
        {"texture share below 100: the colour over it", 0, 60, 0, 0xFF9999FF, 0xFF9999FF},
    };
    for (const auto& c : cases) {
        SectionFixture s(0xFF0000);  // blue
        s.Texture(0xFFFFFFFF, c.mode, c.imagePercent);
        if (c.gradientPercent > 0) s.Gradient("0;0;0;0;0", c.gradientPercent);
        const TBitmap32 out = s.Paint({});
        SCOPED_TRACE(c.what);
        EXPECT_EQ(out.Pixel(1, 1), c.band);
        EXPECT_EQ(out.Pixel(1, 6), c.rest);
    }
}

TEST(PaintSectionBg, SeparateTextureImageWhenNoRecordIsValid) {
    SectionFixture s(0x000000);
    s.Normal().ImagePercent = 100;
    TsPatternData& p = s.model->Patterns.emplace_back();
    p.SectionName = "S";
    p.PropertyName = "PATTERN";
    p.Image = std::make_unique<TBitmap32>(3, 3, 0xFF0A0B0C);
    EXPECT_EQ(s.Paint({}).Pixel(7, 7), 0xFF0A0B0Cu);
}

TEST(PaintSectionBg, MaskedTextureOfTheControlDecoratesTheNormalStateOnly) {
    SectionFixture s(0x000000);
    // A 2 x 2 image over a mask band of 0 (show the image).
    for (int y = 50; y < 52; ++y)
        for (int x = 50; x < 52; ++x) s.model->MasterBitmap.Pixel(x, y + 2) = 0;
    s.AddMask({50, 50, 52, 54}, 1, 1, 10, 0, 0, 0, 0, "S", "PATTERN", 1);
    for (int state : {0, 1}) {
        TBitmap32 target(4, 4, kSentinel);
        PaintSectionBg(s.section, "S", {}, 0xFF00FF, -1, s.LastMask(), *s.model, target, {}, {0, 0, 4, 4}, state);
        SCOPED_TRACE(state);
        EXPECT_EQ(target.Pixel(3, 3), state == 0 ? Code(51, 51) : 0xFF000000u);
    }
}

TEST(PaintControl, CornersFrameAndColourAdjustment) {
    SectionFixture s(0x0000FF);  // red
    TsGeneralData& section = s.model->Sections[0];
    s.AddMask({0, 0, 6, 6}, 1, 0, 0, 2, 2, 2, 2);  // frame without centre
    const int frame = s.LastMask();
    s.AddMask({20, 0, 22, 2}, 1, 0, 0, 0, 0, 0, 0, "S", "TR", 2);
    section.CornerTopRight = s.LastMask();
    TsControlPaintData control;
    control.Skin = s.model.get();
    control.SectionIndex = 0;
    control.FrameMaskIndex = frame;

    TBitmap32 target(10, 8, kSentinel);
    PaintControl(control, {}, false, target, {}, {0, 0, 10, 8}, 0);
    EXPECT_EQ(target.Pixel(5, 4), 0xFFFF0000u);  // section colour in the centre
    EXPECT_EQ(target.Pixel(0, 0), Code(0, 0));  // frame corner over everything
    EXPECT_EQ(target.Pixel(9, 7), Code(5, 5));

    // Without a frame the corner image shows at the right edge; a hue shift recolours.
    control.FrameMaskIndex = -1;
    control.HUEOffset = 120;
    TBitmap32 hued(10, 8, kSentinel);
    PaintControl(control, {}, false, hued, {}, {0, 0, 10, 8}, 0);
    EXPECT_EQ(hued.Pixel(5, 4), 0xFF00FF00u);
    EXPECT_EQ(hued.Pixel(8, 0) & 0xFF000000u, 0xFF000000u);
    TBitmap32 plainCorner(10, 8, kSentinel);
    control.HUEOffset = 0;
    PaintControl(control, {}, false, plainCorner, {}, {0, 0, 10, 8}, 0);
    EXPECT_EQ(plainCorner.Pixel(8, 0), Code(20, 0));
    EXPECT_EQ(plainCorner.Pixel(9, 1), Code(21, 1));
}

TEST(PaintControl, TransparentSectionWithoutFrameStopsBeforeColourAdjustment) {
    SectionFixture s(0x0000FF, 50);
    TsControlPaintData control;
    control.Skin = s.model.get();
    control.SectionIndex = 0;
    control.HUEOffset = 120;
    TBitmap32 target(4, 4, kSentinel);
    PaintControl(control, ColourParent(0x0000FF), false, target, {}, {0, 0, 4, 4}, 0);
    EXPECT_EQ(target.Pixel(1, 1), 0xFFFF0000u);  // still red: no hue shift
}

TEST(PaintControl, PaintsNothingWithoutAValidSectionOrOutsideTheBitmap) {
    SectionFixture s(0x0000FF);
    TsControlPaintData control;
    control.Skin = s.model.get();
    const struct {
        int section;
        TRect32 rect;
    } cases[] = {{-1, {0, 0, 4, 4}}, {1, {0, 0, 4, 4}}, {0, {4, 0, 8, 4}}, {0, {-4, 0, 0, 4}}};
    for (const auto& c : cases) {
        control.SectionIndex = c.section;
        TBitmap32 target(4, 4, kSentinel);
        PaintControl(control, {}, false, target, {}, c.rect, 0);
        for (uint32_t p : target.Pixels()) ASSERT_EQ(p, kSentinel) << c.section;
    }
}

TEST(DisabledLook, BlendedOverTheParentImageOrHalfTheParentColour) {
    TBitmap32 parent(4, 1);
    parent.Pixel(1, 0) = Grey(200);
    parent.Pixel(2, 0) = Grey(201);
    parent.Pixel(3, 0) = kKey;
    TBitmap32 cache(3, 1, 0x80646464);
    PaintDisabledBlended(cache, BgSourceOfBitmap(&parent, 0, 0), {1, 0}, 0);
    EXPECT_EQ(cache.Pixel(0, 0), 0x80A0A0A0u);  // (3 * 200 + 2 * 100) / 5 = 160
    EXPECT_EQ(cache.Pixel(1, 0), 0x80A1A1A1u);  // 160.6 -> 161
    EXPECT_EQ(cache.Pixel(2, 0), 0x80646464u);  // key pixel of the parent: kept

    TBitmap32 flat(1, 1, 0x80000000);
    PaintDisabledBlended(flat, ColourParent(0x0000C8), {}, 0);
    EXPECT_EQ(flat.Pixel(0, 0), 0x80640000u);
    TBitmap32 fallback(1, 1, 0x80000000);
    PaintDisabledBlended(fallback, ColourParent(0xFF00FF), {}, 0x00C800);
    EXPECT_EQ(fallback.Pixel(0, 0), 0x80006400u);

    TBitmap32 grayed(2, 1, 0xFF102030);
    grayed.Pixel(1, 0) = kKey;
    PaintDisabledGrayed(grayed);
    EXPECT_EQ(grayed.Pixel(0, 0), 0xFF202020u);
    EXPECT_EQ(grayed.Pixel(1, 0), kKey);
}

TEST(ChildBgColor, FollowsTransparency) {
    const struct {
        int transparency;
        bool hasParent;
        int32_t expected;
    } cases[] = {
        {0, true, 0x000000}, {100, true, 0xFFFFFF}, {100, false, 0x123456}, {50, true, 0x313131}, {50, false, 0x030A10},
    };
    for (const auto& c : cases) {
        TsGeneralData section;
        section.Props[0].Color = 0x000000;
        section.Props[0].Transparency = c.transparency;
        const std::optional<int32_t> parent = c.hasParent ? std::optional<int32_t>(0xFFFFFF) : std::nullopt;
        EXPECT_EQ(ChildBgColor(section, parent, 0x123456), c.expected) << c.transparency << " " << c.hasParent;
    }
}

}  // namespace
}  // namespace pakmole::test
