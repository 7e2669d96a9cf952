// Key pixels of skin images: a picture without real transparency is keyed
// with magenta whatever its bit depth, while a picture whose alpha tells
// pixels apart keeps that alpha.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "skin/data/SkinImage.h"
#include "tests/skin/data/SkinFixtures.h"

namespace pakmole {
namespace {

using test::Bytes;
using test::LoadPackage;
using test::SkinBuilder;

void Put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A 32-bit BMP with a plain 40-byte header and no masks, as most writers
// make it: the fourth byte of each pixel is spare and written as spare.
Bytes Bmp32Plain(const TBitmap32& bitmap, uint8_t spare) {
    Bytes out{'B', 'M'};
    const uint32_t pixelBytes = static_cast<uint32_t>(bitmap.Width() * bitmap.Height() * 4);
    Put32(out, 14 + 40 + pixelBytes);
    Put32(out, 0);
    Put32(out, 14 + 40);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(bitmap.Width()));
    Put32(out, static_cast<uint32_t>(bitmap.Height()));  // bottom-up
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);  // BI_RGB, sizes, resolutions, palette
    for (int y = bitmap.Height() - 1; y >= 0; --y)
        for (int x = 0; x < bitmap.Width(); ++x) Put32(out, (bitmap.Pixel(x, y) & 0xFFFFFFu) | uint32_t{spare} << 24);
    return out;
}

// Two pixels: the key colour and an ordinary grey, with the given alphas.
TBitmap32 KeyAndGrey(uint8_t keyAlpha, uint8_t greyAlpha) {
    TBitmap32 bitmap(2, 1);
    bitmap.Pixel(0, 0) = 0x00FF00FFu | uint32_t{keyAlpha} << 24;
    bitmap.Pixel(1, 0) = 0x00404040u | uint32_t{greyAlpha} << 24;
    return bitmap;
}

TEST(SkinImages, MagentaIsKeyUnlessTheFilesAlphaSaysOtherwise) {
    struct Case {
        const char* name;
        Bytes file;
        bool hasAlpha;
        uint32_t key, grey;  // the master bitmap's pixels after loading
    };
    const Case cases[] = {
        {"24 bits", test::EncodeBmp24(KeyAndGrey(0, 0)), false, 0x00FF00FF, 0xFF404040},
        {"32 bits, spare byte 0", Bmp32Plain(KeyAndGrey(0, 0), 0), false, 0x00FF00FF, 0xFF404040},
        {"32 bits, spare byte 255", Bmp32Plain(KeyAndGrey(0, 0), 255), false, 0x00FF00FF, 0xFF404040},
        {"32 bits with alpha mask, all 0", test::EncodeBmp32(KeyAndGrey(0, 0)), false, 0x00FF00FF, 0xFF404040},
        {"32 bits with alpha mask, all 255", test::EncodeBmp32(KeyAndGrey(255, 255)), false, 0x00FF00FF,
         0xFF404040},
        {"PNG with alpha, all 255", test::EncodePng(KeyAndGrey(255, 255)), false, 0x00FF00FF, 0xFF404040},
        // Real alpha is the image's own word: an opaque magenta pixel is an ordinary one.
        {"32 bits, key cut out by alpha", test::EncodeBmp32(KeyAndGrey(0, 255)), true, 0x00FF00FF, 0xFF404040},
        {"32 bits, opaque magenta", test::EncodeBmp32(KeyAndGrey(255, 0x80)), true, 0xFFFF00FF, 0x80404040},
        {"32 bits, one alpha for all but not 0 or 255", test::EncodeBmp32(KeyAndGrey(0x80, 0x80)), true,
         0x80FF00FF, 0x80404040},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeSkinImage(c.file, "M.BMP").HasAlpha, c.hasAlpha) << c.name;
        const auto model = LoadPackage(
            SkinBuilder().Options("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=M.BMP\n").File("M.BMP", c.file));
        ASSERT_EQ(model->MasterBitmap.Width(), 2) << c.name;
        EXPECT_EQ(model->MasterBitmap.Pixel(0, 0), c.key) << c.name;
        EXPECT_EQ(model->MasterBitmap.Pixel(1, 0), c.grey) << c.name;
    }
}

TEST(SkinImages, KeyPixelsOfA32BitFrameMaskShowWhatLiesBehindItsCorners) {
    // A plain bitmap record (three states over a mask band, margins 2) whose top-left pixel is magenta, saved as
    // a 32-bit BMP with the spare byte 0: the corner analysis must find it.
    TBitmap32 frame(18, 12, 0x00303030);
    frame.Pixel(0, 0) = 0x00FF00FF;
    const auto model = LoadPackage(
        SkinBuilder()
            .Options("[GLOBALINFO]\nVERSION=8.00\n[CTRL]\nBORDERSMASK=FRAME.BMP\n")
            .File("FRAME.BMP", Bmp32Plain(frame, 0)));
    const TsMaskData* mask = test::Mask(*model, "CTRL", "BORDERSMASK");
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->CornerKind, 1);
}

}  // namespace
}  // namespace pakmole
