// A report-view list of a skinned form under Wine, adapted by the list-view
// adapter: each column of its header is the skin's "COLHEADER" in the
// column's state (at rest, under the pointer, held down), with its text.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

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

namespace pakmole::test {
namespace {

class ListViewAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        form = SkinnedForm(app, 360, 240);
        MovePointer(POINT{2, 2});
        form->Show();
        list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 20, 20, 300, 160,
                               form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(list, nullptr);
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        const char* titles[] = {"Name", "Size", "Type"};
        for (int i = 0; i < 3; ++i) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 90;
            column.pszText = const_cast<char*>(titles[i]);
            SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
        adapter = std::make_unique<TvlListViewWnd>(list, true, "", manager.get(), nullptr);
        adapter->Start();
        header = adapter->Header();
        ASSERT_NE(header, nullptr);
        Settle();
    }
    void TearDown() override {
        adapter.reset();
        if (list) DestroyWindow(list);
        if (form) form->Free();
    }
    void Settle() {
        PumpUntil([] { return LiveFadeTimerCount() == 0; }, 3000);
        PumpFor(150);
    }
    RECT Column(int i) const {
        RECT r{};
        SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    POINT OnScreen(int column) const {
        const RECT r = Column(column);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(header, &p);
        return p;
    }
    // The skin's picture of each column in its state over the list's colour.
    TBitmap32 Expected(const int (&states)[3]) const {
        RECT client;
        GetClientRect(header, &client);
        TBitmap32 picture(client.right, client.bottom);
        TBgSource behind;
        behind.Color = static_cast<int32_t>(SendMessageA(list, LVM_GETBKCOLOR, 0, 0));
        for (int i = 0; i < 3; ++i) {
            const RECT r = Column(i);
            const TBitmap32 part = SectionPicture(*manager, "COLHEADER", r.right - r.left, r.bottom - r.top,
                                                  POINT{r.left, r.top}, states[i], behind);
            CopyPixels(picture, r.left, r.top, part.Width(), part.Height(), part, 0, 0);
        }
        return picture;
    }
    // Differences along each column's edges: 3 pixels at the sides, 2 at the
    // top, 1 at the bottom (a 17-pixel header's text reaches lower).
    int FrameDifferences(const TBitmap32& shown, const TBitmap32& expected) const {
        return CountDifferences(shown, expected, [this](int x, int y) {
            for (int i = 0; i < 3; ++i) {
                const RECT r = Column(i);
                if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
                return x < r.left + 3 || x >= r.right - 3 || y < r.top + 2 || y >= r.bottom - 1;
            }
            return false;
        });
    }
    int SettledFrameDifferences(const TBitmap32& expected) const {
        TBitmap32 shown = GrabWindow(header);
        PumpUntil([&] { return FrameDifferences(shown = GrabWindow(header), expected) == 0; }, 3000);
        return FrameDifferences(shown, expected);
    }

    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    HWND list = nullptr;
    HWND header = nullptr;
    std::unique_ptr<TvlListViewWnd> adapter;
};

TEST_F(ListViewAdapterTest, ColumnsAreTheSkinsInTheirStatesWithTheirText) {
    const struct {
        const char* name;
        std::function<void()> act;
        int hot, pressed;
        int states[3];
    } steps[] = {
        {"at rest", [] {}, -1, -1, {0, 0, 0}},
        {"pointer on the second column", [&] { MovePointer(OnScreen(1)); }, 1, -1, {0, 1, 0}},
        {"third column held down", [&] { MovePointer(OnScreen(2)); PressPointer(true); }, 2, 2, {0, 0, 2}},
        {"let go", [&] { PressPointer(false); }, 2, -1, {0, 0, 1}},
        {"pointer over the list", [&] {
             POINT p{150, 100};
             ClientToScreen(list, &p);
             MovePointer(p);
         }, -1, -1, {0, 0, 0}},
    };
    for (const auto& step : steps) {
        step.act();
        Settle();
        EXPECT_EQ(adapter->HotColumn(), step.hot) << step.name;
        EXPECT_EQ(adapter->PressedColumn(), step.pressed) << step.name;
        EXPECT_EQ(SettledFrameDifferences(Expected(step.states)), 0) << step.name;
    }
    // Each column's title is written on it.
    const int rest[3] = {0, 0, 0};
    const TBitmap32 shown = GrabWindow(header), plain = Expected(rest);
    for (int i = 0; i < 3; ++i) {
        const RECT r = Column(i);
        int ink = 0;
        for (int y = r.top + 3; y < r.bottom - 3; ++y)
            for (int x = r.left + 3; x < r.right - 3; ++x) ink += shown.Pixel(x, y) != plain.Pixel(x, y);
        EXPECT_GT(ink, 10) << "column " << i;
    }
}

TEST_F(ListViewAdapterTest, DraggedThumbScrollsTheRowsWithIt) {
    for (int i = 0; i < 200; ++i) {
        const std::string name = "Content/Asset" + std::to_string(i) + ".uasset";
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(name.c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    Settle();
    adapter->RefreshBars();
    ASSERT_TRUE(adapter->Bar(1).Shown);
    const auto top = [this] { return static_cast<int>(SendMessageA(list, LVM_GETTOPINDEX, 0, 0)); };
    ASSERT_EQ(top(), 0);
    RECT window;
    GetWindowRect(list, &window);
    const RECT bar = adapter->BarRect(1);
    const auto onBar = [&](int along) {
        return POINT{window.left + (bar.left + bar.right) / 2, window.top + bar.top + along};
    };
    const TScrollBarLayout start = adapter->Layout(1);
    ASSERT_TRUE(start.HasThumb);
    const int grip = start.ThumbStart + start.ThumbLength / 2;
    MovePointer(onBar(grip));
    PressPointer(true);
    // Down a third of the track, then back a little, then to the end: the
    // rows follow every step while the button is still held.
    const int trackRoom = start.TrackLength - start.ThumbLength;
    for (const int moved : {trackRoom / 3, trackRoom / 4, trackRoom + 20}) {
        MovePointer(onBar(grip + moved));
        Settle();
        const TScrollState state = adapter->Bar(1).State();
        const int thumbAt = std::min(start.ThumbStart + moved, start.TrackStart + trackRoom);
        const int expected = ThumbPosition(state, start, thumbAt);
        EXPECT_GT(expected, 0);
        EXPECT_EQ(GetScrollPos(list, SB_VERT), expected) << "thumb moved by " << moved;
        EXPECT_EQ(top(), expected) << "thumb moved by " << moved;
        // The rows on the screen are those of that position: painting the
        // list afresh changes nothing.
        const TBitmap32 during = GrabWindow(list);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpFor(50);
        EXPECT_EQ(CountDifferences(during, GrabWindow(list), [](int, int) { return true; }), 0)
            << "stale rows after moving the thumb by " << moved;
    }
    PressPointer(false);
    Settle();
    const int last = MaxScrollPos(adapter->Bar(1).State());
    EXPECT_EQ(top(), last) << "the release moved the rows again";
    EXPECT_EQ(GetScrollPos(list, SB_VERT), last);
    // The last row is in sight.
    RECT lastRow{LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(list, LVM_GETITEMRECT, 199, reinterpret_cast<LPARAM>(&lastRow));
    RECT client;
    GetClientRect(list, &client);
    EXPECT_LE(lastRow.bottom, client.bottom);
    MovePointer(POINT{2, 2});
}

TEST_F(ListViewAdapterTest, SortArrowShowsRightOfTheTitlePointingTheSortWay) {
    const auto sortFirstColumn = [this](int flag) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        SendMessageA(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.fmt = (item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | flag;
        SendMessageA(header, HDM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        Settle();
        return GrabWindow(header);
    };
    const TBitmap32 plain = sortFirstColumn(0);
    const int rest[3] = {0, 0, 0};
    const RECT column = Column(0);
    // The first column's title alone: the others' are left out.
    const RECT title = InkBox(plain, Expected(rest), RECT{column.right, 0, plain.Width(), plain.Height()});
    ASSERT_GE(title.right, 0);
    const struct {
        int flag;
        const char* section;
    } cases[] = {{HDF_SORTDOWN, "SCROLLBTNBOTTOM"}, {HDF_SORTUP, "SCROLLBTNTOP"}};
    TBitmap32 arrows[2];
    for (int i = 0; i < 2; ++i) {
        const TsMaskData& mask = manager->Model().Masks.at(
            static_cast<std::size_t>(manager->FindMaskExact(cases[i].section, "GLYPHMASK")));
        arrows[i] = sortFirstColumn(cases[i].flag);
        const RECT arrow = InkBox(arrows[i], plain);
        ASSERT_GE(arrow.right, 0) << cases[i].section;
        EXPECT_GT(arrow.left, title.right) << "the arrow lies right of the title";
        EXPECT_LE(arrow.left, title.right + 6 + mask.StateWidth());
        EXPECT_LT(arrow.right, column.right);
        EXPECT_LE(arrow.right - arrow.left, mask.StateWidth());
        EXPECT_LE(arrow.bottom - arrow.top, mask.StateHeight());
        // Centred in height: as much room above as below, give or take a pixel.
        const int above = arrow.top - column.top, below = column.bottom - arrow.bottom;
        EXPECT_LE(std::abs(above - below), mask.StateHeight() - (arrow.bottom - arrow.top) + 1) << cases[i].section;
    }
    EXPECT_GT(CountDifferences(arrows[0], arrows[1], [](int, int) { return true; }), 4) << "both ways look alike";
    // Other columns are untouched by the arrow.
    EXPECT_EQ(CountDifferences(arrows[0], plain, [&](int x, int) { return x >= column.right; }), 0);
}

}  // namespace
}  // namespace pakmole::test
