#include <gtest/gtest.h>

#include <string>

#include "skin/data/GradientParser.h"
#include "skin/data/NumberText.h"
#include "skin/data/SkinVersionNotice.h"
#include "skin/data/SystemColors.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::LoadOptions;
using test::Mask;
using test::Section;
using test::SkinBuilder;

const std::string kHead = "[GLOBALINFO]\nVERSION=8.00\n";

// System colours that differ from every default, so resolution shows.
class TestColors : public SystemColors {
public:
    int32_t SysColor(int index) const override { return 0x010000 * index + 0x0A0B; }
};

TsSkinLoadSettings WithTestColors() {
    static const TestColors colors;
    TsSkinLoadSettings settings;
    settings.Colors = &colors;
    return settings;
}

TEST(SkinSections, OneRecordPerSectionInFileOrder) {
    const auto model = LoadOptions(kHead + "[PANEL]\nCOLOR=1\n[FORM]\n[EDIT]\n[PANEL]\nCOLOR=2\n");
    ASSERT_EQ(model->Sections.size(), 4u);
    EXPECT_EQ(model->Sections[0].SectionName, "GLOBALINFO");
    EXPECT_EQ(model->FindSection("FORM"), 2);
    EXPECT_EQ(model->FindSection("form"), -1);
    EXPECT_EQ(model->FindSection(""), -1);
    EXPECT_EQ(Section(*model, "PANEL").Color, 1);
    EXPECT_TRUE(model->IsValidSection(3));
    EXPECT_FALSE(model->IsValidSection(4));
    EXPECT_FALSE(model->IsValidSection(-1));
    // The global section keeps its own indexes, the others are looked up.
    EXPECT_EQ(model->Sections[0].FrameMask, 0);
    EXPECT_EQ(model->Sections[0].PatternIndex, 0);
    EXPECT_EQ(model->Sections[0].CornerTopLeft, -1);
    EXPECT_EQ(Section(*model, "FORM").FrameMask, -1);
    EXPECT_EQ(Section(*model, "FORM").PatternIndex, -1);
}

TEST(SkinSections, DefaultsOfAnEmptySection) {
    const auto model = LoadOptions(kHead + "[EMPTY]\n");
    const TsGeneralData& s = Section(*model, "EMPTY");
    EXPECT_EQ(s.States, 3);
    EXPECT_EQ(s.Color, 0xFFFFFF);
    EXPECT_EQ(s.HotColor, 0xFFFFFF);
    EXPECT_EQ(s.GlowColor, 0xFFFFFF);
    EXPECT_EQ(s.HotGlowColor, 0xFFFFFF);
    EXPECT_EQ(s.FontColor, 0);
    EXPECT_EQ(s.TCLeft, -1);
    EXPECT_EQ(s.HotTCBottom, -1);
    EXPECT_EQ(s.FadingIterations, 5);
    EXPECT_EQ(s.GradientData, " ");
    EXPECT_EQ(s.HotGradientData, "");
    EXPECT_FALSE(s.GiveOwnFont);
    EXPECT_EQ(s.Props[0].Color, 0xFFFFFF);
    EXPECT_EQ(s.Props[1].Color, 0xFFFFFF);
}

TEST(SkinSections, SingleStateSectionsCopyTheNormalState) {
    const auto model = LoadOptions(kHead +
                                   "[ONE]\nSTATES=1\nCOLOR=111\nFONTCOLOR=5\nHOTCOLOR=222\nHOTFONTCOLOR=6\n"
                                   "GRADIENTDATA=1;2;50;0;0\nGRADIENTPERCENT=30\n"
                                   "[TWO]\nSTATES=2\nCOLOR=111\nHOTCOLOR=222\nHOTFONTCOLOR=6\n");
    const TsGeneralData& one = Section(*model, "ONE");
    EXPECT_EQ(one.States, 1);
    EXPECT_EQ(one.Props[1].Color, 111);
    EXPECT_EQ(one.Props[1].FontColor, 5);
    EXPECT_EQ(one.Props[1].GradientPercent, 30);
    EXPECT_EQ(one.HotColor, 0xFFFFFF);  // hot keys are not read for one state
    EXPECT_EQ(one.Props[1].Gradient, one.Gradient);
    const TsGeneralData& two = Section(*model, "TWO");
    EXPECT_EQ(two.Props[0].Color, 111);
    EXPECT_EQ(two.Props[1].Color, 222);
    EXPECT_EQ(two.Props[1].FontColor, 6);
}

TEST(SkinSections, InheritanceThroughParentClass) {
    const std::string options = kHead +
                                "[PANEL]\nCOLOR=4144959\nFONTCOLOR=0xFF000008\nGRADIENTDATA=N/A\nSHOWFOCUS=TRUE\n"
                                "TRANSPARENCY=0xFF000002\n"
                                "[CHILD]\nPARENTCLASS=PANEL\n"
                                "[MINUS]\nPARENTCLASS=PANEL\nCOLOR=-1\nSHOWFOCUS=?\n"
                                "[OWN]\nPARENTCLASS=PANEL\nCOLOR=7\nFONTCOLOR=0xFF000008\nSHOWFOCUS=0\n"
                                "[GRANDCHILD]\nPARENTCLASS=CHILD\n"
                                "[MISSING]\nPARENTCLASS=NOSUCH\n"
                                "[SELF]\nPARENTCLASS=SELF\n"
                                "[QUESTION]\nPARENTCLASS=?\n";
    const auto model = LoadOptions(options, WithTestColors());
    for (const char* name : {"CHILD", "MINUS", "GRANDCHILD"}) {
        const TsGeneralData& s = Section(*model, name);
        EXPECT_EQ(s.Color, 4144959) << name;
        // A system colour found in an ancestor is resolved; one written in the section itself is not.
        EXPECT_EQ(s.FontColor, 0x080A0B) << name;
        // Resolved to 0x020A0B, then brought into the percent range; unresolved it would be negative, so 0.
        EXPECT_EQ(s.Transparency, 100) << name;
        EXPECT_EQ(s.GradientData, "N/A") << name;
        EXPECT_TRUE(s.ShowFocus) << name;
    }
    EXPECT_EQ(Section(*model, "CHILD").ParentClass, "PANEL");
    EXPECT_EQ(Section(*model, "GRANDCHILD").ParentClass, "CHILD");
    EXPECT_EQ(Section(*model, "OWN").Color, 7);
    EXPECT_EQ(Section(*model, "OWN").FontColor, static_cast<int32_t>(0xFF000008u));
    EXPECT_FALSE(Section(*model, "OWN").ShowFocus);
    EXPECT_EQ(Section(*model, "PANEL").Transparency, 0);  // 0xFF000002 is negative: no percent
    for (const char* name : {"MISSING", "SELF", "QUESTION"}) {
        EXPECT_EQ(Section(*model, name).Color, 0xFFFFFF) << name;
        EXPECT_EQ(Section(*model, name).States, 3) << name;
    }
}

TEST(SkinSections, ColorIsAlwaysResolved) {
    const auto model = LoadOptions(kHead + "[S]\nCOLOR=0xFF00000F\nHOTCOLOR=0xFF00000F\nGCOL=0xFF000001\n",
                                   WithTestColors());
    const TsGeneralData& s = Section(*model, "S");
    EXPECT_EQ(s.Color, 0x0F0A0B);
    EXPECT_EQ(s.GlowColor, 0x010A0B);
    EXPECT_EQ(s.HotColor, static_cast<int32_t>(0xFF00000Fu));
}

TEST(SkinSections, ParentsThatNameEachOtherEndTheChain) {
    const auto model = LoadOptions(kHead +
                                   "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\nFONTCOLOR=9\n[C]\nPARENTCLASS=A\n"
                                   "[A]\nGLYPHMASK=@0001@0001@0002@0002@1@0\n");
    EXPECT_EQ(Section(*model, "A").Color, 0xFFFFFF);
    EXPECT_EQ(Section(*model, "A").FontColor, 9);
    EXPECT_EQ(Section(*model, "C").FontColor, 9);
    // Mask lookups through the same loop end as well.
    EXPECT_EQ(model->FindMask(model->FindSection("B"), "B", "BORDERSMASK"), -1);
    EXPECT_EQ(model->FindMask(model->FindSection("C"), "C", "GLYPHMASK"), model->FindMaskExact("A", "GLYPHMASK"));
}

TEST(SkinSections, Gradients) {
    const auto model = LoadOptions(kHead +
                                   "[ONECHAR]\nGRADIENTDATA=5\nGRADIENTPERCENT=80\n"
                                   "[NA]\nGRADIENTDATA=N/A\nGRADIENTPERCENT=80\n"
                                   "[TWO]\nGRADIENTDATA=4144959;1907997;97;0;0;1907997;1907997;0;0;0\n"
                                   "GRADIENTPERCENT=100\nHOTGRADIENTDATA=;;-5;;300;150;1;9;;7;8\nHOTGRADIENTPERCENT=50\n");
    EXPECT_EQ(Section(*model, "ONECHAR").GradientPercent, 0);
    EXPECT_EQ(Section(*model, "ONECHAR").Props[0].GradientPercent, 0);
    EXPECT_TRUE(Section(*model, "NA").Gradient->empty());
    EXPECT_EQ(Section(*model, "NA").GradientPercent, 80);

    const TsGeneralData& two = Section(*model, "TWO");
    ASSERT_EQ(two.Gradient->size(), 2u);
    EXPECT_EQ((*two.Gradient)[0].GradStart, 0x3F3F3F);
    EXPECT_EQ((*two.Gradient)[0].GradEnd, 0x1D1D1D);
    EXPECT_EQ((*two.Gradient)[0].GradPercent, 97);
    EXPECT_EQ((*two.Gradient)[1].GradPercent, 0);
    ASSERT_EQ(two.HotGradient->size(), 1u);
    EXPECT_EQ((*two.HotGradient)[0].GradStart, 0);  // negative raised to 0
    EXPECT_EQ((*two.HotGradient)[0].GradEnd, 300);
    EXPECT_EQ((*two.HotGradient)[0].GradPercent, 100);  // clamped
    EXPECT_EQ((*two.HotGradient)[0].GradMode, 1);
    EXPECT_EQ(two.Props[1].Gradient, two.HotGradient);
    EXPECT_EQ(two.Props[0].Gradient, two.Gradient);

    EXPECT_THROW(LoadOptions(kHead + "[S]\nGRADIENTDATA=1;2;x;0;0\n"), EConvertError);
    EXPECT_NO_THROW(LoadOptions(kHead + "[S]\nGRADIENTDATA=1;2;3;0;0;x\n"));
}

TEST(SkinGlobalData, KeysAndDefaults) {
    TsSkinLoadSettings settings;
    settings.SizingFrameWidth = 6;
    const auto defaults = LoadOptions("[GLOBALINFO]\n", settings);
    const TsSkinData& d = defaults->SkinData;
    EXPECT_EQ(d.Version, 0);
    EXPECT_EQ(d.Shadow1Blur, -1);
    EXPECT_EQ(d.FrameBorderWidth, 4);
    EXPECT_EQ(d.TitleBarHeight, 30);
    EXPECT_EQ(d.TitleBarMaxHeight, 30);
    EXPECT_EQ(d.FormOffset, 6);
    EXPECT_FALSE(d.AeroBlur);

    const auto model = LoadOptions(
        "[GLOBALINFO]\nVERSION=7.5\nAUTHOR=Someone\nTITLEHEIGHT=0\nMAXHEIGHT=0\nSHADOW1OFFSET=3\n"
        "SHADOW1COLOR=0x102030\nBIKEEPHUE=2\nAEROBLUR=5\nBORDERWIDTH=oops\nFORMOFFSET=2\n");
    EXPECT_DOUBLE_EQ(model->SkinData.Version, 7.5);
    EXPECT_EQ(model->SkinData.Author, "Someone");
    EXPECT_EQ(model->SkinData.TitleBarHeight, 30);
    EXPECT_EQ(model->SkinData.TitleBarMaxHeight, 30);
    EXPECT_EQ(model->SkinData.Shadow1Offset, 3);
    EXPECT_EQ(model->SkinData.Shadow1Color, 0x102030);
    EXPECT_EQ(model->SkinData.TitleIconsKeepHue, 2);
    EXPECT_TRUE(model->SkinData.AeroBlur);
    EXPECT_EQ(model->SkinData.FrameBorderWidth, 4);  // unreadable: the default
    EXPECT_EQ(model->SkinData.FormOffset, 2);

    for (const char* key : {"SHADOW1OFFSET", "SHADOW1BLUR", "SHADOW1TRANSPARENCY", "BICONCLOSEGLOW",
                            "BICONMINGLOWMARGIN"})
        EXPECT_THROW(LoadOptions(std::string("[GLOBALINFO]\n") + key + "=abc\n"), EConvertError) << key;
}

TEST(SkinGlobalData, VersionIsCheckedTwicePerLoad) {
    std::vector<double> seen;
    TsSkinLoadSettings settings;
    settings.CheckVersion = [&](double v) { seen.push_back(v); };
    LoadOptions("[GLOBALINFO]\nVERSION=9.10\n", settings);
    EXPECT_EQ(seen, (std::vector<double>{9.10, 9.10}));
}

TEST(SkinGlobalData, VersionNotices) {
    struct Case {
        double version;
        bool oldNotice;
        bool shown, warning;
    };
    const Case cases[] = {{8.0, true, false, false}, {8.99, false, false, false}, {9.0, false, true, true},
                          {7.0, true, false, false}, {6.99, false, false, false}, {6.99, true, true, false}};
    for (const Case& c : cases) {
        const auto notice = SkinVersionNotice(c.version, "Old Blue", c.oldNotice);
        ASSERT_EQ(notice.has_value(), c.shown) << c.version;
        if (!notice) continue;
        EXPECT_EQ(notice->Warning, c.warning) << c.version;
    }
    EXPECT_EQ(SkinVersionNotice(9.5, "", false)->Text,
              "This version of the skin have not complete support by used Velour package release.\r\n"
              "Components must be updated up to latest version for using this skin.");
    EXPECT_EQ(SkinVersionNotice(5, "Old Blue", true)->Text,
              "You are using an old version of the \"Old Blue\" skin. Please, update a skins to latest or link with "
              "the Velour support for upgrading of existing skin.\r\n\r\nThis notification occurs in design-time "
              "only for your information and will not occur in real-time.");
}

TEST(SkinGlobalData, AFailedReloadLeavesNoStaleIndexes) {
    TsSkinModel model;
    const std::string good = kHead +
                             "[A]\nBORDERSMASK=^0000^0000^0030^0024^0003^0003^0003^0003^1^0^0^0\n"
                             "[B]\nBORDERSMASK=^0000^0000^0030^0024^0003^0003^0003^0003^1^0^0^0\n";
    TMemoryStream first{SkinBuilder().Options(good).Package()};
    LoadPackagedSkin(model, first, {});
    ASSERT_EQ(model.Sections[2].FrameMask, 1);
    const std::string bad = kHead + "[B]\nBORDERSMASK=^0000^0000^0030^0024^0003^0003^0003^0003^x^0^0^0\n";
    TMemoryStream second{SkinBuilder().Options(bad).Package()};
    EXPECT_THROW(LoadPackagedSkin(model, second, {}), EConvertError);
    for (const TsGeneralData& s : model.Sections) {
        if (s.SectionName == "GLOBALINFO") continue;
        EXPECT_TRUE(s.FrameMask == -1 || model.IsValidMask(s.FrameMask)) << s.SectionName;
    }
}

TEST(SkinPalette, DefaultsAndSources) {
    const auto model = LoadOptions(kHead, WithTestColors());
    const TsSkinPalette& p = model->Palette;
    EXPECT_EQ(p[pcMainColor], 0x0F0A0B);
    EXPECT_EQ(p[pcLabelText], 0);
    EXPECT_EQ(p[pcWebText], 0xFF0000);
    EXPECT_EQ(p[pcWebTextHot], 0x0000FF);
    EXPECT_EQ(p[pcEditText], 0x080A0B);
    EXPECT_EQ(p[pcEditBG], 0x050A0B);
    // Neither "SELECTION" nor "MENUITEM": the system highlight colours.
    EXPECT_EQ(p[pcSelectionBG], 0x0D0A0B);
    EXPECT_EQ(p[pcSelectionBGFocused], 0x0D0A0B);
    EXPECT_EQ(p[pcSelectionText], 0x0E0A0B);
    EXPECT_EQ(p[pcSelectionTextFocused], 0x0E0A0B);
    EXPECT_EQ(p[pcEditBG_Inverted], p[pcEditText]);
    EXPECT_EQ(p[pcEditText_Inverted], p[pcEditBG]);
    EXPECT_EQ(p[pcEditBG_OddRow], p[pcEditBG]);
    EXPECT_EQ(p[pcEditBG_EvenRow], 0x050A0B);  // high byte: round(0.05 * 8 + 0.95 * 5) = 5
    const int32_t defaults[] = {0x008000, 0x008484, 0x0000FF, 0x8597D9, 0x4AB28F, 0x6CC2A5, 0x40FFFF,
                                0x95A7E9, 0x8597D9, 0x4AB28F, 0,        0,        0,        0};
    for (int i = 14; i < 28; ++i) EXPECT_EQ(p[static_cast<std::size_t>(i)], defaults[i - 14]) << "entry " << i;
}

TEST(SkinPalette, EvenRowsMixTextIntoBackgroundRoundingToEven) {
    // Red bytes 10 and 0: 0.5 rounds to 0. Green 30 and 0: 1.5 rounds to 2. Blue 255 and 255.
    const auto model = LoadOptions(kHead + "[EDIT]\nFONTCOLOR=0xFF1E0A\nCOLOR=0xFF0000\n");
    EXPECT_EQ(model->Palette[pcEditBG_EvenRow], 0xFF0200);
}

TEST(SkinPalette, AlertKeysSetThreeEntriesEach) {
    const auto model = LoadOptions(kHead + "EDITTEXT_ALERT=255\nEDITBG_ALERT=0x123456\n");
    for (int i : {16, 17, 18}) EXPECT_EQ(model->Palette[static_cast<std::size_t>(i)], 255) << i;
    for (int i : {21, 22, 23}) EXPECT_EQ(model->Palette[static_cast<std::size_t>(i)], 0x123456) << i;
}

TEST(SkinPalette, SelectionEntries) {
    struct Case {
        const char* sections;
        int32_t bg, text, bgFocused, textFocused;
    };
    const int32_t hlText = static_cast<int32_t>(0xFF00000Eu);
    const Case cases[] = {
        {"[SELECTION]\nSTATES=2\nCOLOR=1\nFONTCOLOR=2\nHOTCOLOR=3\nHOTFONTCOLOR=4\n", 1, 2, 3, 4},
        {"[SELECTION]\nSTATES=1\nCOLOR=1\nFONTCOLOR=2\nHOTCOLOR=3\nHOTFONTCOLOR=4\n", 1, 2, 1, 2},
        // A selection text of "none" falls back to the menu item's hot colours.
        {"[SELECTION]\nCOLOR=1\nFONTCOLOR=0xFF00FF\n[MENUITEM]\nHOTCOLOR=7\nHOTFONTCOLOR=8\n", 7, 8, 7, 8},
        {"[MENUITEM]\nHOTCOLOR=7\nHOTFONTCOLOR=0xFF00FF\n", 7, hlText, 7, hlText},
        {"[MENUITEM]\nHOTCOLOR=7\nHOTFONTCOLOR=0xFF000003\n", 7, 0x030A0B, 7, 0x030A0B},
    };
    for (const Case& c : cases) {
        const auto model = LoadOptions(kHead + c.sections, WithTestColors());
        const TsSkinPalette& p = model->Palette;
        EXPECT_EQ(p[pcSelectionBG], c.bg) << c.sections;
        EXPECT_EQ(p[pcSelectionText], c.text) << c.sections;
        EXPECT_EQ(p[pcSelectionBGFocused], c.bgFocused) << c.sections;
        EXPECT_EQ(p[pcSelectionTextFocused], c.textFocused) << c.sections;
    }
}

TEST(SkinLookups, MasksTexturesAndPatternsFollowParents) {
    const auto model = LoadOptions(kHead +
                                   "[PANEL]\nBORDERSMASK=^0000^0000^0030^0024^0003^0003^0003^0003^1^0^0^0\n"
                                   "PATTERN=~0001~0001~0005~0005~00\nHOTPATTERN=@0001@0001@0002@0002@1@0\n"
                                   "[CHILD]\nPARENTCLASS=PANEL\nIMGTOPLEFT=@0001@0001@0002@0002@1@0\n"
                                   "[SOLO]\nSTATES=1\nPARENTCLASS=PANEL\n");
    const int panel = model->FindSection("PANEL");
    const int child = model->FindSection("CHILD");
    const int frame = model->FindMaskExact("PANEL", "BORDERSMASK");
    ASSERT_GE(frame, 0);
    EXPECT_EQ(model->FindMask(child, "CHILD", "BORDERSMASK"), frame);
    EXPECT_EQ(model->FindMaskExact("CHILD", "BORDERSMASK"), -1);
    EXPECT_EQ(model->FindMask(-1, "CHILD", "BORDERSMASK"), -1);
    EXPECT_EQ(model->FindMask(child, "", "BORDERSMASK"), -1);
    EXPECT_EQ(model->FindMaskExact("", "BORDERSMASK"), -1);
    EXPECT_EQ(model->FindTexture(child, "CHILD", "PATTERN"), model->FindMaskExact("PANEL", "PATTERN"));
    EXPECT_EQ(model->FindTexture(panel, "PANEL", "HOTPATTERN"), -1);  // an image, not a texture
    EXPECT_EQ(model->FindPattern(panel, "PANEL", "PATTERN"), -1);  // no large textures at all

    const TsGeneralData& c = Section(*model, "CHILD");
    EXPECT_EQ(c.FrameMask, frame);
    EXPECT_EQ(c.CornerTopLeft, model->FindMaskExact("CHILD", "IMGTOPLEFT"));
    EXPECT_EQ(c.CornerTopRight, -1);
    EXPECT_EQ(c.PatternIndex, model->FindMaskExact("PANEL", "PATTERN"));
    EXPECT_EQ(c.Props[0].PatternMask, c.PatternIndex);
    EXPECT_EQ(c.Props[1].PatternMask, -1);
    EXPECT_EQ(Section(*model, "SOLO").Props[1].PatternMask, 0);  // a copy taken before lookups

    EXPECT_TRUE(model->IsValidMask(frame));
    EXPECT_FALSE(model->IsValidMask(static_cast<int>(model->Masks.size())));
}

TEST(SkinLookups, MarginsFallBackToTheDefaultThenTheStateSize) {
    TsSkinModel model;
    TsMaskData m;
    m.SrcRect = {0, 0, 30, 24};
    m.FrameCount = 3;
    m.MaskKind = 1;
    m.MarginLeft = 2;
    m.DefaultMargin = 0;
    model.Masks.push_back(std::move(m));
    EXPECT_EQ(model.MaskMarginLeft(0), 2);
    EXPECT_EQ(model.MaskMarginRight(0), 10);
    EXPECT_EQ(model.MaskMarginTop(0), 12);
    model.Masks[0].DefaultMargin = 4;
    EXPECT_EQ(model.MaskMarginBottom(0), 4);
    model.Masks[0].FrameCount = 0;
    model.Masks[0].MarginLeft = 0;
    model.Masks[0].DefaultMargin = 0;
    EXPECT_EQ(model.MaskMarginLeft(0), 30);  // no frames counts as one
    EXPECT_EQ(model.Masks[0].FrameCount, 1);
    model.Masks[0].MaskKind = -1;
    EXPECT_EQ(model.MaskMarginTop(0), 0);
}

TEST(SkinKnownIndexes, SlotsComeFromTheirSections) {
    const auto model = LoadOptions(kHead +
                                   "BOXCHECKED=@0134@0104@0162@0117@2@0\nBICONHELP=@0001@0001@0002@0002@1@0\n"
                                   "GRIPIMAGE=@0001@0001@0002@0002@1@0\n"
                                   "[TABTOP]\nBORDERSMASK=^0000^0000^0030^0024^0003^0003^0003^0003^1^0^0^0\n"
                                   "[TABLEFT]\nPARENTCLASS=TABTOP\n"
                                   "[COMBOBTN]\nPARENTCLASS=TABTOP\nPATTERN=~0001~0001~0005~0005~00\n"
                                   "[SCROLLSLIDERH]\nHOTPATTERN=@0001@0001@0002@0002@1@0\n"
                                   "[WEBBUTTON]\n");
    const TsKnownIndexes& k = model->KnownIndexes;
    EXPECT_EQ(k.GlobalInfo, 0);
    EXPECT_EQ(k.CheckMask[0], model->FindMaskExact("GLOBALINFO", "BOXCHECKED"));
    EXPECT_EQ(k.CheckMask[1], -1);
    EXPECT_EQ(k.TitleIcon[5], model->FindMaskExact("GLOBALINFO", "BICONHELP"));
    EXPECT_EQ(k.GripImage, model->FindMaskExact("GLOBALINFO", "GRIPIMAGE"));
    EXPECT_EQ(k.TabSection[0], model->FindSection("TABTOP"));
    EXPECT_EQ(k.TabSection[1], -1);
    EXPECT_EQ(k.TabFrame[2], model->FindMaskExact("TABTOP", "BORDERSMASK"));  // inherited by TABLEFT
    EXPECT_EQ(k.TabFrame[1], -1);
    EXPECT_EQ(k.ComboBtnFrame, -1);  // exact lookup: not inherited
    EXPECT_EQ(k.ComboBtnPattern, model->FindMaskExact("COMBOBTN", "PATTERN"));
    EXPECT_EQ(k.SliderPattern[1], model->FindMaskExact("SCROLLSLIDERH", "HOTPATTERN"));
    EXPECT_EQ(k.SliderPattern[2], -1);
    EXPECT_EQ(k.WebButtonSection, model->FindSection("WEBBUTTON"));

    const auto bare = LoadOptions("[EDIT]\nBOXCHECKED=@0134@0104@0162@0117@2@0\n");
    EXPECT_EQ(bare->KnownIndexes.GlobalInfo, -1);
    EXPECT_EQ(bare->KnownIndexes.CheckMask[0], -1);
}

TEST(SkinCommonSections, OverlayAddsSectionsAndTexturesFromFiles) {
    test::TempFolder folder;
    test::WriteWholeFile(folder / "BIG.JPG", [] {
        const auto b = test::EncodeJpeg(10, 10, 0x808080);
        return std::string(b.begin(), b.end());
    }());
    TsSkinLoadSettings settings;
    settings.CommonSections =
        "[extra]\nparentclass=panel\nfontcolor=12\npattern=BIG.JPG\n"
        "[PANEL]\nCOLOR=99\n"
        "[LEGACY]\nMASK=M#(0,0,30,24)(2,1)\n"
        "[GLOBALINFO]\nIGNORED=#(0,0,30,24)(2,1)\n";
    auto model = std::make_unique<TsSkinModel>();
    model->SkinData.ImageFolder = folder.Path();
    const SkinBuilder skin =
        SkinBuilder()
            .Options(kHead + "MASTERBITMAP=M.BMP\n[PANEL]\nCOLOR=4\nTRANSPARENCY=30\nSTATES=2\nHOTCOLOR=5\n")
            .File("M.BMP", test::EncodeBmp24(TBitmap32(40, 30, 0x00505050)));
    TMemoryStream package{skin.Package()};
    LoadPackagedSkin(*model, package, settings);

    EXPECT_EQ(Section(*model, "PANEL").Color, 4);  // already in the skin: untouched
    const TsGeneralData& extra = Section(*model, "extra");
    EXPECT_EQ(extra.ParentClass, "PANEL");
    EXPECT_EQ(extra.Color, 4);
    EXPECT_EQ(extra.Transparency, 30);
    EXPECT_EQ(extra.HotColor, 5);
    EXPECT_EQ(extra.FontColor, 12);
    EXPECT_EQ(Section(*model, "LEGACY").Color, 0xFFFFFF);  // no parent: defaults

    ASSERT_EQ(model->Patterns.size(), 1u);
    EXPECT_EQ(model->Patterns[0].SectionName, "EXTRA");
    EXPECT_EQ(model->Patterns[0].Image->Width(), 10);  // small, yet kept as a texture
    const TsMaskData* legacy = Mask(*model, "LEGACY", "MASK");
    ASSERT_NE(legacy, nullptr);
    EXPECT_EQ(legacy->MarginLeft, 5);
    EXPECT_EQ(Mask(*model, "GLOBALINFO", "IGNORED"), nullptr);
}

}  // namespace
}  // namespace pakmole
