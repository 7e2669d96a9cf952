// A memo with more lines than it shows, adapted by the edit adapter on a
// skinned form under Wine: its scroll bar is the skin's, and clicks on the
// arrows, on the track and a drag of the thumb scroll it as the platform's
// bar would (a line, a page, to the end), with the skin commands around
// every scroll message.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "skin/controls/vlAdapterClasses.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/sFade_win.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/adapters/SkinnedForm.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"
#include "ui/Memo.h"

namespace pakmole::test {
namespace {

// A memo (word-wrapped: a vertical bar only) that records the scroll commands it hears.
class ScrollingMemo : public TMemo {
public:
    using TMemo::TMemo;
    void WndProc(TMessage& m) override {
        if (m.Msg == SKM_COMMAND) {
            const uint16_t code = SkinCommandCode(m.WParam);
            if (code == SKC_BEFORESCROLL || code == SKC_AFTERSCROLL) Heard.push_back({code, m.LParam});
        }
        TMemo::WndProc(m);
    }
    bool HeardAround(int scrollCode) const {
        const LPARAM about = MAKELPARAM(scrollCode, WM_VSCROLL);
        bool before = false;
        for (const auto& [code, lParam] : Heard) {
            if (lParam != about) continue;
            if (code == SKC_BEFORESCROLL) before = true;
            if (code == SKC_AFTERSCROLL && before) return true;
        }
        return false;
    }
    std::vector<std::pair<uint16_t, LPARAM>> Heard;
};

// A memo whose window has neither bar.
class BarlessMemo : public TMemo {
public:
    using TMemo::TMemo;

protected:
    void CreateParams(TCreateParams& p) override {
        TMemo::CreateParams(p);
        p.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL);
    }
};

int Brightness(uint32_t pixel) {
    return static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
}

class EditAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        manager = AppliedInternalSkin();
        ASSERT_TRUE(manager->Active());
        form = SkinnedForm(app, 320, 240);
        memo = new ScrollingMemo(form);
        memo->SetParent(form);
        memo->SetBounds(20, 20, 200, 150);
        std::vector<std::string> lines;
        for (int i = 0; i < 100; ++i) lines.push_back("line " + std::to_string(i));
        memo->SetLines(lines);
        MovePointer(POINT{2, 2});
        form->Show();
        state = std::make_unique<TsCommonData>(nullptr, true);
        state->Control = memo;
        adapter = std::make_unique<TvlEditWnd>(memo->Handle(), true, "", manager.get(), state.get());
        adapter->Start();
        Settle();
        SendMessageA(memo->Handle(), EM_LINESCROLL, 0, -1000);
        Settle();
    }
    void TearDown() override {
        adapter.reset();
        if (form) form->Free();
    }
    void Settle() {
        PumpUntil([] { return LiveFadeTimerCount() == 0; }, 3000);
        PumpFor(100);
    }
    int FirstLine() const { return static_cast<int>(SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
    // A point of the vertical bar on the screen, along from its top.
    POINT OnBar(int along) const {
        RECT window;
        GetWindowRect(memo->Handle(), &window);
        const RECT bar = adapter->BarRect(1);
        return POINT{window.left + (bar.left + bar.right) / 2, window.top + bar.top + along};
    }
    void Click(POINT at) {
        MovePointer(at);
        PressPointer(true);
        PressPointer(false);
        Settle();
    }

    ComponentPtr<TsSkinManager> manager;
    RecordingApplication app;
    TForm* form = nullptr;
    ScrollingMemo* memo = nullptr;
    std::unique_ptr<TsCommonData> state;
    std::unique_ptr<TvlEditWnd> adapter;
};

TEST_F(EditAdapterTest, TheBarIsTheSkinsAndLeavesTheTextItsRoom) {
    ASSERT_TRUE(adapter->Bar(1).Shown);
    EXPECT_FALSE(adapter->Bar(0).Shown);
    const RECT bar = adapter->BarRect(1);
    EXPECT_EQ(bar.right - bar.left, GetSystemMetrics(SM_CXVSCROLL));
    RECT client;
    GetClientRect(memo->Handle(), &client);
    RECT window;
    GetWindowRect(memo->Handle(), &window);
    EXPECT_EQ(client.right, bar.left - 2) << "the text runs under the bar";

    const TBitmap32 shown = GrabWindow(memo->Handle());
    const TScrollBarLayout layout = adapter->Layout(1);
    ASSERT_TRUE(layout.HasThumb);
    // The platform's bar is light; the skin's is charcoal, its thumb set off from its track.
    long track = 0, thumb = 0;
    const int x = (bar.left + bar.right) / 2;
    for (int y = 0; y < layout.ThumbLength; ++y) thumb += Brightness(shown.Pixel(x, bar.top + layout.ThumbStart + y));
    const int trackFrom = layout.ThumbStart + layout.ThumbLength + 4, trackTo = layout.TrackStart + layout.TrackLength;
    ASSERT_GT(trackTo - trackFrom, 10);
    for (int y = trackFrom; y < trackTo; ++y) track += Brightness(shown.Pixel(x, bar.top + y));
    const long meanTrack = track / (trackTo - trackFrom), meanThumb = thumb / layout.ThumbLength;
    EXPECT_LT(meanTrack, 90);
    EXPECT_GT(meanThumb, meanTrack + 8) << "no thumb to be seen on the track";
    // The frame is the skin's "EDIT" frame, not the platform's 3D edge; the
    // memo, alone on the form, has the focus: the hot look.
    ASSERT_EQ(GetFocus(), memo->Handle());
    TBgSource behind;
    behind.Color = static_cast<int32_t>(ColorToRGB(form->Color()));
    const TBitmap32 frame =
        SectionPicture(*manager, "EDIT", shown.Width(), shown.Height(), POINT{memo->Left(), memo->Top()}, 1, behind);
    const int w = shown.Width(), h = shown.Height();
    EXPECT_EQ(CountDifferences(shown, frame, [w, h](int x, int y) { return x < 2 || y < 2 || x >= w - 2 || y >= h - 2; }),
              0);
    // The memo took the section's colours (of the hot look).
    const TsGeneralData& edit = manager->Model().Sections.at(static_cast<std::size_t>(manager->FindSection("EDIT")));
    EXPECT_EQ(memo->Color(), edit.Props[1].Color);
    EXPECT_EQ(memo->Font().Color(), edit.Props[1].FontColor);
}

TEST_F(EditAdapterTest, ArrowsTrackAndThumbScrollAsThePlatformsBar) {
    const TScrollBarLayout layout = adapter->Layout(1);
    ASSERT_TRUE(layout.HasThumb);
    const int page = static_cast<int>(adapter->Bar(1).Info.nPage);
    ASSERT_GT(page, 3);
    ASSERT_EQ(FirstLine(), 0);

    Click(OnBar(layout.Length - layout.ArrowLength / 2));
    EXPECT_EQ(FirstLine(), 1) << "the second arrow scrolls a line";
    EXPECT_TRUE(memo->HeardAround(SB_LINEDOWN));
    EXPECT_TRUE(memo->HeardAround(SB_ENDSCROLL));

    Click(OnBar(layout.ArrowLength / 2));
    EXPECT_EQ(FirstLine(), 0) << "the first arrow scrolls back a line";

    const TScrollBarLayout now = adapter->Layout(1);
    Click(OnBar(now.ThumbStart + now.ThumbLength + 5));
    EXPECT_EQ(FirstLine(), page) << "the track after the thumb scrolls a page";
    EXPECT_TRUE(memo->HeardAround(SB_PAGEDOWN));
    EXPECT_EQ(GetScrollPos(memo->Handle(), SB_VERT), page);

    // The thumb dragged to the track's end: the last page shows.
    const TScrollBarLayout before = adapter->Layout(1);
    MovePointer(OnBar(before.ThumbStart + before.ThumbLength / 2));
    PressPointer(true);
    MovePointer(OnBar(before.TrackStart + before.TrackLength + 30));
    Settle();
    EXPECT_TRUE(memo->HeardAround(SB_THUMBTRACK));
    PressPointer(false);
    Settle();
    // Where the platform's own bar ends: the last position with a whole page.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(memo->Handle(), SB_VERT, &info);
    EXPECT_EQ(FirstLine(), info.nMax - static_cast<int>(info.nPage) + 1);
    EXPECT_GT(FirstLine(), 80);
    EXPECT_TRUE(memo->HeardAround(SB_THUMBPOSITION));
    const TScrollBarLayout after = adapter->Layout(1);
    EXPECT_EQ(after.ThumbStart + after.ThumbLength, after.TrackStart + after.TrackLength);
}

TEST_F(EditAdapterTest, HeldArrowRepeatsUntilLetGo) {
    const TScrollBarLayout layout = adapter->Layout(1);
    MovePointer(OnBar(layout.Length - layout.ArrowLength / 2));
    PressPointer(true);
    PumpFor(150);
    EXPECT_EQ(FirstLine(), 1) << "one line at once, then a pause";
    PumpFor(700);
    const int held = FirstLine();
    EXPECT_GT(held, 4) << "no repeat after the first delay";
    PressPointer(false);
    Settle();
    const int released = FirstLine();
    PumpFor(300);
    EXPECT_EQ(FirstLine(), released) << "the repeat went on after the release";
    MovePointer(POINT{2, 2});
}

TEST_F(EditAdapterTest, WithoutScrollStylesNoBarAndTheFrameIsUnchanged) {
    // A memo whose window has no bar styles keeps all of its room.
    auto* plain = new BarlessMemo(form);
    plain->SetParent(form);
    plain->SetBounds(20, 180, 200, 40);
    RECT before;
    GetClientRect(plain->Handle(), &before);
    TsCommonData plainState(nullptr, true);
    plainState.Control = plain;
    {
        TvlEditWnd plainAdapter(plain->Handle(), true, "", manager.get(), &plainState);
        plainAdapter.Start();
        Settle();
        RECT after;
        GetClientRect(plain->Handle(), &after);
        EXPECT_FALSE(plainAdapter.Bar(0).Shown);
        EXPECT_FALSE(plainAdapter.Bar(1).Shown);
        EXPECT_EQ(after.right, before.right);
        EXPECT_EQ(after.bottom, before.bottom);
    }
}

}  // namespace
}  // namespace pakmole::test
