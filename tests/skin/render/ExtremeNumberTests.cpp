// Every number a skin writes, at the ends of the 32-bit range (and 0 and -1):
// the skin loads, or fails with an error, and then paints everywhere without
// undefined arithmetic. The sanitizer build runs these too, and it is what
// sees an overflow that leaves no trace in the pixels.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Exceptions.h"
#include "base/MemoryStream.h"
#include "skin/data/PackagedSkin.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/Texture.h"
#include "tests/support/SkinBuilder.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::SkinBuilder;

const int32_t kExtremes[] = {INT32_MIN, INT32_MAX, 0, -1};

// A master bitmap with key pixels and a mask band, and an own picture.
TBitmap32 Master() {
    TBitmap32 master(64, 48);
    for (int y = 0; y < master.Height(); ++y)
        for (int x = 0; x < master.Width(); ++x)
            master.Pixel(x, y) = (x + y) % 7 == 0 ? 0x00FF00FFu : 0x00010101u * static_cast<uint32_t>(x * 3 + y);
    return master;
}

// A skin that reaches every painter: frame masks (masked and stretched,
// keyed and tiled), corner images, a texture with gradient, transparency,
// a child that inherits, and title icons. `globalLine` and `sectionLine`
// come first in their sections, so they win over the skin's own values.
std::unique_ptr<TsSkinModel> Load(const std::string& globalLine, const std::string& sectionLine,
                                  const std::string& commonSections = {}) {
    const std::string options =
        "[GLOBALINFO]\n" + globalLine + "\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\n"
        "BICONCLOSE=@0040@0000@0050@0010@1@0\n"
        "[CTRL]\n" + sectionLine + "\n"
        "STATES=3\nCOLOR=0x303030\nHOTCOLOR=0x404040\nTRANSPARENCY=40\nHOTTRANSPARENCY=60\n"
        "GRADIENTDATA=1052688;2105376;50;0;0;3158064;4210752;100;0;0\nGRADIENTPERCENT=70\nIMAGEPERCENT=30\n"
        "HOTGRADIENTDATA=1052688;2105376;0;1;0\nHOTGRADIENTPERCENT=50\nHOTIMAGEPERCENT=50\n"
        "BORDERSMASK=^0000^0000^0030^0024^0003^0003^0003^0003^3^1^5^0\n"
        "IMGTOPLEFT=@0040@0010@0050@0020@2@0\nIMGBTMRIGHT=@0040@0010@0050@0030@1@1\n"
        "PATTERN=~0034~0000~0044~0010~00~0\nHOTPATTERN=~0034~0000~0044~0020~10~1\n"
        "[CHILD]\nPARENTCLASS=CTRL\nBORDERSMASK=^0000^0024^0030^0048^0003^0003^0003^0003^3^0^4^0\n"
        "GLYPH=!GLYPH.BMP!2!0!0!2!2!2!2!1\n";
    const SkinBuilder skin = SkinBuilder()
                                 .Options(options)
                                 .File("MASTER.BMP", test::EncodeBmp24(Master()))
                                 .File("GLYPH.BMP", test::EncodeBmp24(TBitmap32(12, 8, 0x00FF00FF)));
    TsSkinLoadSettings settings;
    settings.CommonSections = commonSections;
    settings.HueOffset = 40;
    settings.Saturation = -30;
    auto model = std::make_unique<TsSkinModel>();
    TMemoryStream package{skin.Package()};
    LoadPackagedSkin(*model, package, settings);
    return model;
}

// Paints every section in every state over every kind of parent, and every
// record with every painter that takes one.
void PaintEverything(const TsSkinModel& skin) {
    TBitmap32 parent(80, 60, 0xFF204060);
    TBgSource colour;
    colour.Color = 0x102030;
    const TBgSource backgrounds[] = {TBgSource{}, colour, BgSourceOfBitmap(&parent, 3, 2)};
    const TRect32 rect{0, 0, 40, 30};
    for (int state = 0; state < 4; ++state)
        for (const TBgSource& bg : backgrounds) {
            for (std::size_t i = 0; i < skin.Sections.size(); ++i) {
                const TsGeneralData& s = skin.Sections[i];
                TsControlPaintData control;
                control.Skin = &skin;
                control.SectionIndex = static_cast<int32_t>(i);
                control.FrameMaskIndex = s.FrameMask;
                control.TextureIndex = s.Props[0].PatternMask;
                control.HotTextureIndex = s.Props[1].PatternMask;
                control.HUEOffset = 25;
                control.Saturation = 20;
                TBitmap32 cache(40, 30, 0xFF000000);
                PaintControl(control, bg, true, cache, TPoint32{5, 4}, rect, state);
                PaintDisabledBlended(cache, bg, TPoint32{2, 2}, 0x112233);
                ChildBgColor(s, 0x405060, 0x112233);
                ChildBgColor(s, std::nullopt, 0x112233);
            }
            for (const TsMaskData& m : skin.Masks) {
                TBitmap32 target(40, 30, 0xFF000000);
                PaintFrameMask(target, rect, state, m, true, bg);
                PaintMaskImage(target, TPoint32{-3, 2}, state, bg, m, miNormal);
                PaintMaskImage(target, TPoint32{5, 5}, state, bg, m, miFaded);
                PaintTexture(target, rect, TextureOfMask(m), bg);
            }
        }
}

struct NumberKey {
    const char* key;
    std::function<int64_t(const TsGeneralData&)> field;
    int64_t lo, hi;
};

struct GlobalKey {
    const char* key;
    std::function<int64_t(const TsSkinData&)> field;
    int64_t lo, hi;
};

// A value within [lo, hi]; one past an end written in the skin lands on that end.
void ExpectInRange(int64_t got, int32_t written, int64_t lo, int64_t hi, const std::string& label) {
    EXPECT_GE(got, lo) << label;
    EXPECT_LE(got, hi) << label;
    if (written == INT32_MIN && lo > INT32_MIN) {
        EXPECT_EQ(got, lo) << label;
    }
    if (written == INT32_MAX && hi < INT32_MAX) {
        EXPECT_EQ(got, hi) << label;
    }
}

constexpr int64_t kAny32Lo = INT32_MIN, kAny32Hi = INT32_MAX;

TEST(ExtremeNumbers, EverySectionKeyIsBroughtIntoRangeAndPaints) {
    const NumberKey keys[] = {
        {"STATES", [](const TsGeneralData& s) { return s.States; }, 1, kAny32Hi},
        {"TRANSPARENCY", [](const TsGeneralData& s) { return s.Props[0].Transparency; }, 0, 100},
        {"GRADIENTPERCENT", [](const TsGeneralData& s) { return s.Props[0].GradientPercent; }, 0, 100},
        {"IMAGEPERCENT", [](const TsGeneralData& s) { return s.Props[0].ImagePercent; }, 0, 100},
        {"HOTTRANSPARENCY", [](const TsGeneralData& s) { return s.Props[1].Transparency; }, 0, 100},
        {"HOTGRADIENTPERCENT", [](const TsGeneralData& s) { return s.Props[1].GradientPercent; }, 0, 100},
        {"HOTIMAGEPERCENT", [](const TsGeneralData& s) { return s.Props[1].ImagePercent; }, 0, 100},
        {"GLOW", [](const TsGeneralData& s) { return s.Glow; }, 0, 255},
        {"GLOWMARGIN", [](const TsGeneralData& s) { return s.GlowMargin; }, 0, 255},
        {"FADINGITERATIONS", [](const TsGeneralData& s) { return s.FadingIterations; }, 1, 255},
        {"GSIZE", [](const TsGeneralData& s) { return s.GlowSize; }, 0, 255},
        {"HGSIZE", [](const TsGeneralData& s) { return s.HotGlowSize; }, 0, 255},
        // Colours: every 32-bit value is one.
        {"COLOR", [](const TsGeneralData& s) { return s.Props[0].Color; }, kAny32Lo, kAny32Hi},
        {"FONTCOLOR", [](const TsGeneralData& s) { return s.FontColor; }, kAny32Lo, kAny32Hi},
        {"TCLEFT", [](const TsGeneralData& s) { return s.TCLeft; }, kAny32Lo, kAny32Hi},
        {"TCTOP", [](const TsGeneralData& s) { return s.TCTop; }, kAny32Lo, kAny32Hi},
        {"TCRIGHT", [](const TsGeneralData& s) { return s.TCRight; }, kAny32Lo, kAny32Hi},
        {"TCBOTTOM", [](const TsGeneralData& s) { return s.TCBottom; }, kAny32Lo, kAny32Hi},
        {"GCOL", [](const TsGeneralData& s) { return s.GlowColor; }, kAny32Lo, kAny32Hi},
        {"HOTCOLOR", [](const TsGeneralData& s) { return s.Props[1].Color; }, kAny32Lo, kAny32Hi},
        {"HOTFONTCOLOR", [](const TsGeneralData& s) { return s.HotFontColor; }, kAny32Lo, kAny32Hi},
        {"HOTTCLEFT", [](const TsGeneralData& s) { return s.HotTCLeft; }, kAny32Lo, kAny32Hi},
        {"HOTTCTOP", [](const TsGeneralData& s) { return s.HotTCTop; }, kAny32Lo, kAny32Hi},
        {"HOTTCRIGHT", [](const TsGeneralData& s) { return s.HotTCRight; }, kAny32Lo, kAny32Hi},
        {"HOTTCBOTTOM", [](const TsGeneralData& s) { return s.HotTCBottom; }, kAny32Lo, kAny32Hi},
        {"HGCOL", [](const TsGeneralData& s) { return s.HotGlowColor; }, kAny32Lo, kAny32Hi},
    };
    for (const NumberKey& k : keys)
        for (int32_t v : kExtremes) {
            const std::string line = std::string(k.key) + "=" + std::to_string(v);
            // The same key also from the common sections, in a section of their own.
            const auto model = Load("", line, "[EXTRA]\nPARENTCLASS=CTRL\n" + line + "\n");
            const auto section = [&](const char* name) -> const TsGeneralData& {
                return model->Sections.at(static_cast<std::size_t>(model->FindSection(name)));
            };
            ExpectInRange(k.field(section("CTRL")), v, k.lo, k.hi, "CTRL " + line);
            ExpectInRange(k.field(section("EXTRA")), v, k.lo, k.hi, "EXTRA " + line);
            // Inherited values pass through colour resolution first: only the range holds.
            const int64_t inherited = k.field(section("CHILD"));
            EXPECT_GE(inherited, k.lo) << "CHILD " << line;
            EXPECT_LE(inherited, k.hi) << "CHILD " << line;
            PaintEverything(*model);
        }
}

TEST(ExtremeNumbers, EveryGlobalKeyIsBroughtIntoRangeAndPaints) {
    constexpr int64_t kShortLo = INT16_MIN, kShortHi = INT16_MAX;
    const auto shortKey = [&](const char* key, int16_t TsSkinData::*field) {
        return GlobalKey{key, [field](const TsSkinData& d) { return d.*field; }, kShortLo, kShortHi};
    };
    const GlobalKey keys[] = {
        {"SHADOW1COLOR", [](const TsSkinData& d) { return d.Shadow1Color; }, kAny32Lo, kAny32Hi},
        shortKey("SHADOW1OFFSET", &TsSkinData::Shadow1Offset),
        shortKey("SHADOW1BLUR", &TsSkinData::Shadow1Blur),
        shortKey("SHADOW1TRANSPARENCY", &TsSkinData::Shadow1Transparency),
        shortKey("BORDERWIDTH", &TsSkinData::FrameBorderWidth),
        shortKey("TITLEHEIGHT", &TsSkinData::TitleBarHeight),
        shortKey("MAXHEIGHT", &TsSkinData::TitleBarMaxHeight),
        shortKey("FORMOFFSET", &TsSkinData::FormOffset),
        shortKey("ALIGNOFFSET", &TsSkinData::AlignOffset),
        shortKey("CENTEROFFSET", &TsSkinData::CenterOffset),
        shortKey("BORDERMODE", &TsSkinData::BorderMode),
        shortKey("BISPACE", &TsSkinData::TitleButtonSpace),
        shortKey("BIVALIGN", &TsSkinData::TitleButtonVAlign),
        shortKey("BIRIGHT", &TsSkinData::TitleButtonRight),
        shortKey("BILEFT", &TsSkinData::TitleButtonLeft),
        shortKey("BITOP", &TsSkinData::TitleButtonTop),
        shortKey("BIKEEPHUE", &TsSkinData::TitleIconsKeepHue),
        shortKey("BICONCLOSEGLOW", &TsSkinData::TitleCloseGlow),
        shortKey("BICONCLOSEGLOWMARGIN", &TsSkinData::TitleCloseGlowMargin),
        shortKey("BICONMAXGLOW", &TsSkinData::TitleMaxGlow),
        shortKey("BICONMAXGLOWMARGIN", &TsSkinData::TitleMaxGlowMargin),
        shortKey("BICONMINGLOW", &TsSkinData::TitleMinGlow),
        shortKey("BICONMINGLOWMARGIN", &TsSkinData::TitleMinGlowMargin),
        // A flag: any value but 0 sets it.
        {"AEROBLUR", [](const TsSkinData& d) { return d.AeroBlur; }, kAny32Lo, kAny32Hi},
        // The palette's keys are colours: any value is one.
        {"COLOR", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
        {"FONTCOLOR", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
        {"TCTOP", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
        {"TCBOTTOM", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
        {"EDITBG_EVEN", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
        {"EDITTEXT_ALERT", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
        {"EDITBG_ALERT", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
        {"BORDERCOLOR", [](const TsSkinData&) { return 0; }, kAny32Lo, kAny32Hi},
    };
    for (const GlobalKey& k : keys)
        for (int32_t v : kExtremes) {
            const std::string line = std::string(k.key) + "=" + std::to_string(v);
            const auto model = Load(line, "");
            ExpectInRange(k.field(model->SkinData), v, k.lo, k.hi, line);
            PaintEverything(*model);
        }
}

// Numbers inside record values: coordinates, frame and band counts, margins
// and flags of legacy and image file records. A record that cannot be is a
// load error; every other loads and paints.
TEST(ExtremeNumbers, RecordFieldsLoadOrFailCleanlyAndPaint) {
    const char* const templates[] = {
        "#(%,0,30,24)(2,1)",         "#(0,%,30,24)(2,1)",       "#(0,0,%,24)(2,1)",
        "#(0,0,30,%)(2,1)",          "#(%,%,%,%)(3,1)",         "#(0,0,30,24)(%,1)",
        "#(0,0,30,24)(2,%)",         "#(0,0,30,24)(2,1,%)",     "#(0,0,30,24)(2,1,0,%)",
        "!GLYPH.BMP!%!1!0!2!2!2!2!5", "!GLYPH.BMP!2!%!0!2!2!2!2!5", "!GLYPH.BMP!2!0!%!2!2!2!2!5",
        "!GLYPH.BMP!2!0!0!%!2!2!2!5", "!GLYPH.BMP!2!0!0!2!%!2!2!5", "!GLYPH.BMP!2!0!0!2!2!%!%!5",
        "!GLYPH.BMP!2!0!0!2!2!2!2!%", "!GLYPH.BMP!%!%",
    };
    for (const char* t : templates)
        for (int32_t v : kExtremes) {
            std::string value = t;
            for (std::size_t at; (at = value.find('%')) != std::string::npos;) value.replace(at, 1, std::to_string(v));
            for (const char* key : {"BORDERSMASK", "IMGTOPLEFT", "PATTERN"}) {
                const std::string line = std::string(key) + "=" + value;
                std::unique_ptr<TsSkinModel> model;
                try {
                    model = Load("", line);
                } catch (const Exception& e) {
                    SUCCEED() << line << ": " << e.what();
                    continue;
                }
                PaintEverything(*model);
            }
        }
}

// The hostile state count, painted as the file stands.
TEST(ExtremeNumbers, MostNegativeStateCountPaints) {
    const SkinBuilder skin =
        SkinBuilder().Options(test::ReadWholeFile(test::SharedPath("hostile/states-intmin.Options.dat")));
    TsSkinModel model;
    TMemoryStream package{skin.Package()};
    LoadPackagedSkin(model, package, {});
    ASSERT_GE(model.FindSection("BUTTON"), 0);
    PaintEverything(model);
}

}  // namespace
}  // namespace pakmole
