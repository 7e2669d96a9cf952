// A push button with a picture (BM_SETIMAGE), skinned from outside: the
// picture sits left of the caption, the two centred together, or alone in the
// middle; its transparent parts show the skin's face; pressed, picture and
// caption move one pixel right and down; disabled, both fade with the face.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <ostream>
#include <vector>

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/manager/sThirdParty.h"
#include "skin/render/Blend.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "ui/GdiHandles.h"

namespace pakmole::test {
namespace {

constexpr int kWidth = 120, kHeight = 30;
constexpr int kGlyph = 16;   // the pictures are 16 x 16 ...
constexpr int kSquare = 10;  // ... with a pure red square at (3, 3)
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00;

// A 16 x 16 picture: the red square on green (the colour of the bottom-left
// pixel, which a plain bitmap leaves out), or with alpha, on nothing at all.
HBITMAP MakeBitmap(int bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kGlyph;
    info.bmiHeader.biHeight = -kGlyph;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    const int stride = (kGlyph * bits / 8 + 3) & ~3;
    for (int y = 0; y < kGlyph; ++y)
        for (int x = 0; x < kGlyph; ++x) {
            const bool square = x >= 3 && x < 3 + kSquare && y >= 3 && y < 3 + kSquare;
            auto* p = static_cast<unsigned char*>(pixels) + y * stride + x * bits / 8;
            if (bits == 32) {
                // Premultiplied: outside the square every byte is 0.
                const uint32_t value = square ? 0xFF000000u | kRed : 0;
                std::memcpy(p, &value, 4);
            } else {
                const uint32_t value = square ? kRed : kGreen;
                p[0] = value & 0xFF, p[1] = (value >> 8) & 0xFF, p[2] = (value >> 16) & 0xFF;
            }
        }
    return bitmap;
}

// The same red square as an icon: black colour bits under a mask that
// leaves everything but the square out.
HICON MakeIcon() {
    BitmapHandle colour(MakeBitmap(24));
    HDC screen = GetDC(nullptr);
    {
        MemoryDC dc(screen);
        SelectedObject selected(dc.Get(), colour.Get());
        RECT outside{0, 0, kGlyph, kGlyph};
        FillRect(dc.Get(), &outside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        BrushHandle red(CreateSolidBrush(RGB(255, 0, 0)));
        RECT square{3, 3, 3 + kSquare, 3 + kSquare};
        FillRect(dc.Get(), &square, red.Get());
    }
    ReleaseDC(nullptr, screen);
    std::vector<WORD> maskRows(kGlyph, 0xFFFF);
    for (int y = 3; y < 3 + kSquare; ++y) {
        // Bits from the left in big-endian order within each 16-bit row.
        const unsigned row = 0xFFFFu & ~(((1u << kSquare) - 1) << (16 - 3 - kSquare));
        maskRows[static_cast<std::size_t>(y)] = static_cast<WORD>((row >> 8) | ((row & 0xFF) << 8));
    }
    BitmapHandle mask(CreateBitmap(kGlyph, kGlyph, 1, 1, maskRows.data()));
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
    return CreateIconIndirect(&info);
}

RECT PixelsOf(const TBitmap32& picture, uint32_t rgb) {
    RECT box{picture.Width(), picture.Height(), -1, -1};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if ((picture.Pixel(x, y) & 0xFFFFFF) == rgb) {
                box.left = std::min<LONG>(box.left, x), box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1), box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

struct GlyphCase {
    const char* name;
    DWORD style;
    UINT imageType;
    std::function<HANDLE()> make;
    const char* caption;
};

void PrintTo(const GlyphCase& c, std::ostream* os) { *os << c.name; }

class BitButton : public AdapterFixture {
protected:
    void Make(const GlyphCase& c) {
        raw = CreateWindowExA(0, "BUTTON", c.caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | c.style, 190, 20,
                              kWidth, kHeight, form->Handle(), reinterpret_cast<HMENU>(78),
                              GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(raw, nullptr);
        image = c.make();
        SendMessageA(raw, BM_SETIMAGE, c.imageType, reinterpret_cast<LPARAM>(image));
        imageType = c.imageType;
        adapter = CreateListAdapter(tpBitBtns, raw, "", manager.get(), nullptr);
        ASSERT_NE(adapter, nullptr);
        RedrawWindow(raw, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Settle();
    }
    void TearDown() override {
        adapter.reset();
        if (raw) DestroyWindow(raw);
        if (image && imageType == IMAGE_ICON) DestroyIcon(static_cast<HICON>(image));
        if (image && imageType == IMAGE_BITMAP) DeleteObject(image);
        AdapterFixture::TearDown();
    }
    POINT Position() const {
        RECT r{};
        GetWindowRect(raw, &r);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return POINT{r.left, r.top};
    }
    TBitmap32 Skin(int state) const {
        return SkinButtonPicture(*manager, kWidth, kHeight, Position(), state,
                                 static_cast<int32_t>(ColorToRGB(form->Color())));
    }
    TBitmap32 Shown() const {
        PumpFor(30);
        return GrabWindow(raw);
    }

    HWND raw = nullptr;
    HANDLE image = nullptr;
    UINT imageType = 0;
    std::unique_ptr<TvlMainWnd> adapter;
};

const GlyphCase kCases[] = {
    {"24-bit bitmap with caption", BS_BITMAP, IMAGE_BITMAP, [] { return HANDLE(MakeBitmap(24)); }, "Open"},
    {"32-bit bitmap with alpha and caption", BS_BITMAP, IMAGE_BITMAP, [] { return HANDLE(MakeBitmap(32)); },
     "Open"},
    {"icon with caption", BS_ICON, IMAGE_ICON, [] { return HANDLE(MakeIcon()); }, "Open"},
    {"24-bit bitmap alone", BS_BITMAP, IMAGE_BITMAP, [] { return HANDLE(MakeBitmap(24)); }, ""},
    {"icon alone", BS_ICON, IMAGE_ICON, [] { return HANDLE(MakeIcon()); }, ""},
};

class BitButtonGlyphs : public BitButton, public ::testing::WithParamInterface<GlyphCase> {};

TEST_P(BitButtonGlyphs, ThePictureSitsLeftOfTheCaptionBothCentredOverTheSkinsFace) {
    const GlyphCase& c = GetParam();
    Make(c);
    ASSERT_EQ(TvlMainWnd::FromWindow(raw), adapter.get());
    EXPECT_EQ(adapter->ClassName(), "TvlBitBtnWnd");
    // The frame is the skin's own, and the picture's transparent colour never shows.
    EXPECT_EQ(SettledFrameDifferences(raw, Skin(0)), 0);
    const TBitmap32 shown = Shown();
    std::string file = std::string("bitbtn-") + c.name;
    std::replace_if(
        file.begin(), file.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '-');
    SaveShot(shown, file.c_str());
    EXPECT_EQ(PixelsOf(shown, kGreen).right, -1) << "the transparent colour shows";

    const RECT square = PixelsOf(shown, kRed);
    ASSERT_EQ(square.right - square.left, kSquare);
    ASSERT_EQ(square.bottom - square.top, kSquare);
    const int glyphLeft = square.left - 3;
    EXPECT_EQ(square.top - 3, (kHeight - kGlyph) / 2);
    // The caption's ink: what differs from the skin outside the picture.
    RECT glyphBox{glyphLeft, square.top - 3, glyphLeft + kGlyph, square.top - 3 + kGlyph};
    const RECT ink = InkBox(shown, Skin(0), glyphBox);
    if (*c.caption == '\0') {
        EXPECT_EQ(ink.right, -1);
        EXPECT_EQ(glyphLeft, (kWidth - kGlyph) / 2);
        return;
    }
    // The caption begins a few pixels after the picture ...
    ASSERT_GT(ink.right, 0);
    EXPECT_GE(ink.left - (glyphLeft + kGlyph), TvlBitBtnWnd::kSpacing - 1);
    EXPECT_LE(ink.left - (glyphLeft + kGlyph), TvlBitBtnWnd::kSpacing + 2);
    // ... and the two lie in the middle together.
    EXPECT_LE(std::abs(glyphLeft - (kWidth - ink.right)), 3) << glyphLeft << " " << ink.right;
}

INSTANTIATE_TEST_SUITE_P(Kinds, BitButtonGlyphs, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(BitButton, PressedThePictureAndTheCaptionMoveOnePixelRightAndDown) {
    Make(kCases[0]);
    const TBitmap32 rest = Shown();
    SendMessageA(raw, BM_SETSTATE, TRUE, 0);
    Settle();
    EXPECT_EQ(SettledFrameDifferences(raw, Skin(2)), 0);
    const TBitmap32 pressed = Shown();
    SaveShot(pressed, "bitbtn-pressed");
    SaveShot(GrabWindow(form->Handle()), "bitbtn-form-pressed");
    SendMessageA(raw, BM_SETSTATE, FALSE, 0);
    const RECT a = PixelsOf(rest, kRed), b = PixelsOf(pressed, kRed);
    EXPECT_EQ(b.left - a.left, 1);
    EXPECT_EQ(b.top - a.top, 1);
    RECT glyphA{a.left - 3, a.top - 3, a.left - 3 + kGlyph, a.top - 3 + kGlyph};
    RECT glyphB{b.left - 3, b.top - 3, b.left - 3 + kGlyph, b.top - 3 + kGlyph};
    const RECT inkA = InkBox(rest, Skin(0), glyphA), inkB = InkBox(pressed, Skin(2), glyphB);
    EXPECT_EQ(inkB.left - inkA.left, 1);
    EXPECT_EQ(inkB.top - inkA.top, 1);
}

TEST_F(BitButton, DisabledThePictureFadesWithTheFaceTowardTheForm) {
    Make(kCases[0]);
    const RECT square = PixelsOf(Shown(), kRed);
    EnableWindow(raw, FALSE);
    Settle();
    const auto behind = static_cast<int32_t>(ColorToRGB(form->Color()));
    EXPECT_EQ(SettledFrameDifferences(raw, DisabledButtonPicture(*manager, kWidth, kHeight, Position(), behind)), 0);
    const TBitmap32 shown = Shown();
    SaveShot(shown, "bitbtn-disabled");
    // 40 percent of the red over the form's colour (colours keep red in the low byte).
    const auto faded = static_cast<uint32_t>(Mix(0x0000FF, behind, 0.4));
    const uint32_t expected = (faded & 0xFF) << 16 | (faded & 0xFF00) | ((faded >> 16) & 0xFF);
    EXPECT_EQ(shown.Pixel(square.left + kSquare / 2, square.top + kSquare / 2) & 0xFFFFFF, expected);
    EXPECT_EQ(PixelsOf(shown, kRed).right, -1);
}

}  // namespace
}  // namespace pakmole::test
