// End to end: pakmole.exe's "Unpack" button on the screen wears the skin's
// "BUTTON" picture in each of its looks, as the program runs by itself.
#include <gtest/gtest.h>

#include <functional>

#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "tests/app/PakmoleProcess.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace pakmole::test {
namespace {

constexpr POINT kButtonPosition{16, 32};  // in the window's client area

class UnpackButtonRun : public ::testing::Test {
protected:
    void SetUp() override {
        manager = MakeManager();
        manager->SetSkinName(kInternalSkinName);
        ASSERT_GE(manager->FindSection("BUTTON"), 0);
        MovePointer(POINT{2, 2});
        program = std::make_unique<PakmoleProcess>(std::vector<std::string>{});
        main = program->MainWindow();
        ASSERT_NE(main, nullptr);
        button = PakmoleProcess::FindChild(main, "TButton", "Unpack");
        ASSERT_NE(button, nullptr);
    }
    void TearDown() override {
        if (main) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) {
            EXPECT_EQ(program->WaitForExit(10000), 0);
        }
    }
    TBitmap32 Skin(int state) const {
        RECT r;
        GetWindowRect(button, &r);
        return SkinButtonPicture(*manager, r.right - r.left, r.bottom - r.top, kButtonPosition, state,
                                 manager->Palette()[pcMainColor]);
    }

    RecordingApplication app;
    ComponentPtr<TsSkinManager> manager;
    std::unique_ptr<PakmoleProcess> program;
    HWND main = nullptr;
    HWND button = nullptr;
};

TEST_F(UnpackButtonRun, EveryLookOfTheButtonIsTheSkins) {
    RECT r;
    GetWindowRect(button, &r);
    const struct {
        const char* name;
        std::function<void()> act;
        std::function<TBitmap32()> expected;
    } steps[] = {
        // First in tab order, the button holds the focus at start: the hot look.
        {"focused at start", [] {}, [this] { return Skin(1); }},
        {"pressed", [this] { SendMessageA(button, BM_SETSTATE, TRUE, 0); }, [this] { return Skin(2); }},
        {"released", [this] { SendMessageA(button, BM_SETSTATE, FALSE, 0); }, [this] { return Skin(1); }},
        {"focus on to the file edit", [this] { PostMessageA(button, WM_KEYDOWN, VK_TAB, 0x000F0001); },
         [this] { return Skin(0); }},
        {"pointer on it", [&] { MovePointer(POINT{r.left + 100, r.top + 8}); }, [this] { return Skin(1); }},
        {"pointer away", [] { MovePointer(POINT{2, 2}); }, [this] { return Skin(0); }},
        {"disabled", [this] { EnableWindow(button, FALSE); },
         [this] {
             RECT b;
             GetWindowRect(button, &b);
             return DisabledButtonPicture(*manager, b.right - b.left, b.bottom - b.top, kButtonPosition,
                                          manager->Palette()[pcMainColor]);
         }},
        {"enabled again", [this] { EnableWindow(button, TRUE); }, [this] { return Skin(0); }},
    };
    for (const auto& step : steps) {
        step.act();
        const TBitmap32 expected = step.expected();
        EXPECT_EQ(SettledFrameDifferences(button, expected, 5000), 0) << step.name;
        // The caption is on the face, in every look.
        EXPECT_GT(CaptionDifferences(GrabWindow(button), expected), 20) << step.name;
    }
}

}  // namespace
}  // namespace pakmole::test
