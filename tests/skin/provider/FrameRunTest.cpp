// End to end: pakmole.exe's window frame on the screen is the skin's, in each
// look of its title buttons, active and inactive, and the buttons work.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "tests/app/PakmoleProcess.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/frame/FramePictures.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace pakmole::test {
namespace {

using States = std::array<int, tbCount>;

void MouseButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(input));
    PumpFor(100);
}

class FrameRun : public ::testing::Test {
protected:
    void SetUp() override {
        manager = MakeManager();
        manager->SetSkinName(kInternalSkinName);
        ASSERT_GE(manager->FindSection("FORMTITLE"), 0);
        MovePointer(POINT{2, 2});
        program = std::make_unique<PakmoleProcess>(std::vector<std::string>{});
        main = program->MainWindow();
        ASSERT_NE(main, nullptr);
        layout = LayoutWith(*manager, Facts());
    }
    void TearDown() override {
        if (main && IsWindow(main)) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) {
            EXPECT_EQ(program->WaitForExit(10000), 0);
        }
    }
    TsFrameFacts Facts() const { return FactsOfWindow(main, TsFrameStyle::fsSingle, true); }
    // The frame's differences from the skin's picture once they reach 0 (or time runs out).
    int SettledDifferences(bool active, const States& states) {
        const TBitmap32 expected = SkinFramePicture(*manager, Facts(), active, states);
        int differences = 0;
        PumpUntil([&] { return (differences = FrameDifferencesOf(main, GrabWindow(main), expected, layout)) == 0; },
                  5000);
        return differences;
    }
    POINT ButtonCentre(int button) const {
        RECT w;
        GetWindowRect(main, &w);
        const TRect32& r = layout.Buttons[static_cast<std::size_t>(button)].Rect;
        return POINT{w.left + (r.Left + r.Right) / 2, w.top + (r.Top + r.Bottom) / 2};
    }

    RecordingApplication app;
    ComponentPtr<TsSkinManager> manager;
    std::unique_ptr<PakmoleProcess> program;
    HWND main = nullptr;
    TsTitleLayout layout;
};

TEST_F(FrameRun, TheMainWindowShowsCloseAndMinimizeOnly) {
    EXPECT_TRUE(layout.Buttons[tbClose].Shown);
    EXPECT_TRUE(layout.Buttons[tbMin].Shown);
    EXPECT_FALSE(layout.Buttons[tbMax].Shown);
    EXPECT_EQ(SettledDifferences(true, States{}), 0);
    // The corners are cut: the window's region leaves out its top-left pixel.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(main, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 10, 10));
    DeleteObject(region);
}

TEST_F(FrameRun, EveryLookOfTheTitleButtons) {
    const TRect32 closeRect = layout.Buttons[tbClose].Rect;
    const struct {
        const char* name;
        std::function<void()> act;
        States states;
    } steps[] = {
        {"pointer on minimize", [&] { MovePointer(ButtonCentre(tbMin)); }, States{0, 0, 1, 0}},
        {"pointer on close", [&] { MovePointer(ButtonCentre(tbClose)); }, States{1, 0, 0, 0}},
        {"close held down", [] { MouseButton(true); }, States{2, 0, 0, 0}},
        {"held, pointer off the button", [&] { MovePointer(POINT{ButtonCentre(tbClose).x - 100, 200}); },
         States{0, 0, 0, 0}},
        // Released elsewhere than on close: the program goes on.
        {"released off the button", [] { MouseButton(false); }, States{0, 0, 0, 0}},
        {"pointer on close again", [&] { MovePointer(ButtonCentre(tbClose)); }, States{1, 0, 0, 0}},
        {"pointer away", [] { MovePointer(POINT{2, 2}); }, States{0, 0, 0, 0}},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(SettledDifferences(true, step.states), 0) << step.name;
    }
    EXPECT_TRUE(IsWindowVisible(main));
    // A hot button's look fades in over it in a layered window of its size, which goes once the pointer leaves.
    MovePointer(ButtonCentre(tbMin));
    HWND fade = nullptr;
    PumpUntil([&] { return (fade = FindWindowA("TvlPictureWindow", nullptr)) != nullptr && IsWindowVisible(fade); },
              2000);
    ASSERT_NE(fade, nullptr);
    RECT w, f;
    GetWindowRect(main, &w);
    GetWindowRect(fade, &f);
    const TRect32 min = layout.Buttons[tbMin].Rect;
    EXPECT_EQ(f.left - w.left, min.Left);
    EXPECT_EQ(f.top - w.top, min.Top);
    EXPECT_EQ(f.right - f.left, min.Width());
    EXPECT_NE(GetWindowLongA(fade, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    MovePointer(POINT{2, 2});
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(fade); }, 3000));
    // The hot and pressed pictures differ from the resting one where the button is.
    const TsFrameFacts facts = Facts();
    EXPECT_GT(DifferencesIn(SkinFramePicture(*manager, facts, true, States{}),
                            SkinFramePicture(*manager, facts, true, States{2, 0, 0, 0}), closeRect), 20);
}

TEST_F(FrameRun, InactiveLookWhenAnotherWindowIsActive) {
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 1060, 700, 200, 80, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    EXPECT_EQ(SettledDifferences(false, States{}), 0);
    // The inactive strip is not the active one.
    const TsFrameFacts facts = Facts();
    EXPECT_GT(DifferencesIn(SkinFramePicture(*manager, facts, false, States{}),
                            SkinFramePicture(*manager, facts, true, States{}), TRect32{0, 0, facts.Width, 4}), 0);
    DestroyWindow(other);
    SetForegroundWindow(main);
    EXPECT_EQ(SettledDifferences(true, States{}), 0);
}

TEST_F(FrameRun, HitTestAnswersTheSkinsButtons) {
    RECT w;
    GetWindowRect(main, &w);
    const TRect32 min = layout.Buttons[tbMin].Rect;
    const int centreY = w.top + layout.Centre;
    const struct {
        const char* name;
        POINT at;
        LRESULT code;
    } cases[] = {
        {"close", ButtonCentre(tbClose), HTCLOSE},
        {"minimize", ButtonCentre(tbMin), HTMINBUTTON},
        // Where a maximize button would be: no such button.
        {"left of minimize", POINT{w.left + min.Left - 2 - 13, centreY}, HTCAPTION},
        {"between minimize and close", POINT{w.left + min.Right, centreY}, HTCAPTION},
        {"icon", POINT{w.left + layout.IconRect.Left + 8, centreY}, HTSYSMENU},
        {"caption", POINT{w.left + 200, centreY}, HTCAPTION},
        {"left border", POINT{w.left + 1, w.top + 60}, HTBORDER},
        {"client", POINT{w.left + 200, w.bottom - 20}, HTCLIENT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SendMessageA(main, WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y)), c.code) << c.name;
}

TEST_F(FrameRun, MinimizeHidesTheWindowAndRestoreBringsItBackSkinned) {
    MovePointer(ButtonCentre(tbMin));
    MouseButton(true);
    MouseButton(false);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(main); }, 5000));
    HWND application = GetWindow(main, GW_OWNER);
    ASSERT_NE(application, nullptr);
    EXPECT_TRUE(IsIconic(application));
    MovePointer(POINT{2, 2});
    PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(main) != FALSE; }, 5000));
    EXPECT_EQ(SettledDifferences(true, States{}), 0);
}

int Brightness(uint32_t pixel) { return ((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF)) / 3; }

TEST_F(FrameRun, MessageFormWearsTheSkinsFrameAndItsTextReads) {
    HWND unpack = PakmoleProcess::FindChild(main, "TButton", "Unpack");
    ASSERT_NE(unpack, nullptr);
    ClickButton(unpack);
    HWND box = program->WaitForWindow("TMessageForm");
    ASSERT_NE(box, nullptr);
    const TsFrameFacts facts = FactsOfWindow(box, TsFrameStyle::fsDialog, false);
    const TsTitleLayout boxLayout = LayoutWith(*manager, facts);
    EXPECT_TRUE(boxLayout.Buttons[tbClose].Shown);
    EXPECT_FALSE(boxLayout.Buttons[tbMin].Shown);
    const TBitmap32 expected = SkinFramePicture(*manager, facts, true, States{});
    int differences = 0;
    PumpUntil([&] { return (differences = FrameDifferencesOf(box, GrabWindow(box), expected, boxLayout)) == 0; },
              5000);
    EXPECT_EQ(differences, 0);
    // "Please select file!" stands out from the skin's face above the OK button.
    // The client is painted after the frame, by a message of its own: a busy
    // machine may show the frame a while before the text, so wait for it too.
    const int face = Brightness(static_cast<uint32_t>(manager->Palette()[pcMainColor]));
    const auto inkOf = [&](const TBitmap32& picture) {
        int ink = 0;
        for (int y = boxLayout.StripBottom + 4; y < boxLayout.StripBottom + 34; ++y)
            for (int x = facts.FrameWidth; x < facts.Width - facts.FrameWidth; ++x)
                ink += std::abs(Brightness(picture.Pixel(x, y)) - face) >= 100;
        return ink;
    };
    int ink = 0;
    PumpUntil([&] { return (ink = inkOf(GrabWindow(box))) > 40; }, 5000);
    EXPECT_GT(ink, 40);
    DismissWithOk(box);
}

TEST_F(FrameRun, CloseButtonEndsTheProgram) {
    MovePointer(ButtonCentre(tbClose));
    MouseButton(true);
    MouseButton(false);
    EXPECT_EQ(program->WaitForExit(10000), 0);
    main = nullptr;
}

}  // namespace
}  // namespace pakmole::test
