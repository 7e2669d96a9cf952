// Raw dialog controls on a skinned form under Wine, each with the adapter
// the dialog skinning gives it: check boxes and radio buttons show the
// skin's glyph of their check state in the look of the moment, a group box
// the skin's frame with its caption in a gap of the top line, static texts
// and links their text in the skin's colours over the form.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/adapters/SkinnedForm.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"

namespace pakmole::test {
namespace {

class DialogControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        form = SkinnedForm(app, 360, 300);
        MovePointer(POINT{2, 2});
        form->Show();
        PumpFor(100);
    }
    void TearDown() override {
        adapters.clear();
        for (HWND w : windows) DestroyWindow(w);
        if (form) form->Free();
    }
    HWND Child(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, DWORD exStyle = 0) {
        HWND window = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, form->Handle(),
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        windows.push_back(window);
        return window;
    }
    template <class T>
    T* Adapt(HWND window) {
        auto adapter = std::make_unique<T>(window, true, "", manager.get(), nullptr);
        adapter->Start();
        T* raw = adapter.get();
        adapters.push_back(std::move(adapter));
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        PumpFor(80);
        return raw;
    }
    POINT PlaceOf(HWND window) const {
        RECT r;
        GetWindowRect(window, &r);
        POINT p{r.left, r.top};
        ScreenToClient(form->Handle(), &p);
        return p;
    }
    int32_t FormColor() const { return static_cast<int32_t>(ColorToRGB(form->Color())); }
    // The skin's section at the window's size and place over the form's colour.
    TBitmap32 Bare(HWND window, const char* section, int state = 0) const {
        RECT r;
        GetWindowRect(window, &r);
        return SkinSectionPicture(*manager, section, r.right - r.left, r.bottom - r.top, PlaceOf(window), state,
                                  FormColor());
    }
    const TsMaskData& GlobalMask(const char* name) const {
        const TsSkinModel& skin = manager->Model();
        const int index = skin.FindMask(skin.KnownIndexes.GlobalInfo, "GLOBALINFO", name);
        EXPECT_TRUE(skin.IsValidMask(index)) << name;
        return skin.Masks.at(static_cast<std::size_t>(index));
    }

    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    std::vector<HWND> windows;
    std::vector<std::unique_ptr<TvlMainWnd>> adapters;
};

TEST(CheckBoxGlyph, FollowsKindAndCheckState) {
    const struct {
        LONG style;
        LRESULT state;
        const char* glyph;
    } cases[] = {
        {BS_AUTOCHECKBOX, BST_UNCHECKED, "BOXUNCHECKED"},
        {BS_AUTOCHECKBOX, BST_CHECKED, "BOXCHECKED"},
        {BS_AUTO3STATE, BST_INDETERMINATE, "BOXGRAYED"},
        {BS_3STATE, BST_INDETERMINATE | BST_CHECKED, "BOXGRAYED"},
        {BS_CHECKBOX, BST_CHECKED | BST_FOCUS, "BOXCHECKED"},
        {BS_RADIOBUTTON, BST_UNCHECKED, "RADIOUNCHECKED"},
        {BS_AUTORADIOBUTTON, BST_CHECKED, "RADIOCHECKED"},
        {BS_AUTORADIOBUTTON, BST_INDETERMINATE, "BOXGRAYED"},
        {BS_AUTORADIOBUTTON | BS_LEFTTEXT, BST_CHECKED | BST_PUSHED, "RADIOCHECKED"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(TvlCheckBoxWnd::GlyphName(c.style, c.state), c.glyph) << c.style << " " << c.state;
}

TEST_F(DialogControlTest, CheckBoxShowsTheSkinsGlyphOfItsStateAndLook) {
    HWND box = Child("BUTTON", "Overwrite files", BS_AUTO3STATE | WS_TABSTOP, 20, 20, 180, 22);
    HWND radio = Child("BUTTON", "Keep folders", BS_AUTORADIOBUTTON | WS_TABSTOP, 20, 50, 180, 22);
    auto* boxAdapter = Adapt<TvlCheckBoxWnd>(box);
    auto* radioAdapter = Adapt<TvlCheckBoxWnd>(radio);
    const struct {
        const char* name;
        std::function<void()> act;
        HWND window;
        TvlCheckBoxWnd* adapter;
        const char* glyph;
        int look;
    } steps[] = {
        {"unchecked", [] {}, box, boxAdapter, "BOXUNCHECKED", 0},
        {"checked", [&] { SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0); }, box, boxAdapter, "BOXCHECKED", 0},
        {"indeterminate", [&] { SendMessageA(box, BM_SETCHECK, BST_INDETERMINATE, 0); }, box, boxAdapter, "BOXGRAYED",
         0},
        {"focused", [&] { SetFocus(box); }, box, boxAdapter, "BOXGRAYED", 1},
        {"pressed", [&] { SendMessageA(box, BM_SETSTATE, TRUE, 0); }, box, boxAdapter, "BOXGRAYED", 2},
        {"let go", [&] { SendMessageA(box, BM_SETSTATE, FALSE, 0); SetFocus(form->Handle()); }, box, boxAdapter,
         "BOXGRAYED", 0},
        {"radio off", [] {}, radio, radioAdapter, "RADIOUNCHECKED", 0},
        {"radio on", [&] { SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0); }, radio, radioAdapter, "RADIOCHECKED",
         0},
    };
    for (const auto& step : steps) {
        step.act();
        PumpFor(120);
        const TsMaskData& mask = GlobalMask(step.glyph);
        TBitmap32 expected = Bare(step.window, "CHECKBOX", step.look);
        const RECT g = step.adapter->GlyphRect();
        ASSERT_EQ(g.right - g.left, mask.StateWidth()) << step.name;
        EXPECT_EQ(g.left, 0) << step.name;
        EXPECT_EQ(g.top, (expected.Height() - mask.StateHeight()) / 2) << step.name;
        PaintMaskImage(expected, TPoint32{g.left, g.top}, step.look, BgSourceOfBitmap(&expected, 0, 0), mask,
                       miNormal);
        const auto inGlyph = [&](int x, int y) { return x >= g.left && x < g.right && y >= g.top && y < g.bottom; };
        TBitmap32 shown = GrabWindow(step.window);
        PumpUntil([&] { return CountDifferences(shown = GrabWindow(step.window), expected, inGlyph) == 0; }, 2000);
        EXPECT_EQ(CountDifferences(shown, expected, inGlyph), 0) << step.name;
        // The caption is written right of the glyph, nowhere else.
        const RECT ink = InkBox(shown, expected, g);
        EXPECT_GE(ink.left, g.right + 2) << step.name;
        EXPECT_GT(ink.right - ink.left, 40) << step.name << ": the caption is there";
    }
    // Clicking the box goes on through the platform: its state changes and the glyph follows.
    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(box, BM_CLICK, 0, 0);
    PumpFor(120);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(DialogControlTest, CheckBoxWithoutItsGlyphInTheSkinKeepsTheGlyphPlace) {
    HWND box = Child("BUTTON", "No glyph", BS_AUTOCHECKBOX, 20, 20, 160, 22);
    auto* adapter = Adapt<TvlCheckBoxWnd>(box);
    TsSkinModel& skin = manager->Model();
    const int index = skin.FindMask(skin.KnownIndexes.GlobalInfo, "GLOBALINFO", "BOXUNCHECKED");
    ASSERT_TRUE(skin.IsValidMask(index));
    const std::string name = skin.Masks[static_cast<std::size_t>(index)].PropertyName;
    skin.Masks[static_cast<std::size_t>(index)].PropertyName = "GONE";
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(100);
    const RECT g = adapter->GlyphRect();
    const TBitmap32 expected = Bare(box, "CHECKBOX");
    const TBitmap32 shown = GrabWindow(box);
    skin.Masks[static_cast<std::size_t>(index)].PropertyName = name;
    EXPECT_EQ(g.right - g.left, 16);
    EXPECT_EQ(g.bottom - g.top, 16);
    EXPECT_EQ(CountDifferences(shown, expected, [&](int x, int) { return x < 16; }), 0) << "no glyph is drawn";
    EXPECT_GE(adapter->CaptionRect().left, 20);
}

TEST_F(DialogControlTest, GroupBoxIsTheSkinsFrameWithItsCaptionInAGap) {
    HWND group = Child("BUTTON", "Output", BS_GROUPBOX, 20, 20, 220, 120);
    HWND empty = Child("BUTTON", "", BS_GROUPBOX, 20, 160, 220, 100);
    for (HWND window : {group, empty}) {
        auto* adapter = Adapt<TvlGroupBoxWnd>(window);
        const RECT c = adapter->CaptionRect();
        const bool titled = window == group;
        if (!titled) {
            EXPECT_EQ(c.bottom, 6) << "an empty caption keeps a band of 6";
        } else {
            EXPECT_EQ(c.left, 6);
            EXPECT_GT(c.bottom, 10);
        }
        RECT r;
        GetWindowRect(window, &r);
        const int w = r.right - r.left, h = r.bottom - r.top, top = c.bottom / 2;
        const POINT place = PlaceOf(window);
        const TBitmap32 frame =
            SkinSectionPicture(*manager, "GROUPBOX", w, h - top, POINT{place.x, place.y + top}, 0, FormColor());
        TBitmap32 expected = Bare(window, "CHECKBOX");  // the form's colour
        CopyPixels(expected, 0, top, w, h - top, frame, 0, 0);
        const auto onFrame = [&](int x, int y) {
            const bool band = y >= top && (x < 2 || x >= w - 2 || y < top + 2 || y >= h - 2);
            const bool gap = titled && x >= c.left && x < c.right && y < c.bottom;
            return band && !gap;
        };
        TBitmap32 shown = GrabWindow(window);
        PumpUntil([&] { return CountDifferences(shown = GrabWindow(window), expected, onFrame) == 0; }, 2000);
        EXPECT_EQ(CountDifferences(shown, expected, onFrame), 0) << (titled ? "titled" : "empty");
        // Above the frame lies the form.
        EXPECT_EQ(CountDifferences(shown, Bare(window, "CHECKBOX"), [&](int x, int y) {
                      return y < top && !(titled && x >= c.left && x < c.right);
                  }),
                  0);
        if (titled) {
            const RECT ink = InkBox(shown, expected, RECT{});
            EXPECT_GE(ink.left, c.left) << "the caption lies in its gap";
            EXPECT_LE(ink.right, c.right);
            EXPECT_GT(ink.right - ink.left, 20);
        } else {
            // The top line runs through.
            EXPECT_EQ(CountDifferences(shown, expected, [&](int, int y) { return y == top; }), 0);
        }
    }
}

TEST_F(DialogControlTest, StaticTextAndLinkAreWrittenOverTheForm) {
    HWND label = Child("STATIC", "Cannot open the pak file", SS_LEFT, 20, 20, 250, 20);
    HWND link = Child("STATIC", "see <a>the log</a>", SS_LEFT, 20, 60, 250, 20);
    HWND focusable = Child("STATIC", "Tab stop", SS_LEFT | WS_TABSTOP, 20, 100, 250, 20);
    Adapt<TvlStaticWnd>(label);
    Adapt<TvlLinkWnd>(link);
    Adapt<TvlStaticWnd>(focusable);
    const TBitmap32 shownLabel = GrabWindow(label), shownLink = GrabWindow(link);
    const RECT ink = InkBox(shownLabel, Bare(label, "CHECKBOX"));
    EXPECT_LE(ink.left, 2) << "the text starts at the left";
    EXPECT_GT(ink.right - ink.left, 100) << "the text is there";
    // Outside the text the label is the form.
    EXPECT_EQ(CountDifferences(shownLabel, Bare(label, "CHECKBOX"), [&](int x, int) { return x >= ink.right; }), 0);
    // The link's text is the shorter one, underlined: ink reaches its last rows.
    const RECT linkInk = InkBox(shownLink, Bare(link, "CHECKBOX"));
    EXPECT_GT(linkInk.right - linkInk.left, 40);
    EXPECT_LT(linkInk.right - linkInk.left, ink.right - ink.left);
    EXPECT_EQ(TvlLinkWnd::VisibleText("see <a>the log</A> now"), "see the log now");
    // A static that takes the focus stays the platform's: its background is not the skin's.
    const TBitmap32 shownPlain = GrabWindow(focusable);
    EXPECT_GT(CountDifferences(shownPlain, Bare(focusable, "CHECKBOX"), [](int, int) { return true; }), 100);
}

TEST_F(DialogControlTest, ToolbarButtonsAreTheSkinsInTheirStates) {
    InitCommonControls();
    HWND bar = Child(TOOLBARCLASSNAMEA, "", TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER, 10, 10, 200, 30);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBBUTTON buttons[3] = {};
    buttons[0] = TBBUTTON{-1, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    buttons[1] = TBBUTTON{-1, 2, 0, BTNS_BUTTON, {}, 0, 0};
    buttons[2] = TBBUTTON{-1, 3, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, {}, 0, 0};
    SendMessageA(bar, TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(buttons));
    Adapt<TvlToolBarWnd>(bar);
    EXPECT_STREQ(TvlToolBarWnd::SectionFor(TBSTYLE_WRAPABLE), "BAR");
    EXPECT_STREQ(TvlToolBarWnd::SectionFor(TBSTYLE_FLAT), "CHECKBOX");
    EXPECT_EQ(TvlToolBarWnd::ButtonState(TBSTATE_PRESSED, true), 0) << "disabled: normal look";
    EXPECT_EQ(TvlToolBarWnd::ButtonState(TBSTATE_ENABLED | TBSTATE_PRESSED, false), 2);
    EXPECT_EQ(TvlToolBarWnd::ButtonState(TBSTATE_ENABLED, true), 1);
    const TBitmap32 shown = GrabWindow(bar);
    RECT client;
    GetClientRect(bar, &client);
    const TBitmap32 behind = Bare(bar, "CHECKBOX");
    RECT pressed;
    SendMessageA(bar, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&pressed));
    TBitmap32 expected(behind);
    const TRect32 p{pressed.left, pressed.top, pressed.right, pressed.bottom};
    PaintSkinPart(*manager, "TOOLBUTTON", "TOOLBUTTON", expected, p, 2);
    EXPECT_EQ(CountDifferences(shown, expected,
                               [&](int x, int y) { return x >= p.Left && x < p.Right && y >= p.Top && y < p.Bottom; }),
              0)
        << "the pressed button is the skin's pressed TOOLBUTTON";
    // The bar outside its buttons is the form.
    RECT last;
    SendMessageA(bar, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(CountDifferences(shown, behind, [&](int x, int) { return x >= last.right + 2; }), 0);
}

}  // namespace
}  // namespace pakmole::test
