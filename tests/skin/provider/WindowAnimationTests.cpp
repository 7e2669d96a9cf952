// The form's animations on a form of this process: a picture of the form
// that matches the screen, the swap of that picture for the form when it is
// shown, the fading picture left behind when it is hidden, and the way to
// the taskbar and back when the application minimizes and restores.
#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/controls/frame/PaintWindowTo.h"
#include "skin/manager/DialogHook.h"
#include "skin/render/DesktopComposition_win.h"
#include "skin/render/SystemMinimizeAnimation_win.h"
#include "skin/render/WindowAnimation_win.h"
#include "tests/skin/adapters/AdapterFixture.h"
#include "tests/skin/frame/FramePictures.h"
#include "tests/skin/render_win/StandInTaskbar.h"
#include "ui/Application.h"

namespace pakmole::test {
namespace {

bool IsPictureWindow(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "TvlPictureWindow";
}

BOOL CALLBACK CollectPictureWindow(HWND window, LPARAM list) {
    if (IsPictureWindow(window) && IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisiblePictureWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectPictureWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Every place a picture window is moved to, while a test listens: read from
// the window's own messages, so no step is missed however slowly the test
// gets to look.
std::vector<POINT>* pictureMoves = nullptr;
WNDPROC pictureProcedure = nullptr;  // the class's, the same for every picture window

LRESULT CALLBACK RecordingPictureProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGED && pictureMoves) {
        const auto& position = *reinterpret_cast<const WINDOWPOS*>(lParam);
        const POINT at{position.x, position.y};
        if (!(position.flags & SWP_NOMOVE) &&
            (pictureMoves->empty() || pictureMoves->back().x != at.x || pictureMoves->back().y != at.y))
            pictureMoves->push_back(at);
    }
    return CallWindowProcA(pictureProcedure, window, msg, wParam, lParam);
}

bool Layered(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

class WindowAnimation : public AdapterFixture {
protected:
    void SetUp() override {
        AdapterFixture::SetUp();
        listener_ = TsDialogHook::AddWindowCreatingHandler([this](HWND window, const CREATESTRUCTA& create) {
            if (IS_INTRESOURCE(create.lpszClass) || std::string(create.lpszClass) != "TvlPictureWindow") return;
            ++picturesMade;
            pictureProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingPictureProcedure)));
        });
        provider->OnAfterAnimation = [this](TObject*, int kind) { afterAnimation.push_back(kind); };
    }
    void TearDown() override {
        TsDialogHook::RemoveWindowCreatingHandler(listener_);
        ForceDesktopComposition(std::nullopt);
        ObserveCompositionPauses(nullptr);
        FinishHideAnimation();
        AdapterFixture::TearDown();
    }
    TBitmap32 PictureOfForm() {
        RECT r;
        GetWindowRect(form->Handle(), &r);
        TBitmap32 picture(r.right - r.left, r.bottom - r.top);
        PaintWindowTo(picture, form, 0, 0, true);
        return picture;
    }
    // Differences between the screen and the form's picture, inside the
    // window's region and outside the plain memo's scroll bar, which the
    // system does not print (Wine paints it one pixel over the memo's edge).
    int Differences(const TBitmap32& screen, const TBitmap32& picture) {
        HWND h = this->form->Handle();
        RECT form, memoWindow, memoClient;
        GetWindowRect(h, &form);
        GetWindowRect(memo->Handle(), &memoWindow);
        GetClientRect(memo->Handle(), &memoClient);
        MapWindowPoints(memo->Handle(), nullptr, reinterpret_cast<POINT*>(&memoClient), 2);
        const RECT bar{memoClient.right - form.left, memoWindow.top - 1 - form.top, memoWindow.right - form.left,
                       memoWindow.bottom - form.top};
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const bool hasRegion = GetWindowRgn(h, region) != ERROR;
        int differences = 0;
        for (int y = 0; y < std::min(screen.Height(), picture.Height()); ++y)
            for (int x = 0; x < std::min(screen.Width(), picture.Width()); ++x) {
                const POINT p{x, y};
                if (PtInRect(&bar, p) || (hasRegion && !PtInRegion(region, x, y))) continue;
                if ((screen.Pixel(x, y) & 0xFFFFFF) != (picture.Pixel(x, y) & 0xFFFFFF)) ++differences;
            }
        DeleteObject(region);
        return differences;
    }
    // The screen shows the form as its picture does (the memo's caret blinks on the screen only).
    int ScreenDifferences() {
        int differences = 0;
        PumpUntil(
            [&] {
                differences = Differences(GrabWindow(form->Handle()), PictureOfForm());
                return differences == 0;
            },
            2000);
        return differences;
    }

    int picturesMade = 0;
    std::vector<int> afterAnimation;

private:
    int listener_ = 0;
};

TEST_F(WindowAnimation, PictureOfTheFormIsWhatTheScreenShows) {
    EXPECT_EQ(ScreenDifferences(), 0);
    // A hidden control leaves the form's colour where it stood.
    button->SetVisible(false);
    Settle();
    EXPECT_EQ(ScreenDifferences(), 0);
}

TEST_F(WindowAnimation, ShowingSwapsThePictureForTheFormAndLeavesNothingBehind) {
    const struct {
        int time;
        TvlAnimType mode;
    } cases[] = {{0, TvlAnimType::atAero}, {120, TvlAnimType::atAero}, {36, TvlAnimType::atFading}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        form->Hide();
        Settle();
        manager->AnimEffects().FormShow.Time = static_cast<uint16_t>(c.time);
        manager->AnimEffects().FormShow.Mode = c.mode;
        picturesMade = 0;
        afterAnimation.clear();
        form->Show();
        EXPECT_EQ(picturesMade, 1) << "one picture window stood for the form";
        EXPECT_EQ(afterAnimation, std::vector<int>{0});
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        EXPECT_FALSE(Layered(form->Handle())) << "the form is itself again";
        EXPECT_TRUE(VisiblePictureWindows().empty());
        EXPECT_FALSE(AnimationInProgress());
        Settle();
        EXPECT_EQ(ScreenDifferences(), 0);
    }
}

TEST_F(WindowAnimation, WithoutTheSwitchesTheFormIsShownPlainly) {
    const struct {
        const char* name;
        bool allow, active;
    } cases[] = {{"provider forbids", false, true}, {"manager's show off", true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        form->Hide();
        provider->SetAllowAnimation(c.allow);
        manager->AnimEffects().FormShow.Active = c.active;
        picturesMade = 0;
        form->Show();
        EXPECT_EQ(picturesMade, 0);
        EXPECT_TRUE(IsWindowVisible(form->Handle()));
        EXPECT_FALSE(Layered(form->Handle()));
    }
}

TEST_F(WindowAnimation, HidingLeavesAPictureThatFadesOut) {
    manager->AnimEffects().FormHide.Time = 0;
    picturesMade = 0;
    form->Hide();
    EXPECT_EQ(picturesMade, 0) << "under one frame nothing is played";
    form->Show();
    Settle();

    manager->AnimEffects().FormHide.Time = 36;
    manager->AnimEffects().FormHide.Mode = TvlAnimType::atFading;
    RECT was;
    GetWindowRect(form->Handle(), &was);
    afterAnimation.clear();
    form->Hide();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    const auto pictures = VisiblePictureWindows();
    ASSERT_EQ(pictures.size(), 1u) << "the form's picture stays where the form was";
    RECT at;
    GetWindowRect(pictures[0], &at);
    EXPECT_TRUE(EqualRect(&at, &was));
    EXPECT_TRUE(HideAnimationRunning());
    ASSERT_TRUE(PumpUntil([] { return VisiblePictureWindows().empty(); }, 2000));
    EXPECT_FALSE(HideAnimationRunning());
    EXPECT_EQ(afterAnimation, std::vector<int>{1});
}

TEST_F(WindowAnimation, MinimizeShrinksAPictureAwayAndRestoreBringsTheFormBackUnderIt) {
    RECT start;
    GetWindowRect(form->Handle(), &start);
    // Where the picture stands, tick after tick, until it has reached the taskbar.
    std::vector<POINT> path;
    pictureMoves = &path;
    app.App().Minimize();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    ASSERT_NE(provider->MinimizeTimer(), nullptr);
    PumpUntil([&] { return provider->MinimizeTimer()->Minimized(); }, 3000);
    pictureMoves = nullptr;
    ASSERT_TRUE(provider->MinimizeTimer()->Minimized());
    EXPECT_TRUE(VisiblePictureWindows().empty());
    ASSERT_GE(path.size(), 5u) << "the picture moved in steps";
    EXPECT_EQ(path.front().x, start.left);
    EXPECT_EQ(path.front().y, start.top);
    // Each step nearer the taskbar (its button, its inner edge, or the screen's bottom without one).
    const TRect32 target = MinimizeTarget(app.App().Handle(), TRect32{start.left, start.top, start.right, start.bottom});
    const double tx = target.Left + target.Width() / 2.0, ty = target.Top + target.Height() / 2.0;
    const double halfW = (start.right - start.left) / 2.0, halfH = (start.bottom - start.top) / 2.0;
    auto distance = [&](POINT p) { return std::hypot(p.x + halfW - tx, p.y + halfH - ty); };
    for (std::size_t i = 1; i < path.size(); ++i) EXPECT_LT(distance(path[i]), distance(path[i - 1])) << i;
    EXPECT_LT(distance(path.back()), distance(path.front()) / 4) << "most of the way there";

    int restored = 0;
    app.App().OnRestore = [&](TObject*) { ++restored; };
    SendMessageA(app.App().Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsWindowVisible(form->Handle())) << "the picture grows back first";
    EXPECT_TRUE(provider->MinimizeTimer()->Restoring());
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form->Handle()) != FALSE; }, 3000));
    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(provider->MinimizeTimer()->Restoring());
    EXPECT_TRUE(VisiblePictureWindows().empty());
    EXPECT_FALSE(Layered(form->Handle()));
    app.App().OnRestore = nullptr;
    Settle();
    EXPECT_EQ(ScreenDifferences(), 0);
}

// Under composition the picture window stays one pause (48 ms) longer, over
// the form that is already itself again; without composition it goes at once.
TEST_F(WindowAnimation, UnderCompositionThePictureStaysAPauseLongerOverTheRealForm) {
    for (const bool composed : {false, true}) {
        SCOPED_TRACE(composed);
        form->Hide();
        Settle();
        ForceDesktopComposition(composed);
        struct Pause {
            unsigned ms;
            bool formShown, formLayered;
            std::size_t pictures;
        };
        std::vector<Pause> pauses;
        ObserveCompositionPauses([&](unsigned ms) {
            pauses.push_back(Pause{ms, IsWindowVisible(form->Handle()) != FALSE, Layered(form->Handle()),
                                   VisiblePictureWindows().size()});
        });
        form->Show();
        ObserveCompositionPauses(nullptr);
        ForceDesktopComposition(std::nullopt);
        if (!composed) {
            EXPECT_TRUE(pauses.empty());
            continue;
        }
        ASSERT_EQ(pauses.size(), 1u);
        EXPECT_EQ(pauses[0].ms, 48u);
        EXPECT_TRUE(pauses[0].formShown);
        EXPECT_FALSE(pauses[0].formLayered) << "the form is itself again under the picture";
        EXPECT_EQ(pauses[0].pictures, 1u) << "the picture still stands";
        EXPECT_TRUE(VisiblePictureWindows().empty()) << "and goes after the pause";
    }
}

// Under composition the shell's taskbar is not searched for the button: the
// picture goes to the taskbar's inner edge even when the button is there.
TEST_F(WindowAnimation, UnderCompositionTheMinimizeTargetIsNotTheTaskbarButton) {
    HWND others[2] = {MakeWindow("CompositionTestWindow", nullptr, 0, 0, 10, 10),
                      MakeWindow("CompositionTestWindow", nullptr, 0, 0, 10, 10)};
    StandInTaskbar taskbar({others[0], app.App().Handle(), others[1]});
    const TRect32 window{100, 100, 420, 280};  // centre x 260
    const RECT button = taskbar.ButtonOnScreen(1);
    ForceDesktopComposition(false);
    const TRect32 plain = MinimizeTarget(app.App().Handle(), window);
    EXPECT_EQ(plain.Left, button.left);
    EXPECT_EQ(plain.Top, button.top);
    EXPECT_EQ(plain.Right, button.right);
    EXPECT_EQ(plain.Bottom, button.bottom);
    ForceDesktopComposition(true);
    // The stand-in lies at the bottom, its top at 760: the point (260, 760).
    const TRect32 composed = MinimizeTarget(app.App().Handle(), window);
    EXPECT_EQ(composed.Left, 260);
    EXPECT_EQ(composed.Top, 760);
    EXPECT_EQ(composed.Width(), 0);
    EXPECT_EQ(composed.Height(), 0);
    ForceDesktopComposition(std::nullopt);
    for (HWND w : others) DestroyWindow(w);
}

// The system's minimize animation setting as a stand-in keeps it (Wine keeps none).
int standInMinAnimate = 1;
BOOL WINAPI StandInSystemParameters(UINT action, UINT, PVOID data, UINT) {
    auto* info = static_cast<ANIMATIONINFO*>(data);
    if (action == SPI_GETANIMATION) info->iMinAnimate = standInMinAnimate;
    else if (action == SPI_SETANIMATION) standInMinAnimate = info->iMinAnimate;
    else return FALSE;
    return TRUE;
}

// The system's own minimize animation is off while the picture goes to the
// taskbar and while the form comes back, and as it was afterwards; the form
// has the focus after a restore.
TEST_F(WindowAnimation, TheSystemsMinimizeAnimationIsOffWhileThePictureMoves) {
    ReplaceSystemParametersInfo(&StandInSystemParameters);
    for (const bool systemSetting : {true, false}) {
        SCOPED_TRACE(systemSetting);
        standInMinAnimate = systemSetting ? 1 : 0;
        ForceDesktopComposition(true);
        app.App().Minimize();
        ASSERT_NE(provider->MinimizeTimer(), nullptr);
        EXPECT_EQ(standInMinAnimate, 0) << "off while the form leaves";
        ASSERT_TRUE(PumpUntil([&] { return provider->MinimizeTimer()->Minimized(); }, 3000));
        EXPECT_EQ(standInMinAnimate, systemSetting ? 1 : 0) << "as it was once the picture is at the taskbar";

        std::vector<int> whileShown;
        app.App().OnRestore = [&](TObject*) { whileShown.push_back(standInMinAnimate); };
        SendMessageA(app.App().Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
        ASSERT_TRUE(PumpUntil([&] { return !provider->MinimizeTimer()->Restoring(); }, 3000));
        app.App().OnRestore = nullptr;
        EXPECT_EQ(whileShown, std::vector<int>{0}) << "off while the form is shown again";
        EXPECT_EQ(standInMinAnimate, systemSetting ? 1 : 0) << "as it was after the restore";
        EXPECT_EQ(GetActiveWindow(), form->Handle());
        ForceDesktopComposition(std::nullopt);
        Settle();
    }
    ReplaceSystemParametersInfo(nullptr);
}

}  // namespace
}  // namespace pakmole::test
