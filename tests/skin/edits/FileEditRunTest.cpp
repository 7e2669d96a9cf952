// End to end: pakmole.exe's file-name edit on the screen wears the skin's
// "EDIT" and "SPEEDBUTTON_SMALL" pictures in each of its looks, shows its
// placeholder and a path given to it, and its button and Alt+Down still open
// the file dialog.
#include <gtest/gtest.h>

#include <functional>

#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "tests/app/PakmoleProcess.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/edits/EditPictures.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace pakmole::test {
namespace {

class FileEditRun : public ::testing::Test {
protected:
    void SetUp() override {
        manager = MakeManager();
        manager->SetSkinName(kInternalSkinName);
        ASSERT_GE(manager->FindSection("EDIT"), 0);
        MovePointer(POINT{2, 2});
        program = std::make_unique<PakmoleProcess>(std::vector<std::string>{});
        main = program->MainWindow();
        ASSERT_NE(main, nullptr);
        edit = PakmoleProcess::FindChild(main, "TsFilenameEdit");
        ASSERT_NE(edit, nullptr);
        PumpFor(800);  // past the run-mode decision and the first paints
        geometry = EditGeometryOf(edit);
        GetWindowRect(edit, &rect);
    }
    void TearDown() override {
        if (main) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) {
            EXPECT_EQ(program->WaitForExit(10000), 0);
        }
    }
    TBitmap32 Expected(int editState, int buttonState) const {
        const TBitmap32 field = SkinEditPicture(*manager, geometry, editState, manager->Palette()[pcMainColor]);
        return SkinEditButtonPicture(*manager, geometry, field, buttonState);
    }
    POINT OnButton() const {
        return POINT{rect.left + (geometry.Button.left + geometry.Button.right) / 2,
                     rect.top + (geometry.Button.top + geometry.Button.bottom) / 2};
    }
    // Waits for the open dialog, cancels it and waits until it is gone.
    void ExpectDialogAndCancel(const char* how) {
        HWND dialog = program->WaitForWindow("#32770", 10000);
        ASSERT_NE(dialog, nullptr) << how << " opened no dialog";
        PumpFor(300);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(PumpUntil([&] { return program->FindWindowOfClass("#32770") == nullptr; }, 5000)) << how;
    }

    RecordingApplication app;
    ComponentPtr<TsSkinManager> manager;
    std::unique_ptr<PakmoleProcess> program;
    HWND main = nullptr;
    HWND edit = nullptr;
    EditGeometry geometry;
    RECT rect{};
};

TEST_F(FileEditRun, EveryLookOfTheEditIsTheSkins) {
    const TBitmap32 plain = Expected(0, 0);
    const struct {
        const char* name;
        std::function<void()> act;
        int editState, buttonState;
    } steps[] = {
        // "Unpack" holds the focus at start.
        {"at rest", [] {}, 0, 0},
        {"pointer on the field", [&] { MovePointer(POINT{rect.left + 150, rect.top + 10}); }, 1, 0},
        {"pointer on the button", [&] { MovePointer(OnButton()); }, 1, 1},
        {"button held down", [] { PressPointer(true); }, 1, 2},
        {"dragged off and let go", [&] {
             MovePointer(POINT{rect.left + 150, rect.top + 10});
             PressPointer(false);
         }, 1, 0},
        {"pointer away", [] { MovePointer(POINT{2, 2}); }, 0, 0},
        {"focused", [&] {
             HWND unpack = PakmoleProcess::FindChild(main, "TButton", "Unpack");
             PostMessageA(unpack, WM_KEYDOWN, VK_TAB, 0x000F0001);
         }, 1, 0},
    };
    for (const auto& step : steps) {
        step.act();
        const TBitmap32 expected = Expected(step.editState, step.buttonState);
        TBitmap32 shown = GrabWindow(edit);
        PumpUntil([&] {
            shown = GrabWindow(edit);
            return RingDifferences(shown, expected) == 0 && ButtonDifferences(shown, expected, geometry) == 0;
        }, 5000);
        EXPECT_EQ(RingDifferences(shown, expected), 0) << step.name;
        EXPECT_EQ(ButtonDifferences(shown, expected, geometry), 0) << step.name;
        EXPECT_GT(AreaDifferences(shown, expected, GlyphBox(geometry)), 30) << step.name << ": no glyph";
        EXPECT_GT(AreaDifferences(shown, plain, TextBox(geometry)), 300) << step.name << ": no placeholder";
    }
    EXPECT_EQ(program->FindWindowOfClass("#32770"), nullptr) << "a press let go off the button opened the dialog";
}

TEST_F(FileEditRun, AGivenPathIsWrittenWhereThePlaceholderWas) {
    const TBitmap32 withPlaceholder = GrabWindow(edit);
    const char* path = "C:\\Games\\Tarvel\\Content\\Paks\\pakchunk0-WindowsNoEditor.pak";
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
    TBitmap32 shown = GrabWindow(edit);
    PumpUntil([&] { return AreaDifferences(shown = GrabWindow(edit), withPlaceholder, TextBox(geometry)) > 300; });
    EXPECT_GT(AreaDifferences(shown, withPlaceholder, TextBox(geometry)), 300);
    EXPECT_GT(AreaDifferences(shown, Expected(0, 0), TextBox(geometry)), 300) << "the path is not to be seen";
    EXPECT_EQ(RingDifferences(shown, Expected(0, 0)), 0);
}

TEST_F(FileEditRun, ButtonAndAltDownStillOpenTheDialog) {
    MovePointer(OnButton());
    PressPointer(true);
    PressPointer(false);
    ExpectDialogAndCancel("a click on the button");
    PostMessageA(edit, WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    ExpectDialogAndCancel("Alt+Down");
    MovePointer(POINT{2, 2});
}

}  // namespace
}  // namespace pakmole::test
