// End to end: the platform's dialogs that pakmole.exe shows wear the skin.
// The file-open dialog behind the file-name edit's button and the error box
// of a pak that cannot be read are compared, on the screen, with the skin's
// own painting of "DIALOG" and "FORMTITLE"; their controls are no longer the
// platform's light grey, their texts readable, and they still work.
#include <gtest/gtest.h>

#include <string>

#include "base/FileSystem.h"
#include "skin/controls/frame/sFrameLayout.h"
#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/PixelCopy.h"
#include "tests/app/PakmoleProcess.h"
#include "tests/app/ScreenPicture.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/support/PakBuilder.h"
#include "tests/support/TestPaths.h"
#include "tests/ui/GuiTestSupport.h"

namespace pakmole::test {
namespace {

class DialogsRun : public ::testing::Test {
protected:
    void SetUp() override {
        manager = MakeManager();
        manager->SetSkinName(kInternalSkinName);
        ASSERT_GE(manager->FindSection("DIALOG"), 0);
        MovePointer(POINT{2, 2});
        program = std::make_unique<PakmoleProcess>(std::vector<std::string>{});
        main = program->MainWindow();
        ASSERT_NE(main, nullptr);
        Sleep(800);  // past the run-mode decision
        edit = PakmoleProcess::FindChild(main, "TsFilenameEdit");
        unpack = PakmoleProcess::FindChild(main, "TButton", "Unpack");
        ASSERT_NE(edit, nullptr);
        ASSERT_NE(unpack, nullptr);
    }
    void TearDown() override {
        if (main) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) {
            EXPECT_EQ(program->WaitForExit(10000), 0);
        }
    }
    HWND OpenTheOpenDialog() {
        ClickEditButton(edit);
        return program->WaitForWindow("#32770");
    }
    // The skin's own picture of a dialog of that window's size and styles:
    // "DIALOG" over it all and "FORMTITLE" over the caption strip, active.
    TBitmap32 SkinFrame(HWND dialog, int& frame, int& strip) const {
        RECT r;
        GetWindowRect(dialog, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        const LONG style = GetWindowLongA(dialog, GWL_STYLE);
        frame = FrameWidthOf((style & WS_THICKFRAME) != 0, (style & WS_BORDER) != 0, GetSystemMetrics(SM_CXFRAME),
                             GetSystemMetrics(SM_CXDLGFRAME));
        strip = frame + GetSystemMetrics(SM_CYCAPTION);
        TBitmap32 picture = SkinSectionPicture(*manager, "DIALOG", w, h, POINT{0, 0}, 1, manager->Palette()[pcMainColor]);
        const TBitmap32 title =
            SectionPicture(*manager, "FORMTITLE", w, strip, POINT{0, 0}, 1, BgSourceOfBitmap(&picture, 0, 0));
        CopyPixels(picture, 0, 0, w, strip, title, 0, 0);
        return picture;
    }
    // Differences on the frame borders and on the strip from the middle to
    // the title buttons (no caption text there); corners are cut to shape.
    int FrameDifferences(HWND dialog, TBitmap32& shown) const {
        int frame = 0, strip = 0;
        const TBitmap32 expected = SkinFrame(dialog, frame, strip);
        const int w = expected.Width(), h = expected.Height();
        const auto counted = [&](int x, int y) {
            const bool corner = (x < 8 || x >= w - 8) && (y < 8 || y >= h - 8);
            const bool border = y >= strip && (x < frame || x >= w - frame || y >= h - frame);
            const bool title = y < strip && x >= w / 2 && x < w - 90;
            return !corner && (border || title);
        };
        int differences = 0;
        PumpUntil([&] { return (differences = CountDifferences(shown = GrabWindow(dialog), expected, counted)) == 0; },
                  3000);
        return differences;
    }
    // Pixels of the platform's light face colour inside the window (screen coordinates).
    static int FaceColoured(const TBitmap32& shown) {
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        int count = 0;
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x) {
                const uint32_t p = shown.Pixel(x, y);
                count += RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == face;
            }
        return count;
    }
    static int Brightness(const TBitmap32& shown, RECT part) {
        long sum = 0, n = 0;
        for (int y = part.top; y < part.bottom; ++y)
            for (int x = part.left; x < part.right; ++x, ++n) {
                const uint32_t p = shown.Pixel(x, y);
                sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
            }
        return n ? static_cast<int>(sum / (3 * n)) : 0;
    }
    static RECT PartOf(HWND dialog, HWND child) {
        RECT d, c;
        GetWindowRect(dialog, &d);
        GetWindowRect(child, &c);
        OffsetRect(&c, -d.left, -d.top);
        return c;
    }

    RecordingApplication app;
    ComponentPtr<TsSkinManager> manager;
    std::unique_ptr<PakmoleProcess> program;
    HWND main = nullptr;
    HWND edit = nullptr;
    HWND unpack = nullptr;
};

TEST_F(DialogsRun, OpenDialogWearsTheSkin) {
    // A folder of many paks: the file list needs its scroll bar.
    TempFolder folder;
    for (int i = 0; i < 60; ++i)
        PakBuilder().Stored("a.txt", "a").WriteTo(folder / ("Level" + std::to_string(100 + i) + ".pak"));
    HWND dialog = OpenTheOpenDialog();
    ASSERT_NE(dialog, nullptr) << "no open dialog";
    Sleep(500);
    // Into the folder, as a user types it.
    SetFileDialogName(dialog, folder.Path());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    Sleep(1500);
    TBitmap32 shown;
    EXPECT_EQ(FrameDifferences(dialog, shown), 0) << "frame and caption strip are the skin's";
    SaveShot(shown, "open-dialog");
    EXPECT_EQ(WindowText(dialog), "Open");
    EXPECT_GT(ScreenPicture::OfWindow(dialog).Ink(RECT{0, 0, 120, GetSystemMetrics(SM_CYCAPTION)}), 15)
        << "the caption is written";
    EXPECT_EQ(FaceColoured(shown), 0) << "the platform's light grey is gone";
    // Buttons, folder box and the list's scroll bar in the skin's dark greys.
    HWND open = GetDlgItem(dialog, IDOK), lookIn = GetDlgItem(dialog, 0x471);
    HWND list = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr, "SysListView32",
                              nullptr);
    ASSERT_NE(open, nullptr);
    ASSERT_NE(lookIn, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_LT(Brightness(shown, PartOf(dialog, open)), 110) << "the Open button";
    // The folder box keeps the platform's field colour inside (a dialog's
    // fields do); its frame and drop button are the skin's.
    const RECT box = PartOf(dialog, lookIn);
    EXPECT_LT(Brightness(shown, RECT{box.right - GetSystemMetrics(SM_CXVSCROLL) - 2, box.top + 2, box.right - 2,
                                     box.bottom - 2}),
              110)
        << "the folder box's drop button";
    EXPECT_LT(Brightness(shown, RECT{box.left, box.top, box.right, box.top + 1}), 110) << "the folder box's frame";
    RECT listRect = PartOf(dialog, list), clientRect;
    GetClientRect(list, &clientRect);
    const LONG listStyle = GetWindowLongA(list, GWL_STYLE);
    ASSERT_TRUE(listStyle & (WS_HSCROLL | WS_VSCROLL)) << "the list has a scroll bar";
    RECT bar = listRect;
    if (listStyle & WS_HSCROLL) {
        bar.top = bar.bottom - GetSystemMetrics(SM_CYHSCROLL) - 2;
        bar.bottom -= 2;
        bar.left += 2;
        bar.right -= 2;
    } else {
        bar.left = bar.right - GetSystemMetrics(SM_CXVSCROLL) - 2;
        bar.right -= 2;
        bar.top += 2;
        bar.bottom -= 2;
    }
    EXPECT_LT(Brightness(shown, bar), 110) << "the list's scroll bar";
    // Picking a file through the skinned dialog still works.
    const std::string pak = folder / "Level105.pak";
    SetFileDialogName(dialog, pak);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const DWORD start = GetTickCount();
    while (WindowText(edit) != pak && GetTickCount() - start < 5000) Sleep(20);
    EXPECT_EQ(WindowText(edit), pak);
}

TEST_F(DialogsRun, ErrorBoxWearsTheSkinAndOkClosesIt) {
    TempFolder folder;
    // The footer sends the index past the end of the file.
    const std::string pak = folder / "Outside.pak";
    std::string bytes = PakBuilder().Stored("a.txt", "a").Build();
    const int64_t beyond = int64_t{1} << 40;
    for (int i = 0; i < 8; ++i) bytes[bytes.size() - 36 + i] = static_cast<char>((beyond >> (8 * i)) & 0xFF);
    WriteWholeFile(pak, bytes);
    HWND dialog = OpenTheOpenDialog();
    ASSERT_NE(dialog, nullptr);
    Sleep(300);
    SetFileDialogName(dialog, pak);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    const DWORD start = GetTickCount();
    while (program->FindWindowOfClass("#32770") && GetTickCount() - start < 5000) Sleep(20);
    ClickButton(unpack);
    HWND box = program->WaitForWindow("#32770");
    ASSERT_NE(box, nullptr) << "no error box";
    Sleep(800);
    TBitmap32 shown;
    EXPECT_EQ(FrameDifferences(box, shown), 0) << "frame and caption strip are the skin's";
    SaveShot(shown, "error-box");
    EXPECT_EQ(FaceColoured(shown), 0) << "the platform's light grey is gone";
    // Its message: light text on the skin's dark client area.
    HWND text = GetDlgItem(box, 0xFFFF);
    ASSERT_NE(text, nullptr);
    const ScreenPicture picture = ScreenPicture::OfWindow(box);
    EXPECT_LT(pakmole::test::Brightness(picture.Face(picture.PartOf(text))), 80) << "a dark face";
    EXPECT_GT(picture.Ink(picture.PartOf(text)), 40) << "the message is readable";
    DismissWithOk(box);
    Sleep(500);
    EXPECT_EQ(program->FindWindowOfClass("#32770"), nullptr) << "OK closed the box";
    EXPECT_TRUE(program->Running());
}

}  // namespace
}  // namespace pakmole::test
