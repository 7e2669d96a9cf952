// The "Unpack" button skinned from outside: its looks on the screen against
// the skin's own painting, the fade between them, and a control that keeps
// working while and after it is subclassed.
#include <functional>

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sThirdParty.h"
#include "skin/render/Blend.h"
#include "skin/render/WindowAnimation_win.h"
#include "skin/render/sFade_win.h"
#include "tests/skin/adapters/AdapterFixture.h"

namespace pakmole::test {
namespace {

using ButtonLooks = AdapterFixture;

TEST_F(ButtonLooks, EachStateShowsTheSkinsButtonPicture) {
    ASSERT_NE(ButtonAdapter(), nullptr);
    // The three looks of the skin are told apart by their frames alone.
    ASSERT_GT(FrameDifferences(SkinPicture(0), SkinPicture(1)), 0);
    ASSERT_GT(FrameDifferences(SkinPicture(1), SkinPicture(2)), 0);
    struct Case {
        const char* name;
        std::function<void()> enter, leave;
        int state;
    } cases[] = {
        {"rest", [] {}, [] {}, 0},
        {"hot", [this] { PointerOnButton(); }, [this] { PointerAway(); }, 1},
        {"pressed", [this] { SendMessageA(button->Handle(), BM_SETSTATE, TRUE, 0); },
         [this] { SendMessageA(button->Handle(), BM_SETSTATE, FALSE, 0); }, 2},
        {"focused", [this] { button->SetFocus(); }, [this] { memo->SetFocus(); }, 1},
        {"default", [this] { button->SetDefault(true); }, [this] { button->SetDefault(false); }, 1},
    };
    for (const Case& c : cases) {
        c.enter();
        Settle();
        const TBitmap32 skin = SkinPicture(c.state);
        EXPECT_EQ(SettledFrameDifferences(button->Handle(), skin), 0) << c.name;
        const TBitmap32 shown = GrabButton();
        // The caption is written over the face.
        EXPECT_GT(CaptionDifferences(shown, skin), 20) << c.name;
        // And the corners are the skin's bitmap, not only what its painting makes of it.
        const CornerCheck corners = CornersFromTheSkinsBitmap(*manager, "BUTTON", c.state, shown);
        EXPECT_GT(corners.checked, 0) << c.name;
        EXPECT_EQ(corners.wrong, 0) << c.name;
        c.leave();
        Settle();
    }
    // Back at rest after all of it.
    EXPECT_EQ(SettledFrameDifferences(button->Handle(), SkinPicture(0)), 0);
}

TEST_F(ButtonLooks, NothingIsDrawnWhileAWindowAnimationShowsItsPicture) {
    ASSERT_NE(ButtonAdapter(), nullptr);
    Settle();
    const HWND h = button->Handle();
    RECT client;
    GetClientRect(h, &client);
    const int pixels = client.right * client.bottom;
    ASSERT_GT(pixels, 0);
    const auto green = [](const TBitmap32& shown) {
        int count = 0;
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x) count += (shown.Pixel(x, y) & 0xFFFFFF) == 0x00FF00;
        return count;
    };
    {
        TAnimationInProgress animating;
        // A plain colour over the button, then a repaint asked for: it stays.
        HDC dc = GetDC(h);
        HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        ReleaseDC(h, dc);
        GdiFlush();
        PumpFor(100);
        ASSERT_EQ(green(GrabButton()), pixels) << "the plain colour is on the screen";
        InvalidateRect(h, nullptr, FALSE);
        UpdateWindow(h);
        PumpFor(100);
        EXPECT_EQ(green(GrabButton()), pixels);
    }
    // With the flag down the next paint is the skin's again.
    InvalidateRect(h, nullptr, FALSE);
    Settle();
    EXPECT_EQ(green(GrabButton()), 0);
    EXPECT_EQ(SettledFrameDifferences(h, SkinPicture(0)), 0);
}

TEST_F(ButtonLooks, ADisabledButtonIsTheNormalLookBlendedTowardTheForm) {
    PointerOnButton();
    button->SetEnabled(false);
    Settle();
    const TBitmap32 expected = DisabledPicture();
    EXPECT_EQ(SettledFrameDifferences(button->Handle(), expected), 0);
    // Hovering a disabled button changes nothing.
    PointerAway();
    PointerOnButton();
    Settle();
    EXPECT_EQ(SettledFrameDifferences(button->Handle(), expected), 0);
}

TEST_F(ButtonLooks, ThePressedCaptionMovesOnePixelRightAndDown) {
    const TBitmap32 rest = GrabButton();
    SendMessageA(button->Handle(), BM_SETSTATE, TRUE, 0);
    Settle();
    const TBitmap32 pressed = GrabButton();
    SendMessageA(button->Handle(), BM_SETSTATE, FALSE, 0);
    // The caption's leftmost and topmost pixels.
    const RECT a = InkBox(rest, SkinPicture(0)), b = InkBox(pressed, SkinPicture(2));
    EXPECT_EQ(b.left - a.left, 1);
    EXPECT_EQ(b.top - a.top, 1);
}

using ButtonFades = AdapterFixture;

TEST_F(ButtonFades, OneStateChangePaintsFifteenFramesEndingOnTheNewLook) {
    int frames = 0;
    TWndMethod previous = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg == SKM_COMMAND && SkinCommandCode(m.WParam) == SKC_FADEFRAME) ++frames;
        previous(m);
    };
    PointerOnButton();
    EXPECT_TRUE(PumpUntil([] { return LiveFadeTimerCount() > 0; }, 500) || frames > 0);
    Settle();
    EXPECT_EQ(frames, 15);
    EXPECT_EQ(LiveFadeTimerCount(), 0);
    EXPECT_EQ(SettledFrameDifferences(button->Handle(), SkinPicture(1)), 0);

    frames = 0;
    PointerAway();
    Settle();
    EXPECT_EQ(frames, 15);
    EXPECT_EQ(SettledFrameDifferences(button->Handle(), SkinPicture(0)), 0);
    button->WindowProc = previous;
}

TEST_F(ButtonFades, DisablingDuringAFadeStopsItAndPaintsPlainly) {
    PointerOnButton();
    button->SetEnabled(false);
    Settle();
    EXPECT_EQ(LiveFadeTimerCount(), 0);
    const TBitmap32 expected = DisabledPicture();
    EXPECT_EQ(SettledFrameDifferences(button->Handle(), expected), 0);
}

using ButtonSubclassing = AdapterFixture;

TEST_F(ButtonSubclassing, ClicksKeysAndTextStillWork) {
    ASSERT_NE(ButtonAdapter(), nullptr);
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    PumpFor(30);
    EXPECT_EQ(clicks, 1);

    button->SetFocus();
    PostMessageA(button->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageA(button->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    PumpUntil([this] { return clicks == 2; }, 1000);
    EXPECT_EQ(clicks, 2);

    const TBitmap32 before = GrabButton();
    button->SetCaption("Go");
    Settle();
    EXPECT_EQ(button->Text(), "Go");
    EXPECT_EQ(ButtonAdapter()->Caption(), "Go");
    EXPECT_GT(CaptionDifferences(GrabButton(), before), 10);
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(ButtonSubclassing, TheAdapterFreedFirstGivesTheButtonBack) {
    TvlCtrlAdapter* registry = provider->Adapter();
    ASSERT_NE(registry, nullptr);
    const int index = registry->IndexOf(button);
    ASSERT_GE(index, 0);
    registry->RemoveItem(index);
    EXPECT_EQ(ButtonAdapter(), nullptr);
    EXPECT_EQ(SendMessageA(button->Handle(), SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0), 0);
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    button->SetCaption("Plain");
    PumpFor(30);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button->Text(), "Plain");
    // The platform paints it again: the skin's frame is gone.
    EXPECT_GT(FrameDifferences(GrabButton(), SkinPicture(0)), 50);
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(ButtonSubclassing, TheProviderFreedFirstLeavesAWorkingPlainButton) {
    // As in the program's window, where the provider is created after the
    // button and so is freed before it.
    const HWND window = button->Handle();
    provider->Free();
    provider = nullptr;
    EXPECT_EQ(TvlMainWnd::FromWindow(window), nullptr);
    SendMessageA(window, BM_CLICK, 0, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PumpFor(30);
    EXPECT_EQ(clicks, 1);
    form->Free();
    form = nullptr;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(ButtonSubclassing, TheButtonFreedFirstLeavesTheRegistryClean) {
    PointerOnButton();
    button->Free();
    button = nullptr;
    PumpFor(30);
    EXPECT_EQ(provider->Adapter()->ItemCount(), 0);
    // The form goes on working and goes away cleanly.
    SendMessageA(form->Handle(), SKM_COMMAND, SkinCommandParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager.get()));
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(ButtonSubclassing, TheFormFreedFirstTakesEverythingWithIt) {
    PointerOnButton();
    const HWND window = button->Handle();
    form->Free();
    form = nullptr;
    PumpFor(30);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(manager->HotWindow() == window && IsWindow(window), false);
    EXPECT_TRUE(app.Errors().empty());
}

}  // namespace
}  // namespace pakmole::test

namespace pakmole::test {
namespace {

// A push button made by the platform alone, without a component, as in a
// system dialog: the adapter subclasses its window procedure itself.
class RawButton : public AdapterFixture {
protected:
    void SetUp() override {
        AdapterFixture::SetUp();
        raw = CreateWindowExA(0, "BUTTON", "Unpack", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 120 - 40, 160, 25,
                              form->Handle(), reinterpret_cast<HMENU>(77), GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(raw, nullptr);
        platformProc = GetWindowLongPtrA(raw, GWLP_WNDPROC);
        adapter = CreateListAdapter(tpButtons, raw, "", manager.get(), nullptr);
        ASSERT_NE(adapter, nullptr);
        RedrawWindow(raw, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Settle();
    }
    TBitmap32 RawSkin(int state) const {
        RECT r{};
        GetWindowRect(raw, &r);
        MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return SkinButtonPicture(*manager, 160, 25, POINT{r.left, r.top}, state,
                                 static_cast<int32_t>(ColorToRGB(form->Color())));
    }

    HWND raw = nullptr;
    LONG_PTR platformProc = 0;
    std::unique_ptr<TvlMainWnd> adapter;
};

TEST_F(RawButton, IsPaintedFromTheSkinInEachLook) {
    EXPECT_EQ(TvlMainWnd::FromWindow(raw), adapter.get());
    EXPECT_NE(GetWindowLongPtrA(raw, GWLP_WNDPROC), platformProc);
    EXPECT_EQ(adapter->SkinData()->Control, nullptr);
    EXPECT_EQ(SettledFrameDifferences(raw, RawSkin(0)), 0);
    SendMessageA(raw, BM_SETSTATE, TRUE, 0);
    Settle();
    EXPECT_EQ(SettledFrameDifferences(raw, RawSkin(2)), 0);
    SendMessageA(raw, BM_SETSTATE, FALSE, 0);
    EnableWindow(raw, FALSE);
    Settle();
    RECT r{};
    GetWindowRect(raw, &r);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(SettledFrameDifferences(raw, DisabledButtonPicture(*manager, 160, 25, POINT{r.left, r.top},
                                                                 static_cast<int32_t>(ColorToRGB(form->Color())))),
              0);
    EnableWindow(raw, TRUE);
    SetWindowTextA(raw, "Again");
    EXPECT_EQ(adapter->Caption(), "Again");
}

TEST_F(RawButton, FreeingTheAdapterPutsThePlatformProcedureBack) {
    adapter.reset();
    EXPECT_EQ(GetWindowLongPtrA(raw, GWLP_WNDPROC), platformProc);
    EXPECT_EQ(TvlMainWnd::FromWindow(raw), nullptr);
    EXPECT_EQ(SendMessageA(raw, SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0), 0);
}

TEST_F(RawButton, AProcedureChainedAfterTheAdapterIsLeftInPlace) {
    // Someone subclasses after the adapter: letting go must not cut them off.
    static WNDPROC next = nullptr;
    next = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        raw, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) {
            return CallWindowProcA(next, w, m, wp, lp);
        })));
    const LONG_PTR theirs = GetWindowLongPtrA(raw, GWLP_WNDPROC);
    adapter.reset();
    EXPECT_EQ(GetWindowLongPtrA(raw, GWLP_WNDPROC), theirs);
}

TEST_F(RawButton, TheWindowDestroyedFirstLetsTheAdapterGo) {
    DestroyWindow(raw);
    EXPECT_TRUE(adapter->Destroyed());
    adapter.reset();
    EXPECT_TRUE(app.Errors().empty());
}

}  // namespace
}  // namespace pakmole::test
