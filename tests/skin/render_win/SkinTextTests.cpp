// The skinned text writers: contour copies and their order, disabled
// colours, the embossed look of unskinned text, the underline of the web
// button, and the glow laid into a control's cache.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/render/Blend.h"
#include "skin/render/SkinText_win.h"
#include "tests/skin/render_win/TextFixtures.h"

namespace pakmole {
namespace {

using test::PixelOf;
using test::Predict;
using test::TextCopy;

constexpr int kW = 90, kH = 44;
constexpr uint32_t kBackground = 0xFF101820;
constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const RECT kRect{4, 4, kW - 4, kH - 4};
const std::string kText = "LTHx";

class SkinTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = test::EmberlineManager();
        ASSERT_TRUE(manager->Active());
        section = manager->FindSection("BUTTON");
        ASSERT_GE(section, 0);
        state.Manager = manager.get();
        state.SectionIndex = section;
        font = test::SharpFont();
        glyphs = test::GlyphPixels(font.Get(), kText, kW, kH, kRect, kFormat);
        ASSERT_NE(std::count(glyphs.begin(), glyphs.end(), true), 0) << "the test font drew nothing";
    }
    TsGeneralData& Section() { return manager->Model().Sections[static_cast<std::size_t>(section)]; }
    // Writes the text into a fresh canvas with the sharp font.
    TBitmap32 Write(bool enabled, uint8_t hot, const std::string* text = &kText) {
        TBitmap32 canvas(kW, kH, kBackground);
        SelectedObject selected(Bitmap32DC(canvas), font.Get());
        WriteSkinText(Bitmap32DC(canvas), text, enabled, hot, state, kFormat, kRect);
        GdiFlush();
        return canvas;
    }

    ComponentPtr<TsSkinManager> manager;
    int section = -1;
    test::StubSkinState state;
    FontHandle font;
    std::vector<bool> glyphs;
};

struct ContourCase {
    const char* name;
    int32_t left, top, right, bottom;
};

TEST_F(SkinTextTest, ContourCopiesComeInOrderLeftTopRightBottomThenTheText) {
    const ContourCase cases[] = {
        {"none", -1, -1, -1, -1},
        {"left white only", 0xFFFFFF, -1, -1, -1},
        {"all four", 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF},
        {"top and bottom", -1, 0x102030, -1, 0x405060},
        {"right and left", 0x0A0B0C, -1, 0x0C0B0A, -1},
    };
    const int32_t fontColor = 0x33CCEE;
    for (const ContourCase& c : cases) {
        TsGenState& normal = Section().Props[0];
        normal.TCLeft = c.left, normal.TCTop = c.top, normal.TCRight = c.right, normal.TCBottom = c.bottom;
        normal.FontColor = fontColor;
        normal.GlowSize = 0;
        std::vector<TextCopy> copies;
        if (c.left != -1) copies.push_back({PixelOf(c.left), -1, 0});
        if (c.top != -1) copies.push_back({PixelOf(c.top), 0, -1});
        if (c.right != -1) copies.push_back({PixelOf(c.right), 1, 0});
        if (c.bottom != -1) copies.push_back({PixelOf(c.bottom), 0, 1});
        copies.push_back({PixelOf(fontColor), 0, 0});
        EXPECT_TRUE(test::SamePicture(Write(true, 0), Predict(glyphs, kW, kH, kBackground, copies))) << c.name;
    }
}

TEST_F(SkinTextTest, HotFlagTakesTheHotRecord) {
    Section().Props[0].FontColor = 0x0000FF;
    Section().Props[1].FontColor = 0x00FF00;
    Section().Props[1].TCLeft = Section().Props[1].TCTop = Section().Props[1].TCRight = Section().Props[1].TCBottom = -1;
    Section().Props[1].GlowSize = 0;
    manager->Model().KnownIndexes.WebButtonSection = -1;
    EXPECT_TRUE(test::SamePicture(Write(true, 7), Predict(glyphs, kW, kH, kBackground, {{PixelOf(0x00FF00), 0, 0}})));
}

TEST_F(SkinTextTest, DisabledSkinnedTextTakesFortyPercentOfTheFontColour) {
    Section().Props[0].FontColor = 0xFFFFFF;
    manager->Model().Palette[pcMainColor] = 0x000000;
    EXPECT_TRUE(test::SamePicture(Write(false, 0), Predict(glyphs, kW, kH, kBackground, {{0x666666, 0, 0}})));
}

TEST_F(SkinTextTest, DisabledPlainTextIsEmbossed) {
    state.IsSkinned = false;
    const uint32_t highlight = PixelOf(static_cast<int32_t>(GetSysColor(COLOR_BTNHIGHLIGHT)));
    const uint32_t shadow = PixelOf(static_cast<int32_t>(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_TRUE(test::SamePicture(Write(false, 0),
                                  Predict(glyphs, kW, kH, kBackground, {{highlight, 1, 1}, {shadow, 0, 0}})));
}

TEST_F(SkinTextTest, CustomFontKeepsTheCanvasColour) {
    state.CustomFont = true;
    TBitmap32 canvas(kW, kH, kBackground);
    SelectedObject selected(Bitmap32DC(canvas), font.Get());
    SetTextColor(Bitmap32DC(canvas), RGB(1, 2, 3));
    WriteSkinText(Bitmap32DC(canvas), &kText, true, 0, state, kFormat, kRect);
    GdiFlush();
    EXPECT_TRUE(test::SamePicture(canvas, Predict(glyphs, kW, kH, kBackground, {{0x010203, 0, 0}})));
}

TEST_F(SkinTextTest, MissingTextDrawsNothingAndTheDCStateComesBack) {
    TBitmap32 canvas(kW, kH, kBackground);
    HDC dc = Bitmap32DC(canvas);
    SetBkMode(dc, OPAQUE);
    WriteSkinText(dc, nullptr, true, 0, state, kFormat, kRect);
    WriteSkinText(dc, &kText, true, 0, state, kFormat, kRect);
    GdiFlush();
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    RECT clip{};
    GetClipBox(dc, &clip);
    EXPECT_EQ(clip.right - clip.left, kW) << "the clip of the writer was left behind";
    TBitmap32 untouched(kW, kH, kBackground);
    WriteSkinText(Bitmap32DC(untouched), nullptr, true, 0, state, kFormat, kRect);
    GdiFlush();
    EXPECT_EQ(untouched.Pixels(), TBitmap32(kW, kH, kBackground).Pixels());
}

TEST_F(SkinTextTest, HotWebButtonTextIsUnderlined) {
    manager->Model().KnownIndexes.WebButtonSection = section;
    for (TsGenState& props : Section().Props) {
        props.TCLeft = props.TCTop = props.TCRight = props.TCBottom = -1;
        props.FontColor = 0xFFFFFF;
        props.GlowSize = 0;
    }
    const TBitmap32 normal = Write(true, 0);
    const TBitmap32 hot = Write(true, 1);
    EXPECT_TRUE(test::SamePicture(normal, Predict(glyphs, kW, kH, kBackground, {{0xFFFFFF, 0, 0}})));
    // The underline adds text pixels below the glyphs and never takes any away.
    int added = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool inNormal = (normal.Pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
            const bool inHot = (hot.Pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
            ASSERT_FALSE(inNormal && !inHot);
            if (inHot && !inNormal) ++added;
        }
    EXPECT_GT(added, 0);
}

TEST_F(SkinTextTest, SectionWriterUsesTheSectionsColoursUnadjusted) {
    TsGenState& normal = Section().Props[0];
    normal.TCLeft = 0x0000FF, normal.TCTop = -1, normal.TCRight = -1, normal.TCBottom = 0x00FF00;
    normal.FontColor = 0xFFFFFF;
    normal.Color = 0x000000;
    TBitmap32 canvas(kW, kH, kBackground);
    SelectedObject selected(Bitmap32DC(canvas), font.Get());
    WriteSectionText(Bitmap32DC(canvas), &kText, true, manager.get(), 0, section, kFormat, kRect);
    GdiFlush();
    EXPECT_TRUE(test::SamePicture(
        canvas, Predict(glyphs, kW, kH, kBackground,
                        {{PixelOf(0x0000FF), -1, 0}, {PixelOf(0x00FF00), 0, 1}, {0xFFFFFF, 0, 0}})));

    TBitmap32 disabled(kW, kH, kBackground);
    SelectedObject selected2(Bitmap32DC(disabled), font.Get());
    WriteSectionText(Bitmap32DC(disabled), &kText, false, manager.get(), 0, section, kFormat, kRect);
    GdiFlush();
    EXPECT_TRUE(test::SamePicture(disabled, Predict(glyphs, kW, kH, kBackground, {{0x666666, 0, 0}})));
}

TEST_F(SkinTextTest, GlowGoesIntoTheCacheOnlyWithAGlowSize) {
    for (TsGenState& props : Section().Props) props.GlowColor = 0x0080FF;
    state.CacheBitmap = std::make_unique<TBitmap32>(kW, kH, kBackground);
    const RECT small{30, 12, 40, 22};

    Section().Props[0].GlowSize = 0;
    {
        TBitmap32 canvas(kW, kH, kBackground);
        SelectedObject selected(Bitmap32DC(canvas), font.Get());
        WriteSkinText(Bitmap32DC(canvas), &kText, true, 0, state, kFormat, small);
    }
    EXPECT_EQ(state.CacheBitmap->Pixels(), TBitmap32(kW, kH, kBackground).Pixels());

    Section().Props[0].GlowSize = 3;
    {
        TBitmap32 canvas(kW, kH, kBackground);
        SelectedObject selected(Bitmap32DC(canvas), font.Get());
        WriteSkinText(Bitmap32DC(canvas), &kText, true, 0, state, kFormat, small);
    }
    // Glow area of a 10 x 10 rectangle with size 3: 24 x 24 from (left + 1 - 7, top + 1 - 7).
    bool changed = false;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool inArea = x >= 24 && x < 48 && y >= 6 && y < 30;
            const uint32_t p = state.CacheBitmap->Pixel(x, y);
            if (!inArea) {
                ASSERT_EQ(p, kBackground) << x << "," << y;
            }
            if (inArea && p != kBackground) changed = true;
        }
    EXPECT_TRUE(changed);
}

TEST(GlowText, AreaOfSizeThreeAroundATenPixelRectangleIs24Square) {
    TBitmap32 target(60, 50, 0xFF000000);
    FontHandle font = test::SharpFont(-12);
    SelectedObject selected(Bitmap32DC(target), font.Get());
    const std::string text = "W";
    TGlowMask held;
    const RECT rect{20, 15, 30, 25};
    PaintGlowText(target, &text, rect, &held, 0x00FFFF, 3, 15, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_EQ(held.Width(), 24);
    EXPECT_EQ(held.Height(), 24);
    bool glowSeen = false;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inArea = x >= 14 && x < 38 && y >= 9 && y < 33;
            const uint32_t p = target.Pixel(x, y);
            if (!inArea) {
                ASSERT_EQ(p, 0xFF000000u) << x << "," << y;
                continue;
            }
            // Glow colour 0x00FFFF is yellow: red and green rise together, blue stays 0.
            ASSERT_EQ(p & 0xFF, 0u);
            ASSERT_EQ((p >> 16) & 0xFF, (p >> 8) & 0xFF);
            if (p != 0xFF000000u) glowSeen = true;
        }
    EXPECT_TRUE(glowSeen);

    // A held mask of the area's size is used again as it is: another text gives the same glow.
    TBitmap32 again(60, 50, 0xFF000000);
    const std::string other = ".";
    PaintGlowText(again, &other, rect, &held, 0x00FFFF, 3, 15, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_EQ(again.Pixels(), target.Pixels());
}

}  // namespace
}  // namespace pakmole
