// A drop-down list box of a skinned form under Wine, adapted by the combo-box
// adapter: its frame is the skin's "EDIT" frame and its drop button the
// skin's "COMBOBTN" in the state of the box (normal, focused, list down).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/sFade_win.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/adapters/SkinnedForm.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/Graphics.h"

namespace pakmole::test {
namespace {

class ComboAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        form = SkinnedForm(app, 320, 240);
        MovePointer(POINT{2, 2});
        form->Show();
        combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 20, 20, 200,
                                160, form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(combo, nullptr);
        SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        for (const char* item : {"Game.pak", "Game_P.pak", "pakchunk0.pak"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
        adapter = std::make_unique<TvlComboBoxWnd>(combo, true, "", manager.get(), nullptr);
        adapter->Start();
        SetFocus(form->Handle());
        Settle();
    }
    void TearDown() override {
        adapter.reset();
        if (combo) DestroyWindow(combo);
        if (form) form->Free();
    }
    void Settle() {
        PumpUntil([] { return LiveFadeTimerCount() == 0; }, 3000);
        PumpFor(150);
    }
    // The skin's picture of the box: "EDIT" over the form, "COMBOBTN" in the state on it.
    TBitmap32 Expected(int editState, int buttonState) const {
        RECT window;
        GetWindowRect(combo, &window);
        POINT place{window.left, window.top};
        ScreenToClient(form->Handle(), &place);
        const int w = window.right - window.left, h = window.bottom - window.top;
        TBgSource behind;
        behind.Color = static_cast<int32_t>(ColorToRGB(form->Color()));
        TBitmap32 picture = SectionPicture(*manager, "EDIT", w, h, place, editState, behind);
        const RECT b = adapter->DropButtonRect();
        const TBitmap32 button = SectionPicture(*manager, "COMBOBTN", b.right - b.left, b.bottom - b.top,
                                                POINT{b.left, b.top}, buttonState, BgSourceOfBitmap(&picture, 0, 0));
        CopyPixels(picture, b.left, b.top, button.Width(), button.Height(), button, 0, 0);
        return picture;
    }
    // Pixel differences in the frame band and in the button outside its middle.
    int Differences(const TBitmap32& shown, const TBitmap32& expected) const {
        const RECT b = adapter->DropButtonRect();
        const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
        const int w = shown.Width(), h = shown.Height();
        return CountDifferences(shown, expected, [&](int x, int y) {
            const bool frame = x < 3 || y < 3 || x >= w - 3 || y >= h - 3;
            const bool button = x >= b.left && x < b.right && y >= b.top && y < b.bottom &&
                                (std::abs(x - cx) > 6 || std::abs(y - cy) > 6);
            return frame || button;
        });
    }

    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    HWND combo = nullptr;
    std::unique_ptr<TvlComboBoxWnd> adapter;
};

TEST_F(ComboAdapterTest, FrameAndDropButtonAreTheSkinsInEachState) {
    ASSERT_TRUE(adapter->HasDropButton());
    const struct {
        const char* name;
        std::function<void()> act;
        int editState, buttonState;
    } steps[] = {
        {"at rest", [] {}, 0, 0},
        {"focused", [&] { SetFocus(combo); }, 1, 1},
        {"list down", [&] { SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0); }, 1, 2},
        {"list up", [&] { SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0); }, 1, 1},
        {"focus gone", [&] { SetFocus(form->Handle()); }, 0, 0},
    };
    for (const auto& step : steps) {
        step.act();
        Settle();
        const TBitmap32 expected = Expected(step.editState, step.buttonState);
        TBitmap32 shown = GrabWindow(combo);
        PumpUntil([&] { return Differences(shown = GrabWindow(combo), expected) == 0; }, 3000);
        EXPECT_EQ(Differences(shown, expected), 0) << step.name;
    }
    // The arrow glyph sits in the button's middle.
    const RECT b = adapter->DropButtonRect();
    const TBitmap32 shown = GrabWindow(combo), plain = Expected(0, 0);
    int glyph = 0;
    for (int y = b.top; y < b.bottom; ++y)
        for (int x = b.left; x < b.right; ++x) glyph += shown.Pixel(x, y) != plain.Pixel(x, y);
    EXPECT_GT(glyph, 8);
}

TEST_F(ComboAdapterTest, DroppedListWearsTheSkinsBarAndTheSectionsColours) {
    for (int i = 0; i < 40; ++i) {
        const std::string name = "pakchunk" + std::to_string(i + 1) + "-WindowsNoEditor.pak";
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SetFocus(combo);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    Settle();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    HWND listWindow = info.hwndList;
    ASSERT_TRUE(IsWindowVisible(listWindow));
    TvlComboListWnd* list = adapter->ListAdapter();
    ASSERT_NE(list, nullptr) << "the dropped list got no adapter";
    EXPECT_EQ(list->Handle(), listWindow);
    EXPECT_EQ(TvlMainWnd::FromWindow(listWindow), list);
    ASSERT_TRUE(list->Bar(1).Shown);
    EXPECT_FALSE(list->Bar(0).Shown);

    // The bar's arrows and thumb are the skin's sections, edge for edge.
    const TBitmap32 shown = GrabWindow(listWindow);
    RECT around, listRect;
    GetWindowRect(form->Handle(), &around);
    GetWindowRect(listWindow, &listRect);
    UnionRect(&around, &around, &listRect);
    SaveShot(GrabScreen(around), "combo-dropped");
    const RECT bar = list->BarRect(1);
    const TScrollBarLayout layout = list->Layout(1);
    ASSERT_TRUE(layout.HasThumb);
    TBgSource behind;
    behind.Color = static_cast<int32_t>(ColorToRGB(list->SkinData()->GetBgColor()));
    const int thickness = bar.right - bar.left;
    const struct {
        const char* section;
        int start, length;
    } parts[] = {
        {"SCROLLBTNTOP", 0, layout.ArrowLength},
        {"SCROLLBTNBOTTOM", layout.Length - layout.ArrowLength, layout.ArrowLength},
        {"SCROLLSLIDERV", layout.ThumbStart, layout.ThumbLength},
    };
    for (const auto& part : parts) {
        const TBitmap32 expected =
            SectionPicture(*manager, part.section, thickness, part.length, POINT{0, 0}, 0, behind);
        TBitmap32 piece(thickness, part.length);
        CopyPixels(piece, 0, 0, thickness, part.length, shown, bar.left, bar.top + part.start);
        // The edges of the part; its middle holds the glyph.
        EXPECT_EQ(CountDifferences(piece, expected,
                                   [&](int x, int y) {
                                       return x < 2 || y < 2 || x >= thickness - 2 || y >= part.length - 2;
                                   }),
                  0)
            << part.section;
    }

    // The rows are in the section's colours: its colour behind, its font
    // colour for the text of a row that is not the selected one.
    const TsGeneralData& edit = manager->Model().Sections.at(static_cast<std::size_t>(manager->FindSection("EDIT")));
    const uint32_t back = ColorToRGB(edit.Props[0].Color), ink = ColorToRGB(edit.Props[0].FontColor);
    ASSERT_NE(back, ink);
    const int selected = static_cast<int>(SendMessageA(listWindow, LB_GETCURSEL, 0, 0));
    const int row = static_cast<int>(SendMessageA(listWindow, LB_GETTOPINDEX, 0, 0)) + (selected == 1 ? 2 : 1);
    RECT item;
    ASSERT_NE(SendMessageA(listWindow, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item)), LB_ERR);
    POINT origin{0, 0};
    ClientToScreen(listWindow, &origin);
    RECT window;
    GetWindowRect(listWindow, &window);
    OffsetRect(&item, origin.x - window.left, origin.y - window.top);
    const auto rgb = [](uint32_t pixel) { return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF); };
    // Smoothed text edges lie between the two colours, channel by channel.
    const auto between = [&](uint32_t colour) {
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t c = (colour >> shift) & 0xFF, a = (back >> shift) & 0xFF, b = (ink >> shift) & 0xFF;
            if (c < std::min(a, b) || c > std::max(a, b)) return false;
        }
        return true;
    };
    int backPixels = 0, inkPixels = 0, others = 0;
    for (int y = item.top; y < item.bottom; ++y)
        for (int x = item.left; x < item.right; ++x) {
            const uint32_t colour = rgb(shown.Pixel(x, y) & 0xFFFFFF);
            if (colour == back) ++backPixels;
            else if (colour == ink) ++inkPixels;
            else if (!between(colour)) ++others;
        }
    EXPECT_GT(inkPixels, 20) << "no text in the section's font colour";
    EXPECT_GT(backPixels, inkPixels) << "the row is not on the section's colour";
    EXPECT_EQ(others, 0) << "colours of neither the text nor the field";

    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    Settle();
}

TEST_F(ComboAdapterTest, SimpleBoxFramesItsFieldAndItsListWearsTheSkin) {
    HWND simple = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_SIMPLE, 20, 60, 200, 120,
                                  form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(simple, nullptr);
    SendMessageA(simple, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    for (int i = 0; i < 30; ++i) {
        const std::string name = "Mod" + std::to_string(i) + ".pak";
        SendMessageA(simple, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    {
        TvlComboBoxWnd simpleAdapter(simple, true, "", manager.get(), nullptr);
        simpleAdapter.Start();
        RedrawWindow(simple, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
        ASSERT_TRUE(simpleAdapter.Simple());
        EXPECT_FALSE(simpleAdapter.HasDropButton());
        const int item = static_cast<int>(SendMessageA(simple, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
        const int fieldHeight = simpleAdapter.SimpleFieldHeight();
        EXPECT_EQ(fieldHeight, item + 8);
        // The field's frame is "EDIT" of the field's height, not of the box's.
        RECT window;
        GetWindowRect(simple, &window);
        POINT place{window.left, window.top};
        ScreenToClient(form->Handle(), &place);
        TBgSource behind;
        behind.Color = static_cast<int32_t>(ColorToRGB(form->Color()));
        const int w = window.right - window.left;
        const TBitmap32 expected = SectionPicture(*manager, "EDIT", w, fieldHeight, place, 0, behind);
        TBitmap32 field(w, fieldHeight);
        const auto ringDifferences = [&] {
            const TBitmap32 shown = GrabWindow(simple);
            CopyPixels(field, 0, 0, w, fieldHeight, shown, 0, 0);
            // The box's own edit window covers all but the outer two pixels,
            // and its lower edge and the list lie over the field's bottom
            // edge and corners: the top and the sides above them are compared.
            return CountDifferences(field, expected, [&](int x, int y) {
                return y < fieldHeight - 6 && (x < 2 || y < 2 || x >= w - 2);
            });
        };
        PumpUntil([&] { return ringDifferences() == 0; }, 2000);
        EXPECT_EQ(ringDifferences(), 0);
        // Its list, always shown, has the skin's bar once it was coloured.
        ASSERT_NE(simpleAdapter.ListAdapter(), nullptr);
        EXPECT_TRUE(simpleAdapter.ListAdapter()->Bar(1).Shown);
    }
    DestroyWindow(simple);
}

}  // namespace
}  // namespace pakmole::test
