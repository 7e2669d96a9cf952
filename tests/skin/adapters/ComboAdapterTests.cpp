// A drop-down list box of a skinned form under Wine, adapted by the combo-box
// adapter: its frame is the skin's "EDIT" frame and its drop button the
// skin's "COMBOBTN" in the state of the box (normal, focused, list down).
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

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

class ComboAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        form = SkinnedForm(app, 320, 240);
        MovePointer(POINT{2, 2});
        form->Show();
        combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 20, 20, 200,
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

}  // namespace
}  // namespace pakmole::test
