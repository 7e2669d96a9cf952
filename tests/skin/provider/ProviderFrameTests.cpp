// The provider's frame on a form of this process: the skin's painting of a
// sizeable form, the frame given back when the skin is removed and taken
// again when it returns, and a caption change that keeps it.
#include "tests/skin/adapters/AdapterFixture.h"
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sThirdParty.h"
#include "tests/support/TestPaths.h"

#include "tests/skin/frame/FramePictures.h"
#include "tests/ui/GuiObjectCounts.h"
#include "ui/SpeedButton.h"

namespace pakmole::test {
namespace {

class ProviderFrame : public AdapterFixture {
protected:
    int SettledFrameDifferences() {
        HWND h = form->Handle();
        const TsFrameFacts facts = FactsOfWindow(h, TsFrameStyle::fsSizeable, false);
        const TsTitleLayout layout = LayoutWith(*manager, facts);
        const TBitmap32 expected = SkinFramePicture(*manager, facts, GetForegroundWindow() == h, {});
        int differences = 0;
        PumpUntil([&] { return (differences = FrameDifferencesOf(h, GrabWindow(h), expected, layout)) == 0; }, 3000);
        return differences;
    }
    bool HasRegion() {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const bool has = GetWindowRgn(form->Handle(), region) != ERROR;
        DeleteObject(region);
        return has;
    }
};

TEST_F(ProviderFrame, SizeableFormWearsTheSkinsFrame) {
    EXPECT_EQ(SettledFrameDifferences(), 0);
    EXPECT_TRUE(HasRegion());
    EXPECT_NE(provider->WindowImage(), nullptr);
    const TsTitleLayout& layout = provider->CaptionLayout();
    EXPECT_TRUE(layout.Buttons[tbMax].Shown);
    RECT w;
    GetWindowRect(form->Handle(), &w);
    const TRect32 max = layout.Buttons[tbMax].Rect;
    EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0,
                           MAKELPARAM(w.left + (max.Left + max.Right) / 2, w.top + (max.Top + max.Bottom) / 2)),
              HTMAXBUTTON);
    EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left, w.top + 60)), HTLEFT);
}

TEST_F(ProviderFrame, PublishedPropertiesStartAtTheirDefaults) {
    EXPECT_EQ(provider->GripMode(), gmNone);
    EXPECT_EQ(provider->CaptionAlignment(), TAlignment::taLeftJustify);
    EXPECT_TRUE(provider->TitleIcon().Visible);
    EXPECT_EQ(provider->TitleIcon().Width, 0);
    EXPECT_EQ(provider->TitleIcon().Height, 0);
    // Without a grip the client area's corner is the client's.
    RECT client{};
    GetClientRect(form->Handle(), &client);
    POINT corner{client.right - 2, client.bottom - 2};
    ClientToScreen(form->Handle(), &corner);
    EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT);
}

TEST_F(ProviderFrame, TitleIconHidesOrTakesItsOwnSize) {
    ASSERT_NE(provider->WindowImage(), nullptr);
    ASSERT_TRUE(provider->CaptionLayout().IconShown);
    provider->SetTitleIcon(TsTitleIcon{false, 0, 0, {}});
    ASSERT_NE(provider->WindowImage(), nullptr);
    EXPECT_FALSE(provider->CaptionLayout().IconShown);
    provider->SetTitleIcon(TsTitleIcon{true, 12, 10, {}});
    ASSERT_NE(provider->WindowImage(), nullptr);
    EXPECT_TRUE(provider->CaptionLayout().IconShown);
    EXPECT_EQ(provider->CaptionLayout().IconRect.Width(), 12);
    EXPECT_EQ(provider->CaptionLayout().IconRect.Height(), 10);
}

// A glyph of the title icon stands instead of the form's icon, stretched
// to the icon's size: 4 x 4 with a red left half and a key-coloured right
// half becomes 16 x 16, red on the left, the caption strip on the right.
TEST_F(ProviderFrame, TitleIconGlyphStandsStretchedForTheIcon) {
    form->SetCaption("");
    provider->SetTitleIcon(TsTitleIcon{false, 0, 0, {}});
    const TBitmap32 bare = *provider->WindowImage();
    TBitmap32 glyph(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) glyph.Pixel(x, y) = x < 2 ? 0x00FF0000u : 0x00FF00FFu;
    provider->SetTitleIcon(TsTitleIcon{true, 16, 16, glyph});
    const TBitmap32 image = *provider->WindowImage();
    const TRect32 r = provider->CaptionLayout().IconRect;
    ASSERT_EQ(r.Width(), 16);
    ASSERT_EQ(r.Height(), 16);
    int red = 0, strip = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            if (x < r.Left + 8)
                red += (image.Pixel(x, y) & 0xFFFFFF) == 0xFF0000;
            else
                strip += (image.Pixel(x, y) & 0xFFFFFF) == (bare.Pixel(x, y) & 0xFFFFFF);
        }
    EXPECT_EQ(red, 8 * 16);
    EXPECT_EQ(strip, 8 * 16);
}

TEST_F(ProviderFrame, CaptionAlignmentMovesTheText) {
    // The columns of the caption strip where the text shows: those that
    // differ from the strip of an empty caption.
    auto inkColumns = [&](TAlignment alignment, const std::string& caption) {
        provider->SetCaptionAlignment(alignment);
        form->SetCaption("");
        const TBitmap32 empty = *provider->WindowImage();
        form->SetCaption(caption);
        const TBitmap32& written = *provider->WindowImage();
        const TRect32 bounds = provider->CaptionLayout().TextRect;
        // The text's glow may reach past the bounds: look a little beyond them.
        constexpr int kGlowReach = 8;
        int first = -1, last = -1;
        for (int x = std::max(0, bounds.Left - kGlowReach); x < std::min(written.Width(), bounds.Right + kGlowReach);
             ++x)
            for (int y = 0; y < provider->CaptionLayout().StripBottom; ++y)
                if (written.Pixel(x, y) != empty.Pixel(x, y)) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return std::make_pair(first, last);
    };
    const TRect32 bounds = [&] {
        provider->WindowImage();
        return provider->CaptionLayout().TextRect;
    }();
    ASSERT_GT(bounds.Width(), 120);
    const auto [leftFirst, leftLast] = inkColumns(TAlignment::taLeftJustify, "Pak");
    const auto [rightFirst, rightLast] = inkColumns(TAlignment::taRightJustify, "Pak");
    const auto [centreFirst, centreLast] = inkColumns(TAlignment::taCenter, "Pak");
    ASSERT_GE(leftFirst, 0);
    ASSERT_GE(rightFirst, 0);
    ASSERT_GE(centreFirst, 0);
    // The glow reaches a few pixels beyond the letters.
    EXPECT_LE(leftFirst, bounds.Left + 4);
    EXPECT_GE(rightLast, bounds.Right - 4 - 8);
    EXPECT_GT(rightFirst, bounds.Left + bounds.Width() / 2);
    // Centred: the text's middle is the middle of the bounds, less the 4 pixels.
    EXPECT_NEAR((centreFirst + centreLast) / 2, bounds.Left + (bounds.Width() - 4) / 2, 6);
    EXPECT_EQ(leftLast - leftFirst, rightLast - rightFirst);
}

// A platform colour (red in the low byte) as a pixel (0xRRGGBB).
uint32_t PixelOf(int32_t color) {
    const auto c = static_cast<uint32_t>(color);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// Pixels of the caption strip (window image) that are exactly colour.
int CountInStrip(const TBitmap32& image, int stripBottom, uint32_t pixel) {
    int n = 0;
    for (int y = 0; y < stripBottom; ++y)
        for (int x = 0; x < image.Width(); ++x) n += (image.Pixel(x, y) & 0xFFFFFF) == pixel;
    return n;
}

// The added title starts 4 pixels after the caption's text (measured here
// in the system's caption font) and ends before the caption's right bound;
// without its text the strip is as before; ShowMainCaption off leaves the
// strip as with an empty caption.
TEST_F(ProviderFrame, AddedTitleIsWrittenFourPixelsAfterTheCaption) {
    form->SetCaption("Pak");
    const TBitmap32 plain = *provider->WindowImage();
    const TsTitleLayout layout = provider->CaptionLayout();
    const TRect32 strip{0, 0, plain.Width(), layout.StripBottom};
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    FontHandle captionFont(CreateFontIndirectA(&metrics.lfCaptionFont));
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, captionFont.Get());
    SIZE pak{};
    GetTextExtentPoint32A(screen, "Pak", 3, &pak);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);

    provider->AddedTitle().SetText("MORE");
    const TBitmap32 added = *provider->WindowImage();
    int first = -1, last = -1;
    for (int x = 0; x < added.Width(); ++x)
        for (int y = 0; y < layout.StripBottom; ++y)
            if ((added.Pixel(x, y) & 0xFFFFFF) != (plain.Pixel(x, y) & 0xFFFFFF)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    ASSERT_GE(first, 0) << "no ink of the added title";
    const int start = layout.TextRect.Left + pak.cx + 4;
    EXPECT_GE(first, start);
    EXPECT_LE(first, start + 2) << "the added title's first letter (M) starts at its cell";
    EXPECT_LT(last, layout.TextRect.Right);

    provider->AddedTitle().SetText("");
    EXPECT_EQ(DifferencesIn(*provider->WindowImage(), plain, strip), 0);

    provider->AddedTitle().SetShowMainCaption(false);
    const TBitmap32 hidden = *provider->WindowImage();
    EXPECT_GT(DifferencesIn(hidden, plain, strip), 10) << "the caption still shows";
    form->SetCaption("");
    EXPECT_EQ(DifferencesIn(*provider->WindowImage(), hidden, strip), 0);
}

// (The letters' solid pixels carry the exact colour; their smoothed edges do
// not, so only a few pixels per letter are counted on.)
// clWindowText (the default) writes in the strip's own text colour; another
// colour is used as it is on an active form and mixed half-and-half with the
// strip's inactive text colour ("FORMTITLE" FONTCOLOR) on an inactive one.
TEST_F(ProviderFrame, AddedTitleColoursFollowTheStripAndTheActivation) {
    const TsSkinModel& model = manager->Model();
    const TsGeneralData& title = model.Sections.at(static_cast<std::size_t>(manager->FindSection("FORMTITLE")));
    const uint32_t activeText = PixelOf(title.Props[1].FontColor), inactiveText = PixelOf(title.Props[0].FontColor);
    const uint32_t green = 0x00FF00;
    uint32_t halfway = 0;
    for (int shift : {0, 8, 16}) {
        const double a = (green >> shift) & 0xFF, b = (inactiveText >> shift) & 0xFF;
        halfway |= static_cast<uint32_t>(std::nearbyint((a + b) / 2)) << shift;
    }
    form->SetCaption("");
    const int stripBottom = [&] {
        provider->WindowImage();
        return provider->CaptionLayout().StripBottom;
    }();
    const int activeBefore = CountInStrip(*provider->WindowImage(), stripBottom, activeText);
    provider->AddedTitle().SetText("MMMMMM");
    EXPECT_GT(CountInStrip(*provider->WindowImage(), stripBottom, activeText), activeBefore + 8);

    provider->AddedTitle().Font().SetColor(static_cast<TColor>(0x00FF00));
    ASSERT_TRUE(provider->FormActive());
    EXPECT_GT(CountInStrip(*provider->WindowImage(), stripBottom, green), 8);
    EXPECT_EQ(CountInStrip(*provider->WindowImage(), stripBottom, halfway), 0);

    SendMessageA(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    ASSERT_FALSE(provider->FormActive());
    EXPECT_EQ(CountInStrip(*provider->WindowImage(), stripBottom, green), 0);
    EXPECT_GT(CountInStrip(*provider->WindowImage(), stripBottom, halfway), 8);
}

// A title button of the form: placed left of minimize after the skin's gap
// and 6 more, 21 wide (the built-in skin has no "TITLEBUTTON" picture) and
// as high as the close button; its glyph drawn centred without the colour
// of its bottom-left pixel; a click on it through the window tells
// OnMouseDown and OnMouseUp, a press released elsewhere only OnMouseDown.
TEST_F(ProviderFrame, TitleButtonsAreLaidOutDrawnAndClicked) {
    int downs = 0, ups = 0;
    TsTitleButton& button = provider->TitleButtons().Add();
    // 10 x 10: a green square inside a one-pixel blue rim (the see-through colour).
    button.Glyph = TBitmap32(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            button.Glyph.Pixel(x, y) = (x == 0 || y == 0 || x == 9 || y == 9) ? 0x000000FFu : 0x0000FF00u;
    button.OnMouseDown = [&](TObject*) { ++downs; };
    button.OnMouseUp = [&](TObject*) { ++ups; };
    provider->TitleButtons().Changed();
    const TBitmap32 image = *provider->WindowImage();
    const TsTitleLayout& layout = provider->CaptionLayout();
    ASSERT_EQ(layout.UserButtons.size(), 1u);
    const TRect32 r = layout.UserButtons[0].Rect;
    const int space = manager->Model().SkinData.TitleButtonSpace;
    EXPECT_EQ(r.Right, layout.Buttons[tbMin].Rect.Left - space - 6);
    EXPECT_EQ(r.Width(), 21);
    EXPECT_EQ(r.Top, layout.Buttons[tbClose].Rect.Top);
    EXPECT_EQ(r.Height(), layout.Buttons[tbClose].Rect.Height());
    int green = 0, blue = 0;
    for (int y = 0; y < layout.StripBottom; ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const uint32_t p = image.Pixel(x, y) & 0xFFFFFF;
            if (p == 0x00FF00) {
                ++green;
                EXPECT_TRUE(x >= r.Left + (21 - 10) / 2 + 1 && x < r.Left + (21 - 10) / 2 + 9) << x;
            }
            blue += p == 0x0000FF;
        }
    EXPECT_EQ(green, 64);
    EXPECT_EQ(blue, 0);

    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const POINT centre{window.left + (r.Left + r.Right) / 2, window.top + (r.Top + r.Bottom) / 2};
    EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), hcFirstUserButton);
    MovePointer(centre);
    PressPointer(true);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(provider->TitleButtonState(tbCount), 2);
    PressPointer(false);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(provider->TitleButtonState(tbCount), 0);
    // Pressed, then let go over the client area.
    MovePointer(centre);
    PressPointer(true);
    MovePointer(POINT{centre.x, window.top + 100});
    PressPointer(false);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(ups, 1);
    // A disabled one answers as caption.
    button.Enabled = false;
    provider->TitleButtons().Changed();
    provider->WindowImage();
    EXPECT_EQ(SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCAPTION);
    PointerAway();
}

TEST_F(ProviderFrame, RemovedSkinGivesTheFrameBackAndAppliedSkinTakesItAgain) {
    for (int cycle = 0; cycle < 20; ++cycle) {
        SCOPED_TRACE(cycle);
        manager->SetActive(false);
        PumpFor(20);
        ASSERT_FALSE(HasRegion());
        ASSERT_EQ(provider->WindowImage(), nullptr);
        manager->SetActive(true);
        PumpFor(20);
        ASSERT_TRUE(HasRegion());
    }
    EXPECT_EQ(SettledFrameDifferences(), 0);
}

TEST_F(ProviderFrame, TwoHundredSkinCyclesLeaveNothingBehind) {
    // The first cycle makes what stays for good (the glow and title-button windows, caches of the skin).
    manager->SetActive(false);
    manager->SetActive(true);
    PumpFor(50);
    const GuiObjectCounts before = CountGuiObjects();
    for (int cycle = 0; cycle < 200; ++cycle) {
        manager->SetActive(false);
        PumpFor(1);
        manager->SetActive(true);
        PumpFor(1);
    }
    PumpFor(50);
    const GuiObjectCounts after = CountGuiObjects();
    EXPECT_EQ(after.User, before.User) << "windows and other USER objects";
    EXPECT_EQ(after.Gdi, before.Gdi) << "pictures, fonts, brushes and regions";
    EXPECT_EQ(SettledFrameDifferences(), 0);
}

// The caption dragged with the mouse, by (dx, dy) from where the form
// stands. A hand on another thread moves the mouse, since the system's move
// loop holds this thread until the button is let go.
void DragCaption(HWND window, int dx, int dy) {
    RECT w;
    GetWindowRect(window, &w);
    const POINT grip{w.left + 60, w.top + 10};
    ASSERT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTCAPTION);
    std::atomic<bool> done{false};
    std::thread hand([&] {
        MovePointer(grip);
        PressPointer(true);
        for (int step = 1; step <= 4; ++step) MovePointer(POINT{grip.x + dx * step / 4, grip.y + dy * step / 4});
        PressPointer(false);
        done = true;
    });
    PumpUntil([&] { return done.load(); }, 10000);
    hand.join();
    PumpFor(60);
}

TEST_F(ProviderFrame, DraggingTheCaptionMovesTheFormAndSnapsNearTheWorkAreasEdge) {
    HWND h = form->Handle();
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const struct {
        const char* name;
        bool snap;
        int fromLeft;  // where the drag leaves the form's left side
        long wantLeft;
    } cases[] = {
        {"no snapping", false, 7, area.left + 7},
        {"nine pixels away lands on the edge", true, 9, area.left},
        {"ten pixels away stays", true, 10, area.left + 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        provider->ScreenSnap = c.snap;
        SetWindowPos(h, nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpFor(30);
        RECT w;
        GetWindowRect(h, &w);
        DragCaption(h, area.left + c.fromLeft - w.left, 40);
        GetWindowRect(h, &w);
        EXPECT_EQ(w.left, c.wantLeft);
        EXPECT_EQ(w.top, 240) << "the other side is nowhere near an edge";
    }
    provider->ScreenSnap = false;
    EXPECT_EQ(SettledFrameDifferences(), 0) << "the moved form keeps its frame";
}

TEST_F(ProviderFrame, NewCaptionKeepsTheSkinsFrame) {
    form->SetCaption("A caption long enough to end in an ellipsis before the title buttons of this form");
    EXPECT_EQ(SettledFrameDifferences(), 0);
}

}  // namespace
}  // namespace pakmole::test

namespace pakmole::test {
namespace {

// A skin whose "FORM" face is a ramp from pure red at the window's top row
// to pure blue at its bottom row, and whose "SPEEDBUTTON" is all see-through:
// the client area shows the ramp, not one plain colour, and so does a child
// that shows what lies behind it.
class ProviderClientArea : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSkinFolder(skins.Path() + "Ramp",
                        "[GLOBALINFO]\r\nVERSION=8.00\r\nAUTHOR=Tests\r\n"
                        "[FORM]\r\nSTATES=1\r\nCOLOR=0\r\nGRADIENTPERCENT=100\r\nGRADIENTDATA=255;16711680;100;0;0\r\n"
                        "[SPEEDBUTTON]\r\nSTATES=1\r\nCOLOR=65280\r\nTRANSPARENCY=100\r\n");
        manager = MakeManager();
        manager->SetIsDefault(true);
        manager->BeginLoad();
        manager->ThirdParty().SetText(tpSpeedButton, "TSpeedButton");
        manager->EndLoad();
        manager->SetSkinDirectory(skins.Path());
        manager->SetSkinName("Ramp");
        ASSERT_TRUE(manager->Active());
        form = app.App().CreateForm<TForm>();
        form->SetBounds(100, 100, 300, 260);
        speed = new TSpeedButton(form);
        speed->SetParent(form);
        speed->SetBounds(150, 40, 60, 150);
        new TsSkinProvider(form);
        form->Show();
        PumpFor(300);
        InvalidateRect(form->Handle(), nullptr, TRUE);
        PumpFor(200);
        shot = GrabWindow(form->Handle());
        RECT window{};
        GetWindowRect(form->Handle(), &window);
        GetClientRect(form->Handle(), &client);
        height = window.bottom - window.top;
        ClientToScreen(form->Handle(), &origin);
        origin.x -= window.left;
        origin.y -= window.top;
    }
    void TearDown() override {
        if (form) form->Free();
    }
    // The screen at a point of the client area.
    uint32_t At(int x, int y) const { return shot.Pixel(origin.x + x, origin.y + y) & 0xFFFFFF; }

    TempFolder skins;
    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    TSpeedButton* speed = nullptr;
    TBitmap32 shot;
    RECT client{};
    POINT origin{0, 0};
    int height = 0;
};

TEST_F(ProviderClientArea, ShowsTheFormsSectionOfTheWindowImage) {
    const int w = client.right, h = client.bottom;
    const uint32_t samples[] = {At(2, 2), At(w - 3, 2), At(2, h - 3), At(w - 3, h - 3), At(w / 2, h / 2)};
    int spread = 0;
    for (uint32_t a : samples) {
        // Every pixel of the ramp mixes red and blue only.
        EXPECT_LE((a >> 8) & 0xFF, 2u) << std::hex << a;
        for (uint32_t b : samples) {
            const int red = std::abs(int((a >> 16) & 0xFF) - int((b >> 16) & 0xFF));
            const int blue = std::abs(int(a & 0xFF) - int(b & 0xFF));
            spread = std::max({spread, red, blue});
        }
    }
    EXPECT_GT(spread, 40) << "the client area is one plain colour";
}

// The see-through button asks the form what lies behind it: each of its rows
// is the ramp's colour at that row of the window (one step of the ramp's
// per-row rounding allowed), not the form's plain colour.
TEST_F(ProviderClientArea, AChildThatShowsItsBackgroundShowsTheRampAtItsPlace) {
    ASSERT_GT(height, 1);
    for (int y = 1; y < speed->Height() - 1; y += 7)
        for (int x : {1, speed->Width() / 2, speed->Width() - 2}) {
            const int row = origin.y + speed->Top() + y;
            const double t = double(row) / (height - 1);
            const int red = int(std::lround(255 * (1 - t))), blue = int(std::lround(255 * t));
            const uint32_t seen = At(speed->Left() + x, speed->Top() + y);
            EXPECT_NEAR(int((seen >> 16) & 0xFF), red, 1) << "row " << row << std::hex << " seen " << seen;
            EXPECT_NEAR(int(seen & 0xFF), blue, 1) << "row " << row << std::hex << " seen " << seen;
            EXPECT_LE((seen >> 8) & 0xFF, 1u) << "row " << row;
        }
}

}  // namespace
}  // namespace pakmole::test
