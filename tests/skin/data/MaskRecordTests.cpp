#include <gtest/gtest.h>

#include <string>

#include "skin/data/NumberText.h"
#include "skin/data/SkinImage.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tests/support/TestPaths.h"

namespace pakmole {
namespace {

using test::LoadOptions;
using test::LoadPackage;
using test::Mask;
using test::SkinBuilder;

const std::string kHead = "[GLOBALINFO]\nVERSION=8.00\n";

struct RecordCase {
    const char* value;
    TRect32 rect;
    int frames, kind, flags, defaultMargin, recordKind;
    int left, top, right, bottom;
};

TEST(MaskRecords, FixedPositionSyntaxes) {
    const RecordCase cases[] = {
        {"@0134@0104@0162@0117@2@0", {134, 104, 162, 117}, 2, 0, 0, 0, 2, 0, 0, 0, 0},
        {"^0001^0076^0076^0100^0003^0004^0004^0004^3^0^5^1", {1, 76, 76, 100}, 3, 0, 5, 1, 0, 3, 4, 4, 4},
        // No margins and no default margin: a third of one state image.
        {"^0000^0000^0030^0024^0000^0000^0000^0000^2^1^0^0", {0, 0, 30, 24}, 2, 1, 0, 0, 0, 5, 4, 5, 4},
        // No margins but a default margin: that on every side.
        {"^0000^0000^0030^0024^0000^0000^0000^0000^2^1^0^3", {0, 0, 30, 24}, 2, 1, 0, 3, 0, 3, 3, 3, 3},
        {"~0034~0041~0037~0047~10~1", {34, 41, 37, 47}, 1, 1, 10, 0, 1, 0, 0, 0, 0},
        {"~0034~0041~0037~0047~10", {34, 41, 37, 47}, 1, 0, 10, 0, 1, 0, 0, 0, 0},
        // Characters between the fields are not checked.
        {"@0001x0002y0003z0004w1v0", {1, 2, 3, 4}, 1, 0, 0, 0, 2, 0, 0, 0, 0},
    };
    for (const RecordCase& c : cases) {
        const auto model = LoadOptions(kHead + "[CTRL]\nMASK=" + c.value + "\n");
        const TsMaskData* m = Mask(*model, "CTRL", "MASK");
        ASSERT_NE(m, nullptr) << c.value;
        EXPECT_EQ(m->SrcRect.Left, c.rect.Left) << c.value;
        EXPECT_EQ(m->SrcRect.Top, c.rect.Top) << c.value;
        EXPECT_EQ(m->SrcRect.Right, c.rect.Right) << c.value;
        EXPECT_EQ(m->SrcRect.Bottom, c.rect.Bottom) << c.value;
        EXPECT_EQ(m->FrameCount, c.frames) << c.value;
        EXPECT_EQ(m->MaskKind, c.kind) << c.value;
        EXPECT_EQ(m->PaintFlags, c.flags) << c.value;
        EXPECT_EQ(m->DefaultMargin, c.defaultMargin) << c.value;
        EXPECT_EQ(m->RecordKind, c.recordKind) << c.value;
        EXPECT_EQ(m->MarginLeft, c.left) << c.value;
        EXPECT_EQ(m->MarginTop, c.top) << c.value;
        EXPECT_EQ(m->MarginRight, c.right) << c.value;
        EXPECT_EQ(m->MarginBottom, c.bottom) << c.value;
        EXPECT_EQ(m->Owner, model.get()) << c.value;
        EXPECT_FALSE(m->MaskBitmap) << c.value;
    }
}

TEST(MaskRecords, ValuesThatMakeNoRecord) {
    for (const char* value : {"#", "", "123", "Skin.png", "N/A", "!", "!NAME.TXT!3"}) {
        const auto model = LoadOptions(kHead + "[CTRL]\nMASK=" + value + "\n");
        EXPECT_TRUE(model->Masks.empty()) << value;
    }
}

TEST(MaskRecords, AFixedFieldThatIsNotANumberFailsTheLoad) {
    for (const char* value : {"^00x1^0076^0076^0100^0003^0004^0004^0004^3^0^5^1", "@0134@0104@0162@0117@x@0",
                              "~0034~0041~0037~0047~x1", "@0134@0104", "^0001^0076^0076^0100^0003^0004^0004^0004^3^0^5"}) {
        EXPECT_THROW(LoadOptions(kHead + "[CTRL]\nMASK=" + value + "\n"), EConvertError) << value;
    }
}

TEST(MaskRecords, OldSkinsMarkAOnePixelCentreForStretching) {
    struct Case {
        const char* version;
        const char* value;
        int flags;
    };
    const Case cases[] = {
        // 9 x 6 per state with margins 4/4 and 2/3: the centre is 1 x 1.
        {"7.30", "^0000^0000^0018^0012^0004^0002^0004^0003^2^1^4^0", 5},
        {"7.30", "^0000^0000^0018^0012^0004^0002^0004^0002^2^1^5^0", 4},  // 1 x 2: cleared
        {"7.40", "^0000^0000^0018^0012^0004^0002^0004^0003^2^1^4^0", 4},  // new enough: as written
        {"7.30", "^0000^0000^0009^0006^0004^0002^0004^0003^1^0^4^0", 4},  // no mask band: as written
    };
    for (const Case& c : cases) {
        const auto model =
            LoadOptions(std::string("[GLOBALINFO]\nVERSION=") + c.version + "\n[CTRL]\nMASK=" + c.value + "\n");
        ASSERT_NE(Mask(*model, "CTRL", "MASK"), nullptr);
        EXPECT_EQ(Mask(*model, "CTRL", "MASK")->PaintFlags, c.flags) << c.version << " " << c.value;
    }
}

TEST(MaskRecords, RecordsThatWouldDivideByZeroAreRejected) {
    const auto png = test::EncodePng(TBitmap32(12, 6, 0xFF336699));
    for (const char* value : {"!GLYPH.PNG!0!0", "!GLYPH.PNG", "!GLYPH.PNG!2!-1", "!GLYPH.PNG!0!0!0!1!1!1!1!1"}) {
        const SkinBuilder skin = SkinBuilder().Options(kHead + "[CTRL]\nMASK=" + value + "\n").File("Glyph.png", png);
        try {
            LoadPackage(skin);
            ADD_FAILURE() << value;
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find("\"MASK\" of section \"CTRL\""), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(LoadOptions(kHead + "[CTRL]\nMASK=^0000^0000^0030^0024^0000^0000^0000^0000^0^1^0^0\n"), Exception);
    // A frame mask without frames is harmless when nothing needs dividing.
    const auto model = LoadOptions(kHead + "[CTRL]\nMASK=^0000^0000^0030^0000^0001^0001^0001^0001^0^1^0^0\n");
    EXPECT_NE(Mask(*model, "CTRL", "MASK"), nullptr);
}

TEST(MaskRecords, ImageFileRecords) {
    const TBitmap32 glyph(12, 6, 0xFF336699);
    const SkinBuilder skin =
        SkinBuilder()
            .Options(kHead +
                     "[CTRL]\n"
                     "FULL=!GLYPH.PNG!3!1!0!0047!0048!0049!0050!5\n"
                     "SHORT=!GLYPH.PNG!2!1\n"
                     "KIND=!!GLYPH.PNG!!2!!1!!9!1!2!3!4\n"
                     "WORDS=!GLYPH.PNG!x!1!2!3!4!5!6\n"
                     "LOWER=!glyph.png!3!1\n"
                     "MISSING=!NONE.PNG!3!1\n"
                     "BMP=!BUTTONHUGE.BMP!3!1!0!0004!0004!0004!0004!5\n")
            .File("Glyph.png", test::EncodePng(glyph))
            .File("ButtonHuge.bmp", test::EncodeBmp24(TBitmap32(30, 20, 0x00AABBCC)));
    const auto model = LoadPackage(skin);

    const TsMaskData* full = Mask(*model, "CTRL", "FULL");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->FrameCount, 3);
    EXPECT_EQ(full->MaskKind, 1);
    EXPECT_EQ(full->RecordKind, 0);
    EXPECT_EQ(full->MarginLeft, 47);
    EXPECT_EQ(full->MarginTop, 48);
    EXPECT_EQ(full->MarginRight, 49);
    EXPECT_EQ(full->MarginBottom, 50);
    EXPECT_EQ(full->PaintFlags, 5);
    EXPECT_EQ(full->SrcRect.Right, 12);
    EXPECT_EQ(full->SrcRect.Bottom, 6);
    ASSERT_TRUE(full->MaskBitmap);
    EXPECT_EQ(full->MaskBitmap->Width(), 12);

    const TsMaskData* shortRecord = Mask(*model, "CTRL", "SHORT");
    ASSERT_NE(shortRecord, nullptr);
    EXPECT_EQ(shortRecord->MarginLeft, 2);  // 12 / (2 * 3)
    EXPECT_EQ(shortRecord->MarginRight, 2);
    EXPECT_EQ(shortRecord->MarginTop, 1);  // 6 / (2 * 3)
    EXPECT_EQ(shortRecord->MarginBottom, 1);
    EXPECT_EQ(shortRecord->PaintFlags, 1);

    const TsMaskData* kind = Mask(*model, "CTRL", "KIND");
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->RecordKind, 4);  // above 4 becomes 4; runs of "!" are one separator
    EXPECT_EQ(kind->MarginLeft, 1);
    EXPECT_EQ(kind->MarginBottom, 4);
    EXPECT_EQ(kind->PaintFlags, 1);  // eight words only

    const TsMaskData* words = Mask(*model, "CTRL", "WORDS");
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(words->FrameCount, 0);  // not a number reads as 0; margins are given, so nothing divides
    EXPECT_EQ(words->RecordKind, 2);

    EXPECT_EQ(Mask(*model, "CTRL", "LOWER"), nullptr);
    EXPECT_EQ(Mask(*model, "CTRL", "MISSING"), nullptr);

    const TsMaskData* bmp = Mask(*model, "CTRL", "BMP");
    ASSERT_NE(bmp, nullptr);
    ASSERT_TRUE(bmp->MaskBitmap);
    EXPECT_EQ(bmp->MaskBitmap->Pixel(0, 0), 0xFFAABBCCu);  // 24-bit images become opaque
}

TEST(MaskRecords, ImageFileRecordsNamingBitmapsInLowerCaseMakeNoRecord) {
    const SkinBuilder skin = SkinBuilder()
                                 .Options(kHead + "[BUTTON_HUGE]\nBORDERSMASK=!buttonhuge.bmp!3!1!0!4!4!4!4!5\n")
                                 .File("buttonhuge.bmp", test::EncodeBmp24(TBitmap32(30, 20, 0x00AABBCC)));
    EXPECT_TRUE(LoadPackage(skin)->Masks.empty());
}

TEST(MaskRecords, PngImagesArePremultipliedOnlyInNewerSkins) {
    TBitmap32 png(4, 1);
    png.Pixel(0, 0) = 0x00FFFFFF;  // transparent white
    png.Pixel(1, 0) = 0x80FF8040;
    png.Pixel(2, 0) = 0xFFFFFFFF;
    png.Pixel(3, 0) = 0x00123456;
    struct Case {
        const char* version;
        uint32_t expected[4];
    };
    const Case cases[] = {
        {"7.45", {0, 0x80FF8040, 0xFFFFFFFF, 0x00123456}},
        {"7.46", {0, 0x807F4020, 0xFFFEFEFE, 0}},
    };
    for (const Case& c : cases) {
        const SkinBuilder skin =
            SkinBuilder()
                .Options(std::string("[GLOBALINFO]\nVERSION=") + c.version + "\n[CTRL]\nIMG=!P.PNG!1!0!2!0!0!0!0!0\n")
                .File("P.png", test::EncodePng(png));
        const auto model = LoadPackage(skin);
        const TsMaskData* m = Mask(*model, "CTRL", "IMG");
        ASSERT_NE(m, nullptr);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(m->MaskBitmap->Pixel(x, 0), c.expected[x]) << c.version << " pixel " << x;
    }
}

TEST(MaskRecords, PlainBitmapFiles) {
    TBitmap32 frame(27, 18, 0x00303030);
    const SkinBuilder skin = SkinBuilder()
                                 .Options(kHead + "[Ctrl]\nFrame=Frame.bmp\nOther=Other.png\n")
                                 .File("Frame.bmp", test::EncodeBmp24(frame));
    const auto model = LoadPackage(skin);
    ASSERT_EQ(model->Masks.size(), 1u);
    const TsMaskData& m = model->Masks[0];
    EXPECT_EQ(m.SectionName, "CTRL");
    EXPECT_EQ(m.PropertyName, "FRAME");
    EXPECT_EQ(m.FrameCount, 3);
    EXPECT_EQ(m.MaskKind, 1);
    EXPECT_EQ(m.RecordKind, 0);
    EXPECT_EQ(m.MarginLeft, 3);
    EXPECT_EQ(m.MarginRight, 3);
    EXPECT_EQ(m.MarginTop, 3);
    EXPECT_EQ(m.MarginBottom, 3);
    EXPECT_EQ(m.SrcRect.Right, 27);
}

TEST(MaskRecords, LegacyRecords) {
    struct Case {
        const char* value;
        TRect32 rect;
        int frames, kind, defaultMargin, flags;
        int left, top;
    };
    const Case cases[] = {
        {"MASTER#(0,0,30,24)(2,1)", {0, 0, 30, 24}, 2, 1, 0, 1, 5, 4},
        {"a#(10,20,40,44)(0,-2)", {10, 20, 40, 44}, 1, 0, 0, 1, 10, 8},
        // Spaces separate words before commas do, so spaced coordinates fall apart.
        {"#(10, 20, 40, 44)(2,0)", {10, 0, 0, 0}, 20, 0, 0, 1, 0, 0},
        {"#(1,2,x)(3,1,2,9)", {1, 2, 0, 0}, 3, 1, 2, 9, 2, 2},
        {"#(0,0,30,24)(2,1,-4,6)", {0, 0, 30, 24}, 2, 1, 0, 6, 5, 4},
        {"#x", {0, 0, 0, 0}, 1, 0, 0, 1, 0, 0},
        // Coordinates at the ends of the 32-bit range neither overflow nor reach outside the bitmap.
        {"#(2147483000,0,2147483600,30)(1,0)", {2147483000, 0, 2147483600, 30}, 1, 0, 0, 1, 200, 10},
        {"#(-2147483648,0,2147483647,9)(1,0)", {-2147483647 - 1, 0, 2147483647, 9}, 1, 0, 0, 1, 0, 3},
    };
    for (const Case& c : cases) {
        const auto model = LoadOptions(kHead + "[Ctrl]\nMask=" + c.value + "\n");
        const TsMaskData* m = Mask(*model, "CTRL", "MASK");
        ASSERT_NE(m, nullptr) << c.value;
        EXPECT_EQ(m->SrcRect.Left, c.rect.Left) << c.value;
        EXPECT_EQ(m->SrcRect.Top, c.rect.Top) << c.value;
        EXPECT_EQ(m->SrcRect.Right, c.rect.Right) << c.value;
        EXPECT_EQ(m->SrcRect.Bottom, c.rect.Bottom) << c.value;
        EXPECT_EQ(m->FrameCount, c.frames) << c.value;
        EXPECT_EQ(m->MaskKind, c.kind) << c.value;
        EXPECT_EQ(m->DefaultMargin, c.defaultMargin) << c.value;
        EXPECT_EQ(m->PaintFlags, c.flags) << c.value;
        EXPECT_EQ(m->MarginLeft, c.left) << c.value;
        EXPECT_EQ(m->MarginTop, c.top) << c.value;
    }
    EXPECT_THROW(LoadOptions(kHead + "[Ctrl]\nMask=#(0,0,30,24)(2,1,x)\n"), EConvertError);
    EXPECT_THROW(LoadOptions(kHead + "[Ctrl]\nMask=#(0,0,30,24)(2,1,0,y)\n"), EConvertError);
}

// The master bitmap: 40 x 20, grey, with key pixels placed per case.
SkinBuilder MasterSkin(const std::string& sectionLines, const TBitmap32& master) {
    return SkinBuilder()
        .Options("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\n" + sectionLines)
        .File("Master.bmp", test::EncodeBmp24(master));
}

TEST(MaskRecords, MasterBitmapBecomes32BitsWithTransparentKeyPixels) {
    TBitmap32 master(3, 1);
    master.Pixel(0, 0) = 0x00FF00FF;
    master.Pixel(1, 0) = 0x00FF00FE;
    master.Pixel(2, 0) = 0x00102030;
    const auto model = LoadPackage(MasterSkin("", master));
    ASSERT_EQ(model->MasterBitmap.Width(), 3);
    EXPECT_EQ(model->MasterBitmap.Pixel(0, 0), 0x00FF00FFu);
    EXPECT_EQ(model->MasterBitmap.Pixel(1, 0), 0xFFFF00FEu);
    EXPECT_EQ(model->MasterBitmap.Pixel(2, 0), 0xFF102030u);

    // A 32-bit image keeps its own alpha.
    TBitmap32 alpha(1, 1, 0x40102030);
    const auto withAlpha = LoadPackage(
        SkinBuilder().Options("[GLOBALINFO]\nMASTERBITMAP=M.BMP\n").File("M.bmp", test::EncodeBmp32(alpha)));
    EXPECT_EQ(withAlpha->MasterBitmap.Pixel(0, 0), 0x40102030u);

    // The package is searched with the reference as written: it must be upper case.
    const auto lower = LoadPackage(
        SkinBuilder().Options("[GLOBALINFO]\nMASTERBITMAP=Master.bmp\n").File("Master.bmp", test::EncodeBmp24(master)));
    EXPECT_TRUE(lower->MasterBitmap.Empty());
}

TEST(MaskRecords, CornerAnalysisFindsKeyPixelsInTheFirstStateImage) {
    // One frame mask of 2 states of 10 x 8 each at (4, 2), margins 3 / 2.
    const std::string record = "[CTRL]\nBORDERSMASK=^0004^0002^0024^0010^0003^0002^0003^0002^2^0^0^0\n";
    struct Case {
        const char* where;
        int x, y;
        int cornerKind;
    };
    const Case cases[] = {
        {"no key pixel", -1, -1, 0},
        {"top-left", 4, 2, 1},
        {"top-left, last pixel", 6, 3, 1},
        {"past the top-left margin", 7, 2, 0},
        {"top-right", 11, 2, 1},
        {"top-right, outside the first state", 14, 2, 0},
        {"bottom-left", 4, 9, 1},
        {"bottom-right", 13, 8, 1},
        {"centre", 8, 5, 0},
    };
    for (const Case& c : cases) {
        TBitmap32 master(40, 20, 0x00404040);
        if (c.x >= 0) master.Pixel(c.x, c.y) = kKeyPixel;
        const auto model = LoadPackage(MasterSkin(record, master));
        const TsMaskData* m = Mask(*model, "CTRL", "BORDERSMASK");
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->CornerKind, c.cornerKind) << c.where;
    }
    TBitmap32 plain(40, 20, 0x00404040);
    const auto huge = LoadPackage(
        MasterSkin("[BUTTON_HUGE]\nBORDERSMASK=^0004^0002^0024^0010^0003^0002^0003^0002^2^0^0^0\n", plain));
    EXPECT_EQ(Mask(*huge, "BUTTON_HUGE", "BORDERSMASK")->CornerKind, 2);
}

TEST(MaskRecords, JpegTexturesSplitAtNineHundredThousandPixels) {
    struct Case {
        int width, height;
        bool texture;
    };
    const Case cases[] = {{1000, 900, true}, {2267, 397, false}, {8, 8, false}};
    for (const Case& c : cases) {
        const SkinBuilder skin = SkinBuilder()
                                     .Options(kHead + "[Panel]\nPattern=tex.jpg\n")
                                     .File("TEX.JPG", test::EncodeJpeg(c.width, c.height, 0x336699));
        const auto model = LoadPackage(skin);
        if (c.texture) {
            ASSERT_EQ(model->Patterns.size(), 1u) << c.width << "x" << c.height;
            EXPECT_TRUE(model->Masks.empty());
            EXPECT_EQ(model->Patterns[0].SectionName, "PANEL");
            EXPECT_EQ(model->Patterns[0].PropertyName, "PATTERN");
            EXPECT_EQ(model->Patterns[0].Image->Width(), c.width);
        } else {
            EXPECT_TRUE(model->Patterns.empty()) << c.width << "x" << c.height;
            ASSERT_EQ(model->Masks.size(), 1u);
            const TsMaskData& m = model->Masks[0];
            EXPECT_EQ(m.RecordKind, 1);
            EXPECT_EQ(m.FrameCount, 1);
            EXPECT_EQ(m.SectionName, "PANEL");
            EXPECT_EQ(m.SrcRect.Right, 0);
            ASSERT_TRUE(m.MaskBitmap);
            EXPECT_EQ(m.MaskBitmap->Width(), c.width);
            EXPECT_EQ(m.MaskBitmap->Pixel(0, 0) >> 24, 0xFFu);
        }
    }
}

TEST(MaskRecords, DamagedImagesFailTheLoadWithTheirName) {
    const SkinBuilder skin =
        SkinBuilder().Options(kHead + "[CTRL]\nIMG=!BAD.PNG!1!0\n").File("Bad.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
    try {
        LoadPackage(skin);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("BAD.PNG"), std::string::npos) << e.what();
    }
}

TEST(MaskRecords, LooseFilesLoadLikeAPackage) {
    test::TempFolder folder;
    TBitmap32 master(40, 20, 0x00404040);
    master.Pixel(4, 2) = kKeyPixel;
    const SkinBuilder skin =
        SkinBuilder()
            .Options("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\n"
                     "[CTRL]\nBORDERSMASK=^0004^0002^0024^0010^0003^0002^0003^0002^2^0^0^0\nIMG=!GLYPH.PNG!1!0\n")
            .File("MASTER.BMP", test::EncodeBmp24(master))
            .File("GLYPH.PNG", test::EncodePng(TBitmap32(3, 3, 0xFF0000FF)));
    const auto model = test::LoadFolder(skin, folder.Path());
    EXPECT_EQ(model->MasterBitmap.Width(), 40);
    ASSERT_NE(Mask(*model, "CTRL", "BORDERSMASK"), nullptr);
    EXPECT_EQ(Mask(*model, "CTRL", "BORDERSMASK")->CornerKind, 1);
    ASSERT_NE(Mask(*model, "CTRL", "IMG"), nullptr);
    EXPECT_EQ(Mask(*model, "CTRL", "IMG")->MaskBitmap->Width(), 3);
}

}  // namespace
}  // namespace pakmole
