// The main window as its stored description builds it.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/AppIcon.h"
#include "app/Unit1.h"
#include "skin/controls/edits/sDirectoryEdit.h"
#include "skin/controls/edits/sFilenameEdit.h"
#include "skin/controls/pathdialog/vlPathDialog.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "tests/support/ScreenPixels.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/Button.h"
#include "ui/Memo.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

namespace pakmole {
namespace {

TEST(Form1Test, StoredComponentsInOrderWithTheirProperties) {
    test::RecordingApplication app;
    auto* form = app.App().CreateForm<TForm1>();
    form->tmr1->SetEnabled(false);
    const std::vector<std::string> names{"edt2", "Button1", "PB", "Button2", "edt1", "mmo1", "sPathDialog1", "sSkinManager1", "sSkinProvider1", "tmr1"};
    ASSERT_EQ(form->ComponentCount(), static_cast<int>(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(form->Components(static_cast<int>(i))->Name(), names[i]);
        EXPECT_FALSE(form->Components(static_cast<int>(i))->IsLoading());
    }
    form->Show();
    EXPECT_EQ(form->ClientWidth(), 459);
    EXPECT_EQ(form->ClientHeight(), 84);
    EXPECT_EQ(form->Caption(), "Pakmole by Tarvel v0.5");
    EXPECT_EQ(form->PB->Top(), 67);
    EXPECT_EQ(form->PB->Width(), 459);
    EXPECT_FALSE(form->edt2->Visible());
    EXPECT_FALSE(form->Button1->Visible());
    EXPECT_FALSE(form->mmo1->Visible());
    EXPECT_EQ(form->edt1->Text(), TForm1::kPlaceholder);
    EXPECT_FALSE(form->edt1->DirectInput());
    EXPECT_EQ(form->tmr1->Interval(), 500u);
    EXPECT_EQ(form->sPathDialog1->ClassName(), "TsPathDialog");
    EXPECT_EQ(form->sPathDialog1->Root, "rfMyComputer");
    EXPECT_TRUE(form->sPathDialog1->ShowRootBtns);
    EXPECT_EQ(form->edt2->Root, "rfDesktop");
    // The built-in skin was read while the form loaded and applied after.
    EXPECT_EQ(form->sSkinManager1->SkinName(), "Emberline (internal)");
    EXPECT_EQ(form->sSkinManager1->SkinInfo(), "8");  // VERSION=8.00, written as a number
    // The apply at start-up reached the form: "Unpack" wears the skin.
    EXPECT_EQ(SendMessageA(form->Button2->Handle(), SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0), 1);
    EXPECT_EQ(form->sSkinProvider1->SkinData().SkinSection(), "FORM");
    // Both file edits wear the skin's "EDIT" look, their buttons "SPEEDBUTTON_SMALL".
    for (TsCustomComboEdit* edit :
         {static_cast<TsCustomComboEdit*>(form->edt1), static_cast<TsCustomComboEdit*>(form->edt2)}) {
        EXPECT_EQ(edit->SkinData().SkinSection(), "EDIT");
        EXPECT_EQ(edit->Button()->SkinData().SkinSection(), "SPEEDBUTTON_SMALL");
    }
    EXPECT_EQ(SendMessageA(form->edt1->Handle(), SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0), 1);
    // Tab order as stored: Button1, PB, Button2, edt1, edt2, mmo1.
    EXPECT_EQ(form->Button1->TabOrder(), 0);
    EXPECT_EQ(form->PB->TabOrder(), 1);
    EXPECT_EQ(form->Button2->TabOrder(), 2);
    EXPECT_EQ(form->edt1->TabOrder(), 3);
    EXPECT_EQ(form->edt2->TabOrder(), 4);
    EXPECT_EQ(form->mmo1->TabOrder(), 5);

    TsEditButton* button = form->edt1->Button();
    EXPECT_FALSE(button->IsLoading());
    EXPECT_TRUE(button->Visible());
    EXPECT_EQ(button->Parent(), form->edt1);
    EXPECT_EQ(button->Width(), 18);
    EXPECT_EQ(button->Left(), form->edt1->ClientWidth() - 18);
    EXPECT_EQ(button->Height(), form->edt1->ClientHeight());

    // The glyph shows on the screen.
    // Painting reaches the screen through the message queue: wait for it.
    POINT origin = button->ClientToScreen(POINT{0, 0});
    test::PumpUntil([&] { return test::PixelsUnlikeTheFace(origin, button->Width(), button->Height()) > 40; }, 3000);
    EXPECT_GT(test::PixelsUnlikeTheFace(origin, button->Width(), button->Height()), 40);
}

// The job counts every entry on the bar; its window is told the count when
// the job lets the window handle its messages, and at the last entry.
TEST(Form1Test, TheProgressBarShowsTheEntriesCountedSoFar) {
    test::RecordingApplication app;
    auto* form = app.App().CreateForm<TForm1>();
    form->tmr1->SetEnabled(false);
    form->Show();
    const HWND bar = form->PB->Handle();
    auto shown = [&] { return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)); };
    form->SetProgressMax(3);
    for (int i = 0; i < 3; ++i) form->StepProgress();
    EXPECT_EQ(shown(), 3);
    form->SetProgressMax(1000);
    EXPECT_EQ(shown(), 0);
    for (int i = 0; i < 400; ++i) form->StepProgress();
    Sleep(20);
    form->ProcessMessages();
    EXPECT_EQ(shown(), 400);
    for (int i = 0; i < 600; ++i) form->StepProgress();
    EXPECT_EQ(shown(), 1000);
    EXPECT_EQ(form->PB->Position(), 1000);
}

TEST(Form1Test, IconIsASixtyFourPixelTileWithClearCorners) {
    const IconPicture picture = DrawApplicationIcon();
    ASSERT_EQ(picture.rgb.size(), 64u * 64u);
    EXPECT_TRUE(picture.transparent[0]);
    EXPECT_TRUE(picture.transparent[63]);
    EXPECT_TRUE(picture.transparent[63 * 64]);
    EXPECT_FALSE(picture.transparent[32 * 64 + 32]);
    HICON icon = CreateApplicationIcon();
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectA(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 64);
    EXPECT_EQ(bm.bmHeight, 64);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

}  // namespace
}  // namespace pakmole
