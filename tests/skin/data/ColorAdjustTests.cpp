#include <gtest/gtest.h>

#include <string>

#include "skin/data/ColorAdjust.h"
#include "skin/data/SkinColorAdjust.h"
#include "skin/data/SkinImage.h"
#include "tests/skin/data/SkinFixtures.h"

namespace pakmole {
namespace {

using test::Mask;
using test::Section;
using test::SkinBuilder;

TEST(ShiftHue, Pixels) {
    struct Case {
        int offset;
        uint32_t pixel, expected;
    };
    const Case cases[] = {
        {120, 0x00FF0000, 0x0000FF00},  // red to green
        {120, 0x0000FF00, 0x000000FF},  // green to blue
        {480, 0x00FF0000, 0x0000FF00},  // the sum is taken round the wheel
        {-120, 0x00FF0000, 0x000000FF},  // a negative sum stays on the wheel
        {2147483647, 0x00FF0000, 0x0000FF1E},  // the largest offsets cannot overflow
        {-2147483647 - 1, 0x00FF0000, 0x000022FF},
        {-30, 0x00336699, 0x00339999},
        {120, 0x00808080, 0x00808080},  // grey
        {77, 0x00000000, 0x00000000},
        {30, 0x80336699, 0x80333399},  // alpha kept
        {200, 0x0012FE34, 0x00FE128C},
        {1000, 0x00C08040, 0x00C040AB},
        // Hue 0.5 rounds to 0 (ties to even), 1.5 to 2.
        {0, 0x00820B0A, 0x00820A0A},
        {1, 0x00820B0A, 0x00820E0A},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShiftHue(c.offset, c.pixel), c.expected) << c.offset << " " << std::hex << c.pixel;
}

TEST(ShiftHue, ColourValuesHaveRedInTheLowByte) {
    EXPECT_EQ(ShiftHueColor(240, 0x000000FF), 0x00FF0000);
    EXPECT_EQ(ShiftHueColor(120, 0x000000FF), 0x0000FF00);
    EXPECT_EQ(ShiftHueColor(120, static_cast<int32_t>(0x7F0000FFu)), static_cast<int32_t>(0x7F00FF00u));
}

TEST(ChangeSaturation, Values) {
    struct Case {
        int amount;
        uint32_t value, expected;
    };
    const Case cases[] = {
        {-100, 0x00FF0000, 0x00555555},
        {0, 0x00FF0000, 0x00FF0000},
        {50, 0x00FF0000, 0x00FF0000},  // clamped
        {50, 0x00806040, 0x00906030},
        {-50, 0x7F806040, 0x7F706050},
        // 9.5 and 30.5 round to the even 10 and 30.
        {5, 0x000A141E, 0x000A141E},
        {49, 0x00808080, 0x00808080},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChangeSaturation(c.amount, c.value), c.expected) << c.amount << " " << std::hex << c.value;
}

// A master bitmap in red with two title icons, a key pixel and an own-bitmap
// glow image of the close icon.
SkinBuilder IconSkin(int keepHue) {
    TBitmap32 master(20, 10, 0x00FF0000);
    master.Pixel(19, 9) = kKeyPixel;
    master.Pixel(18, 9) = 0x00404040;
    return SkinBuilder()
        .Options("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=M.BMP\nBIKEEPHUE=" + std::to_string(keepHue) +
                 "\nBICONCLOSE=@0000@0000@0005@0005@1@0\nBICONMAX=@0010@0000@0015@0005@1@0\n"
                 "BICONCLOSEGLOW0=!G.PNG!1!0!2!0!0!0!0!0\nOTHER=!G.PNG!1!0!2!0!0!0!0!0\n"
                 "[S]\nCOLOR=0x0000FF\nTCLEFT=-1\nTCTOP=0x0000FF\nGRADIENTDATA=255;255;50;0;0;255;255;0;0;0;255\n"
                 "STATES=1\n")
        .File("M.BMP", test::EncodeBmp24(master))
        .File("G.PNG", test::EncodePng(TBitmap32(2, 2, 0xFFFF0000)));
}

TEST(AdjustSkinHue, TitleIconsKeepTheirColoursAsTheSkinAsks) {
    struct Case {
        int keepHue;
        bool closeKept, maxKept, glowKept;
    };
    const Case cases[] = {{0, false, false, false}, {1, true, true, true}, {2, true, false, true}};
    const uint32_t red = 0xFFFF0000, green = 0xFF00FF00;
    for (const Case& c : cases) {
        TsSkinLoadSettings settings;
        settings.HueOffset = 120;
        const auto model = test::LoadPackage(IconSkin(c.keepHue), settings);
        const TBitmap32& m = model->MasterBitmap;
        EXPECT_EQ(m.Pixel(2, 2), c.closeKept ? red : green) << c.keepHue;
        EXPECT_EQ(m.Pixel(12, 2), c.maxKept ? red : green) << c.keepHue;
        EXPECT_EQ(m.Pixel(7, 7), green) << c.keepHue;
        EXPECT_EQ(m.Pixel(19, 9), kKeyPixel);
        EXPECT_EQ(m.Pixel(18, 9), 0xFF404040u);
        // The PNG glow is premultiplied (254 from 255) before it is shifted.
        EXPECT_EQ(Mask(*model, "GLOBALINFO", "BICONCLOSEGLOW0")->MaskBitmap->Pixel(0, 0),
                  c.glowKept ? 0xFFFE0000u : 0xFF00FE00u)
            << c.keepHue;
        EXPECT_EQ(Mask(*model, "GLOBALINFO", "OTHER")->MaskBitmap->Pixel(0, 0), 0xFF00FE00u);
    }
}

TEST(AdjustSkinHue, ColourValuesShiftOnceAndNoneStaysNone) {
    TsSkinLoadSettings settings;
    settings.HueOffset = 120;
    const auto model = test::LoadPackage(IconSkin(0), settings);
    const TsGeneralData& s = Section(*model, "S");
    EXPECT_EQ(s.Color, 0x00FF00);
    EXPECT_EQ(s.Props[0].Color, 0x00FF00);
    EXPECT_EQ(s.Props[1].Color, 0x00FF00);  // a copy of the normal state, shifted once itself
    EXPECT_EQ(s.TCLeft, -1);
    EXPECT_EQ(s.Props[0].TCLeft, -1);
    EXPECT_EQ(s.TCTop, 0x00FF00);
    // Both segments, shared by the section and its states, shifted once.
    ASSERT_EQ(s.Gradient->size(), 2u);
    EXPECT_EQ((*s.Gradient)[0].GradStart, 0x00FF00);
    EXPECT_EQ((*s.Gradient)[1].GradEnd, 0x00FF00);
    EXPECT_EQ((*s.Props[1].Gradient)[0].GradStart, 0x00FF00);
    EXPECT_EQ(model->Palette[pcWebTextHot], 0x0000FF);  // entry 3 keeps its colour
    EXPECT_EQ(model->Palette[pcWebText], 0x0000FF);  // its default blue turns red
}

TEST(AdjustSkinSaturation, AmountIsTakenModulo101) {
    struct Case {
        int amount;
        int effective;
    };
    const Case cases[] = {{150, 49}, {101, 0}, {-150, -49}, {-100, -100}, {202, 0}};
    for (const Case& c : cases) {
        TsSkinLoadSettings settings;
        settings.Saturation = c.amount;
        const auto model = test::LoadOptions("[GLOBALINFO]\n[S]\nCOLOR=0x306090\nTCLEFT=-1\n", settings);
        const uint32_t expected = ChangeSaturation(c.effective, 0x306090);
        EXPECT_EQ(static_cast<uint32_t>(Section(*model, "S").Color), expected) << c.amount;
        EXPECT_EQ(Section(*model, "S").TCLeft, -1) << c.amount;
    }
}

}  // namespace
}  // namespace pakmole
