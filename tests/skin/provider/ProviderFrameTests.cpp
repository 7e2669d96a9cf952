// The provider's frame on a form of this process: the skin's painting of a
// sizeable form, the frame given back when the skin is removed and taken
// again when it returns, and a caption change that keeps it.
#include "tests/skin/adapters/AdapterFixture.h"
#include <atomic>
#include <thread>

#include "tests/skin/frame/FramePictures.h"
#include "tests/ui/GuiObjectCounts.h"

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
