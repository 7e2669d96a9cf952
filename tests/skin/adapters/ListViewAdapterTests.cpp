// A report-view list of a skinned form under Wine, adapted by the list-view
// adapter: each column of its header is the skin's "COLHEADER" in the
// column's state (at rest, under the pointer, held down), with its text.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/vlAdapterClasses.h"
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

}  // namespace
}  // namespace pakmole::test
