// The bitmap's pixels are a DIB section behind a memory DC: what GDI draws
// there is what Row() reads, and BitBlt copies it exactly.
#include <gtest/gtest.h>

#include "skin/data/Bitmap32_win.h"

namespace pakmole {
namespace {

constexpr uint32_t kFill = 0xFF204060;

TEST(Bitmap32Win, GdiFillShowsInRows) {
    TBitmap32 bitmap(40, 30, kFill);
    ASSERT_NE(Bitmap32DC(bitmap), nullptr);
    // A red rectangle from (5, 7) to (12, 9), exclusive; GDI clears alpha where it draws.
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r{5, 7, 12, 9};
    FillRect(Bitmap32DC(bitmap), &r, red);
    DeleteObject(red);
    GdiFlush();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 5 && x < 12 && y >= 7 && y < 9;
            ASSERT_EQ(bitmap.Row(y)[x] & 0xFFFFFF, inside ? 0xFF0000u : (kFill & 0xFFFFFF)) << x << "," << y;
        }
}

TEST(Bitmap32Win, GdiTextShowsInRows) {
    TBitmap32 bitmap(60, 24, 0xFFFFFFFF);
    HDC dc = Bitmap32DC(bitmap);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 255));
    RECT r{0, 0, 60, 24};
    DrawTextA(dc, "HH", 2, &r, DT_LEFT | DT_TOP | DT_SINGLELINE);
    GdiFlush();
    bool blueSeen = false;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 60; ++x) {
            const uint32_t p = bitmap.Pixel(x, y) & 0xFFFFFF;
            // Smoothed edges mix blue into white: red and green never exceed blue.
            ASSERT_LE((p >> 16) & 0xFF, p & 0xFF);
            if (p == 0x0000FF) blueSeen = true;
        }
    EXPECT_TRUE(blueSeen);
}

TEST(Bitmap32Win, BitBltCopiesEveryPixel) {
    TBitmap32 source(17, 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 17; ++x) source.Pixel(x, y) = 0xFF000000u | static_cast<uint32_t>(x * 13 + y * 7919);
    TBitmap32 target(20, 15, 0xFF000000);
    ASSERT_TRUE(BitBlt(Bitmap32DC(target), 2, 3, 17, 11, Bitmap32DC(source), 0, 0, SRCCOPY));
    GdiFlush();
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 2 && x < 19 && y >= 3 && y < 14;
            const uint32_t expected = inside ? source.Pixel(x - 2, y - 3) : 0xFF000000u;
            ASSERT_EQ(target.Pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << x << "," << y;
        }
}

TEST(Bitmap32Win, CopiesOwnTheirPixelsAndDC) {
    TBitmap32 a(8, 8, 1);
    TBitmap32 b = a;
    b.Pixel(3, 3) = 2;
    EXPECT_EQ(a.Pixel(3, 3), 1u);
    EXPECT_NE(Bitmap32DC(a), Bitmap32DC(b));
    TBitmap32 moved = std::move(b);
    EXPECT_EQ(moved.Pixel(3, 3), 2u);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(Bitmap32DC(b), nullptr);
    a.SetSize(0, 5);
    EXPECT_EQ(Bitmap32DC(a), nullptr);
}

TEST(Bitmap32Win, ResizeKeepsDrawingWorking) {
    TBitmap32 bitmap(4, 4, 0);
    bitmap.SetSize(30, 20, 0xFFFFFFFF);
    SetPixel(Bitmap32DC(bitmap), 29, 19, RGB(1, 2, 3));
    GdiFlush();
    EXPECT_EQ(bitmap.Pixel(29, 19) & 0xFFFFFF, 0x010203u);
}

}  // namespace
}  // namespace pakmole
