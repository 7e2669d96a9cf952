// Frame masks, image records and the keyed copy, masked blend and masked
// stretch under them, checked pixel by pixel against a master bitmap whose
// pixels name their own position.
#include <gtest/gtest.h>

#include <vector>

#include "skin/render/MaskPainter.h"
#include "tests/skin/render/RenderFixtures.h"

namespace pakmole::test {
namespace {

struct StateSizeCase {
    int width, height, frames, maskKind;
    int stateWidth, stateHeight;
};

TEST(StateSize, FollowsFramesAndMaskBands) {
    const StateSizeCase cases[] = {
        {30, 20, 0, 0, 0, 20}, {30, 20, 1, 0, 30, 20}, {30, 20, 3, 1, 10, 10},
        {30, 20, 4, 2, 7, 6},  {30, 20, 2, -1, 15, 0},
    };
    for (const auto& c : cases) {
        TsMaskData m;
        m.SrcRect = {0, 0, c.width, c.height};
        m.FrameCount = static_cast<int16_t>(c.frames);
        m.MaskKind = static_cast<int16_t>(c.maskKind);
        SCOPED_TRACE(testing::Message() << c.frames << " frames, mask kind " << c.maskKind);
        EXPECT_EQ(StateWidth(m), c.stateWidth);
        EXPECT_EQ(StateHeight(m), c.stateHeight);
    }
}

struct PieceCase {
    int targetWidth, targetHeight;
    int x, y;  // target pixel
    int srcX, srcY;  // the master pixel expected there
};

TEST(PaintFrameMask, ShrinksMarginsGivingTheOddPixelUpRightAndBelow) {
    SkinFixture skin;
    const TsMaskData& m = skin.AddMask({0, 0, 13, 13}, 1, 0, 4, 6, 6, 6, 6);
    const PieceCase cases[] = {
        // 10 x 10: margins 5/5/5/5, so the right corner starts at source x 8.
        {10, 10, 0, 0, 0, 0}, {10, 10, 4, 4, 4, 4}, {10, 10, 5, 0, 8, 0}, {10, 10, 9, 0, 12, 0},
        {10, 10, 0, 5, 0, 8}, {10, 10, 9, 9, 12, 12},
        // 9 x 9: left and top keep 5, right and bottom give up the odd pixel (4).
        {9, 9, 4, 4, 4, 4}, {9, 9, 5, 0, 9, 0}, {9, 9, 8, 0, 12, 0}, {9, 9, 0, 5, 0, 9}, {9, 9, 8, 8, 12, 12},
        // Room for the margins: nothing shrinks; edges and centre tile their 1-pixel source.
        {20, 20, 6, 6, 6, 6}, {20, 20, 13, 13, 6, 6}, {20, 20, 10, 0, 6, 0}, {20, 20, 14, 14, 7, 7},
        {20, 20, 19, 19, 12, 12}, {20, 20, 0, 10, 0, 6},
    };
    for (const auto& c : cases) {
        TBitmap32 target(c.targetWidth, c.targetHeight, kSentinel);
        PaintFrameMask(target, {0, 0, c.targetWidth, c.targetHeight}, 0, m, false, {});
        SCOPED_TRACE(testing::Message() << c.targetWidth << "x" << c.targetHeight << " at " << c.x << "," << c.y);
        EXPECT_EQ(target.Pixel(c.x, c.y), Code(c.srcX, c.srcY));
    }
}

TEST(PaintFrameMask, PicksTheStateSubImageAndTheLastForStatesBeyond) {
    SkinFixture skin;
    const TsMaskData& m = skin.AddMask({0, 0, 20, 5}, 2, 0, 4, 2, 2, 2, 2);
    const struct {
        int state, srcX;
    } cases[] = {{0, 0}, {1, 10}, {2, 10}, {7, 10}};
    for (const auto& c : cases) {
        TBitmap32 target(10, 5, kSentinel);
        PaintFrameMask(target, {0, 0, 10, 5}, c.state, m, false, {});
        SCOPED_TRACE(c.state);
        EXPECT_EQ(target.Pixel(0, 0), Code(c.srcX, 0));
        EXPECT_EQ(target.Pixel(9, 4), Code(c.srcX + 9, 4));
    }
}

TEST(PaintFrameMask, StretchTileAndCentreFlags) {
    SkinFixture skin;
    // 9 x 9 with margins 3: a 3 x 3 centre, painted into 12 x 12 (a 6 x 6 span).
    const struct {
        int flags;
        uint32_t leftEdge;  // target (0, 6)
        uint32_t centre;  // target (6, 6)
    } cases[] = {
        {1, Code(0, 4), kSentinel},  // stretched, centre untouched
        {5, Code(0, 4), Code(4, 4)},  // stretched centre: nearest pixel 3 + 3 * 3 / 6
        {0, Code(0, 3), kSentinel},  // tiled: rows 3, 4, 5, 3, 4, 5
        {4, Code(0, 3), Code(3, 3)},
    };
    for (const auto& c : cases) {
        SkinFixture local;
        const TsMaskData& m = local.AddMask({0, 0, 9, 9}, 1, 0, c.flags, 3, 3, 3, 3);
        TBitmap32 target(12, 12, kSentinel);
        PaintFrameMask(target, {0, 0, 12, 12}, 1, m, false, {});
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(target.Pixel(0, 6), c.leftEdge);
        EXPECT_EQ(target.Pixel(6, 6), c.centre);
        EXPECT_EQ(target.Pixel(11, 11), Code(8, 8));
    }
}

TEST(PaintFrameMask, TilesWithExactlyOneCutTileAtTheEnd) {
    SkinFixture skin;
    // A 4 x 4 state with margins 1: 2-pixel edge tiles over a 5-pixel span.
    const TsMaskData& m = skin.AddMask({0, 0, 4, 4}, 1, 0, 4, 1, 1, 1, 1);
    TBitmap32 target(7, 7, kSentinel);
    PaintFrameMask(target, {0, 0, 7, 7}, 0, m, false, {});
    const int topRowSources[] = {0, 1, 2, 1, 2, 1, 3};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(target.Pixel(x, 0), Code(topRowSources[x], 0)) << x;
    for (int y = 0; y < 7; ++y) EXPECT_EQ(target.Pixel(0, y), Code(0, topRowSources[y])) << y;
    EXPECT_EQ(target.Pixel(5, 5), Code(1, 1));
}

TEST(PaintFrameMask, PaintsNothingForDegenerateInput) {
    const struct {
        const char* what;
        int flags, state, width, height;
        bool owned;
        int margin;
    } cases[] = {
        {"hidden in the normal state", 6, 0, 8, 8, true, 2},
        {"narrower than 2", 4, 1, 1, 8, true, 2},
        {"lower than 2", 4, 1, 8, 1, true, 2},
        {"no owner", 4, 1, 8, 8, false, 2},
        {"negative centre", 4, 1, 20, 20, true, 4},
    };
    for (const auto& c : cases) {
        SkinFixture skin;
        TsMaskData& m = skin.AddMask({0, 0, 6, 6}, 1, 0, c.flags, c.margin, c.margin, c.margin, c.margin);
        if (!c.owned) m.Owner = nullptr;
        TBitmap32 target(20, 20, kSentinel);
        PaintFrameMask(target, {0, 0, c.width, c.height}, c.state, m, false, {});
        SCOPED_TRACE(c.what);
        for (uint32_t p : target.Pixels()) ASSERT_EQ(p, kSentinel);
    }
    // The same record hidden in the normal state shows when hot.
    SkinFixture skin;
    const TsMaskData& m = skin.AddMask({0, 0, 6, 6}, 1, 0, 6, 2, 2, 2, 2);
    TBitmap32 target(8, 8, kSentinel);
    PaintFrameMask(target, {0, 0, 8, 8}, 1, m, false, {});
    EXPECT_EQ(target.Pixel(0, 0), Code(0, 0));
}

TEST(PaintFrameMask, ClipsToTheTarget) {
    SkinFixture skin;
    const TsMaskData& m = skin.AddMask({0, 0, 9, 9}, 1, 0, 4, 3, 3, 3, 3);
    TBitmap32 target(6, 6, kSentinel);
    PaintFrameMask(target, {-4, -5, 8, 7}, 0, m, false, {});
    // Target (0, 0) is pixel (4, 5) of the 12 x 12 frame: tiled, source (4, 5).
    EXPECT_EQ(target.Pixel(0, 0), Code(4, 5));
    // Target (5, 5) is frame pixel (9, 10): the bottom-right corner, source (6, 7).
    EXPECT_EQ(target.Pixel(5, 5), Code(6, 7));
}

enum class Bg { ParentBitmap, ParentOutside, Colour, TargetItself, BitmapNoBlend };

TEST(PaintFrameMask, KeyedCornerShowsTheBackgroundSource) {
    TBitmap32 parent(10, 10);
    FillCoded(parent, 10, 10);
    for (auto& p : parent.Pixels()) p = (p & 0x00FFFFFF) | 0x80000000u;  // distinct from the master's
    const struct {
        const char* what;
        int cornerKind;
        bool cornerBlend;
        Bg bg;
        uint32_t expected;
    } cases[] = {
        {"parent bitmap", 1, true, Bg::ParentBitmap, (Code(3, 4) & 0x00FFFFFF) | 0x80000000u},
        {"parent point outside", 1, true, Bg::ParentOutside, kSentinel},
        {"colour", 1, true, Bg::Colour, 0x00112233},
        {"colour without blend", 1, false, Bg::Colour, 0x00112233},
        {"target itself", 1, true, Bg::TargetItself, kSentinel},
        {"bitmap without blend", 1, false, Bg::BitmapNoBlend, kSentinel},
        {"corners without keyed pixels", 0, true, Bg::ParentBitmap, kSentinel},
    };
    for (const auto& c : cases) {
        SkinFixture skin;
        skin.model->MasterBitmap.Pixel(0, 0) = kKey;
        TsMaskData& m = skin.AddMask({0, 0, 6, 6}, 1, 0, 4, 2, 2, 2, 2);
        m.CornerKind = static_cast<int16_t>(c.cornerKind);
        TBitmap32 target(8, 8, kSentinel);
        TBgSource bg;
        switch (c.bg) {
            case Bg::ParentBitmap: bg = BgSourceOfBitmap(&parent, 3, 4); break;
            case Bg::ParentOutside: bg = BgSourceOfBitmap(&parent, 30, 4); break;
            case Bg::Colour: bg.Color = 0x332211; break;
            case Bg::TargetItself: bg = BgSourceOfBitmap(&target, 0, 0); break;
            case Bg::BitmapNoBlend: bg = BgSourceOfBitmap(&parent, 3, 4); break;
        }
        PaintFrameMask(target, {0, 0, 8, 8}, 1, m, c.cornerBlend, bg);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(target.Pixel(0, 0), c.expected);
        EXPECT_EQ(target.Pixel(1, 0), Code(1, 0));
    }
}

TEST(CopyKeyed, CopiesOverTheTargetItselfWithAlphaForcedOpaque) {
    TBitmap32 source(2, 1);
    source.Pixel(0, 0) = 0x40102030;
    source.Pixel(1, 0) = kKey;
    TBitmap32 target(3, 1, kSentinel);
    CopyKeyed(target, source, 1, true, BgSourceOfBitmap(&target, 0, 0), 0xFF00FF, {0, 0, 2, 1}, 0);
    EXPECT_EQ(target.Pixel(0, 0), kSentinel);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF102030u);
    EXPECT_EQ(target.Pixel(2, 0), kSentinel);
    // Magenta with alpha is an ordinary pixel.
    source.Pixel(0, 0) = 0x01FF00FF;
    CopyKeyed(target, source, 0, false, {}, 0xFF00FF, {0, 0, 1, 1}, 0);
    EXPECT_EQ(target.Pixel(0, 0), 0x01FF00FFu);
}

TEST(CopyKeyed, ClipsSourceAndTargetKeepingPixelsInPlace) {
    SkinFixture skin(8, 8);
    TBitmap32 target(4, 4, kSentinel);
    CopyKeyed(target, skin.model->MasterBitmap, -1, false, {}, 0xFF00FF, {-2, 0, 20, 3}, 2);
    // Source column -2 would land at -1; column 0 lands at target x 1.
    EXPECT_EQ(target.Pixel(0, 2), kSentinel);
    EXPECT_EQ(target.Pixel(1, 2), Code(0, 0));
    EXPECT_EQ(target.Pixel(3, 3), Code(2, 1));
    EXPECT_EQ(target.Pixel(0, 0), kSentinel);
}

// One image row over one mask row: record height 2, so the mask lies 1 row down.
struct MaskedPair {
    TBitmap32 source{2, 2};
    TsMaskData record;
    MaskedPair(uint32_t image, uint32_t mask, uint32_t image2 = kKey, uint32_t mask2 = 0) {
        source.Pixel(0, 0) = image;
        source.Pixel(0, 1) = mask;
        source.Pixel(1, 0) = image2;
        source.Pixel(1, 1) = mask2;
        record.SrcRect = {0, 0, 2, 2};
        record.FrameCount = 1;
        record.MaskKind = 1;
    }
};

TEST(BlendMasked, WeighsEachChannelByItsMaskByte) {
    const struct {
        uint32_t image, mask, target, expected;
    } cases[] = {
        {0xFF102030, 0x00000000, 0x40808080, 0x40102030},  // mask 0: the source exactly
        {0xFF102030, 0x00FFFFFF, 0x40808080, 0x407F7F7F},  // mask 255: s + floor(255 * (d - s) / 256)
        {0xFFF0F0F0, 0x00FFFFFF, 0x40101010, 0x40101010},  // ... which floors toward the target from above
        {0xFF102030, 0x0080FF00, 0x40808080, 0x40487F30},  // red 128, green 255, blue 0
    };
    for (const auto& c : cases) {
        MaskedPair pair(c.image, c.mask);
        TBitmap32 target(1, 1, c.target);
        BlendMasked({0, 0, 1, 1}, {0, 0, 1, 1}, target, pair.record, false, {}, pair.source);
        EXPECT_EQ(target.Pixel(0, 0), c.expected) << std::hex << c.mask;
    }
}

TEST(BlendMasked, KeyAndAlphaRulesOfTheBackgroundSource) {
    TBitmap32 parent(4, 4, 0x11445566);
    const TBgSource withBitmap = BgSourceOfBitmap(&parent, 0, 0);
    TBgSource colour;
    colour.Color = 0x7F332211;
    const struct {
        const char* what;
        const TBgSource* bg;
        bool cornerBlend;
        uint32_t keyPixel, imagePixel;  // target pixels after the blend; target starts 0x40808080
    } cases[] = {
        {"bitmap, corner blend", &withBitmap, true, 0xFF445566, 0xFF102030},
        {"bitmap, no corner blend", &withBitmap, false, 0xFFBF40BF, 0xFF102030},  // the key is blended too
        {"colour, corner blend", &colour, true, 0x7F112233, 0x40102030},
        {"colour, no corner blend", &colour, false, 0x40808080, 0x40102030},
    };
    for (const auto& c : cases) {
        // Pixel 0 is the image with mask 0; pixel 1 a key pixel with mask 0x808080.
        MaskedPair pair(0xFF102030, 0, kKey, 0x00808080);
        TBitmap32 target(2, 1, 0x40808080);
        BlendMasked({0, 0, 2, 1}, {0, 0, 2, 1}, target, pair.record, c.cornerBlend, *c.bg, pair.source);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(target.Pixel(0, 0), c.imagePixel);
        EXPECT_EQ(target.Pixel(1, 0), c.keyPixel);
    }
}

TEST(BlendMasked, NegativeTargetMovesTheSourceAlong) {
    MaskedPair pair(0xFF010101, 0, 0xFF020202, 0);
    TBitmap32 target(2, 1, kSentinel);
    BlendMasked({-1, 0, 1, 1}, {0, 0, 2, 1}, target, pair.record, false, {}, pair.source);
    EXPECT_EQ(target.Pixel(0, 0), (kSentinel & 0xFF000000u) | 0x020202);
    EXPECT_EQ(target.Pixel(1, 0), kSentinel);
}

TEST(StretchMasked, SinglePixelCentreUsesTheRedMaskByte) {
    const struct {
        int e;
        uint32_t expected;
    } cases[] = {
        {255, 0x40808080},
        {0, 0xFF102030},
        {128, 0x40485058},  // s + floor(128 * (d - s) / 256) for every channel
    };
    for (const auto& c : cases) {
        TBitmap32 source(1, 2);
        source.Pixel(0, 0) = 0xFF102030;
        source.Pixel(0, 1) = static_cast<uint32_t>(c.e) << 16;  // only the red byte counts
        TBitmap32 target(4, 4, 0x40808080);
        StretchMasked(1, 1, 3, 2, true, 1, source, target, 1, 1, 0, 0);
        SCOPED_TRACE(c.e);
        EXPECT_EQ(target.Pixel(1, 1), c.expected);
        EXPECT_EQ(target.Pixel(3, 2), c.expected);
        EXPECT_EQ(target.Pixel(0, 0), 0x40808080u);
        EXPECT_EQ(target.Pixel(1, 3), 0x40808080u);
    }
}

TEST(StretchMasked, RefusesNegativePointsTinyTargetsAndPiecesOutsideTheSource) {
    TBitmap32 source(2, 4, 0xFF102030);
    for (int y = 2; y < 4; ++y)
        for (int x = 0; x < 2; ++x) source.Pixel(x, y) = 0;
    const struct {
        const char* what;
        int x, y, targetSize, srcLeft;
    } cases[] = {
        {"negative x", -1, 0, 4, 0}, {"negative y", 0, -1, 4, 0}, {"1 x 1 target", 0, 0, 1, 0},
        {"piece outside", 0, 0, 4, 1},
    };
    for (const auto& c : cases) {
        TBitmap32 target(c.targetSize, c.targetSize, kSentinel);
        StretchMasked(c.x, c.y, 3, 3, false, 2, source, target, 2, 2, 0, c.srcLeft);
        SCOPED_TRACE(c.what);
        for (uint32_t p : target.Pixels()) ASSERT_EQ(p, kSentinel);
    }
    // The same piece in range paints: an opaque mask shows the image, alpha forced.
    TBitmap32 target(4, 4, kSentinel);
    StretchMasked(0, 0, 3, 3, false, 2, source, target, 2, 2, 0, 0);
    EXPECT_EQ(target.Pixel(2, 2), 0xFF102030u);
    EXPECT_EQ(target.Pixel(3, 3), kSentinel);
}

uint32_t Grey(int v) { return 0xFF000000u | static_cast<uint32_t>(v) * 0x010101u; }

TEST(StretchMasked, FiltersOneWayShrinksAndTheCentreAndSamplesTheRest) {
    const struct {
        const char* what;
        std::vector<int> columns;  // grey image row, repeated on both image rows
        int width, height;
        bool centre;
        std::vector<int> expected;  // first target row
    } cases[] = {
        {"shrunk across only: filtered", {0, 100, 200, 255}, 2, 2, false, {55, 185}},
        {"centre enlarged: filtered", {10, 250}, 5, 2, true, {36, 95, 200, 255, 255}},
        {"edge enlarged: nearest pixel", {10, 250}, 5, 2, false, {10, 10, 10, 250, 250}},
        {"shrunk both ways: nearest pixel", {0, 100, 200, 255}, 2, 1, false, {0, 200}},
    };
    for (const auto& c : cases) {
        const int w = static_cast<int>(c.columns.size());
        TBitmap32 source(w, 4, 0);  // rows 2 and 3: a mask of 0, show the image
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < w; ++x) source.Pixel(x, y) = Grey(c.columns[static_cast<std::size_t>(x)]);
        TBitmap32 target(6, 3, kSentinel);
        StretchMasked(0, 0, c.width, c.height, c.centre, 2, source, target, 2, w, 0, 0);
        SCOPED_TRACE(c.what);
        for (int x = 0; x < c.width; ++x)
            EXPECT_EQ(target.Pixel(x, 0), Grey(c.expected[static_cast<std::size_t>(x)])) << x;
        EXPECT_EQ(target.Pixel(c.width, 0), kSentinel);
    }
}

TEST(PaintFrameMask, MaskedRecordBlendsCornersAndEdgesThroughTheMaskBand) {
    SkinFixture skin(16, 16);
    // A 4 x 4 state over its mask band: mask 0 (show the image) except one
    // corner pixel with mask 255 and a key corner pixel.
    for (int y = 4; y < 8; ++y)
        for (int x = 0; x < 4; ++x) skin.model->MasterBitmap.Pixel(x, y) = 0;
    skin.model->MasterBitmap.Pixel(3, 7) = 0x00FFFFFF;
    skin.model->MasterBitmap.Pixel(0, 0) = kKey;
    TsMaskData& m = skin.AddMask({0, 0, 4, 8}, 1, 1, 4, 1, 1, 1, 1);
    m.CornerKind = 1;
    TBitmap32 target(6, 6, 0x40000000);
    TBgSource bg;
    bg.Color = 0x00FFFFFF;
    PaintFrameMask(target, {0, 0, 6, 6}, 0, m, true, bg);
    EXPECT_EQ(target.Pixel(0, 0), 0x00FFFFFFu);  // key corner takes the colour, alpha from its high byte
    EXPECT_EQ(target.Pixel(2, 0), 0x40000000u | (Code(2, 0) & 0xFFFFFF));  // edge: image, alpha untouched
    EXPECT_EQ(target.Pixel(5, 5), 0x40000000u);  // mask 255 over black stays black
    EXPECT_EQ(target.Pixel(3, 3), 0x40000000u | (Code(1, 1) & 0xFFFFFF));  // tiled centre
}

TEST(PaintMaskImage, KeyedImageWithTheBackgroundColour) {
    SkinFixture skin(16, 16);
    skin.model->MasterBitmap.Pixel(5, 0) = kKey;
    const TsMaskData& m = skin.AddMask({4, 0, 10, 3}, 2, 0, 0, 0, 0, 0, 0, "S", "GLYPH", 2);
    TBgSource bg;
    bg.Color = 0x0000FF;  // red
    TBitmap32 target(4, 4, kSentinel);
    PaintMaskImage(target, {0, 0}, 0, bg, m, miNormal);
    EXPECT_EQ(target.Pixel(0, 0), Code(4, 0));
    EXPECT_EQ(target.Pixel(1, 0), 0x00FF0000u);
    EXPECT_EQ(target.Pixel(2, 2), Code(6, 2));
    EXPECT_EQ(target.Pixel(3, 0), kSentinel);
    // A state beyond the sub-images paints the last; a negative point skips leading pixels.
    TBitmap32 moved(4, 4, kSentinel);
    PaintMaskImage(moved, {-2, -1}, 9, bg, m, miNormal);
    EXPECT_EQ(moved.Pixel(0, 0), Code(9, 1));
    EXPECT_EQ(moved.Pixel(0, 2), kSentinel);
    EXPECT_EQ(moved.Pixel(1, 0), kSentinel);
}

TEST(PaintMaskImage, FadedKeyedImageIsAHalfBlendWithTiesToEven) {
    const struct {
        uint32_t source, target, expected;
    } cases[] = {
        {0xFF101010, 0x20212121, 0x20181818},  // 24.5 -> 24
        {0xFF111111, 0x20202020, 0x20181818},  // 24.5 -> 24
        {0xFF030303, 0x20000000, 0x20020202},  // 1.5 -> 2
        {0xFF0A0B0C, 0x20000000, 0x20050606},  // 5, 5.5 -> 6, 6
    };
    for (const auto& c : cases) {
        SkinFixture skin(4, 4);
        skin.model->MasterBitmap.Pixel(0, 0) = c.source;
        skin.model->MasterBitmap.Pixel(1, 0) = kKey;
        const TsMaskData& m = skin.AddMask({0, 0, 2, 1}, 1, 0, 0, 0, 0, 0, 0);
        TBitmap32 target(2, 1, c.target);
        PaintMaskImage(target, {0, 0}, 0, {}, m, miFaded);
        EXPECT_EQ(target.Pixel(0, 0), c.expected) << std::hex << c.source;
        EXPECT_EQ(target.Pixel(1, 0), c.target);
    }
}

TEST(PaintMaskImage, MaskedImageBlendsColoursAndRaisesAlpha) {
    const struct {
        const char* what;
        int mode;
        uint32_t mask, target, expected;
    } cases[] = {
        {"mask 0 over transparent", miNormal, 0x00000000, 0x00808080, 0xFE102030},
        {"mask 0 over opaque", miNormal, 0x00000000, 0xFF808080, 0xFF102030},
        {"mask red 255 is skipped", miNormal, 0x00FF0000, 0x00808080, 0x00808080},
        {"half mask", miNormal, 0x00808080, 0x00808080, 0x7E485058},
        {"faded raises the mask by 100", miFaded, 0x00000000, 0xFF808080, 0xFF3B454F},
    };
    for (const auto& c : cases) {
        SkinFixture skin(4, 4);
        skin.model->MasterBitmap.Pixel(0, 0) = 0xFF102030;
        skin.model->MasterBitmap.Pixel(0, 1) = c.mask;
        const TsMaskData& m = skin.AddMask({0, 0, 1, 2}, 1, 1, 0, 0, 0, 0, 0);
        TBitmap32 target(1, 1, c.target);
        PaintMaskImage(target, {0, 0}, 0, {}, m, c.mode);
        EXPECT_EQ(target.Pixel(0, 0), c.expected) << c.what;
    }
}

TEST(PaintMaskImage, OwnBitmapMustCoverItsRectangleAndKeepsKeyPixelsTransparent) {
    SkinFixture skin(4, 4);
    TsMaskData& m = skin.AddMask({0, 0, 2, 1}, 1, 0, 0, 0, 0, 0, 0);
    m.MaskBitmap = std::make_unique<TBitmap32>(2, 1);
    m.MaskBitmap->Pixel(0, 0) = 0xFFABCDEF;
    m.MaskBitmap->Pixel(1, 0) = kKey;
    TBitmap32 target(2, 1, kSentinel);
    PaintMaskImage(target, {0, 0}, 0, {}, m, miNormal);
    EXPECT_EQ(target.Pixel(0, 0), 0xFFABCDEFu);
    EXPECT_EQ(target.Pixel(1, 0), kSentinel);

    m.SrcRect = {0, 0, 3, 1};  // wider than the own bitmap
    TBitmap32 untouched(2, 1, kSentinel);
    PaintMaskImage(untouched, {0, 0}, 0, {}, m, miNormal);
    EXPECT_EQ(untouched.Pixel(0, 0), kSentinel);
}

}  // namespace
}  // namespace pakmole::test
