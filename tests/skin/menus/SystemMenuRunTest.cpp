// End to end: pakmole.exe's system menu is the skin's popup menu, opened by a
// click on the caption icon, by Alt+Space and by a right click on the
// caption; it shows restore, move, size, minimize and close (no maximize for
// this window), and choosing minimize minimizes the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "skin/manager/MainSkinManager.h"
#include "skin/manager/sSkinManager.h"
#include "tests/app/PakmoleProcess.h"
#include "tests/skin/adapters/ButtonPictures.h"
#include "tests/skin/frame/FramePictures.h"
#include "tests/skin/manager/ManagerTestSupport.h"
#include "tests/ui/GuiTestSupport.h"

namespace pakmole::test {
namespace {

void Keys(std::initializer_list<std::pair<WORD, bool>> strokes) {
    std::vector<INPUT> inputs;
    for (const auto& [key, down] : strokes) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpFor(100);
}

// A band of rows of the popup whose caption area differs from the bare menu.
struct TextLine {
    int Top = 0, Bottom = 0;
    int Contrast = 0;   // strongest channel difference in the caption area
    int GlyphInk = 0;   // differing pixels in the glyph area left of it
};

class SystemMenuRun : public ::testing::Test {
protected:
    void SetUp() override {
        manager = MakeManager();
        manager->SetSkinName(kInternalSkinName);
        MovePointer(POINT{2, 2});
        program = std::make_unique<PakmoleProcess>(std::vector<std::string>{});
        main = program->MainWindow();
        ASSERT_NE(main, nullptr);
        layout = LayoutWith(*manager, FactsOfWindow(main, TsFrameStyle::fsSingle, true));
        SetForegroundWindow(main);
        PumpFor(200);
    }
    void TearDown() override {
        if (program && program->FindWindowOfClass("#32768")) Keys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
        if (main && IsWindow(main)) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) {
            EXPECT_EQ(program->WaitForExit(10000), 0);
        }
    }
    HWND WaitForPopup() {
        HWND popup = nullptr;
        PumpUntil([&] { return (popup = program->FindWindowOfClass("#32768")) != nullptr; }, 3000);
        PumpFor(300);  // its items are painted
        return popup;
    }
    POINT IconCentre() const {
        RECT w;
        GetWindowRect(main, &w);
        return POINT{w.left + (layout.IconRect.Left + layout.IconRect.Right) / 2,
                     w.top + (layout.IconRect.Top + layout.IconRect.Bottom) / 2};
    }
    // The lines of text of the open popup, top to bottom.
    std::vector<TextLine> TextLines(HWND popup, const TBitmap32& seen) const {
        RECT r;
        GetWindowRect(popup, &r);
        const TBitmap32 bare = SkinSectionPicture(*manager, "MAINMENU", r.right - r.left, r.bottom - r.top,
                                                  POINT{0, 0}, 0, manager->Palette()[pcMainColor]);
        std::vector<TextLine> lines;
        bool inLine = false;
        for (int y = 3; y < seen.Height() - 3; ++y) {
            int contrast = 0, glyph = 0;
            for (int x = 3; x < seen.Width() - 3; ++x) {
                int most = 0;
                for (int shift : {0, 8, 16})
                    most = std::max(most, std::abs(int((seen.Pixel(x, y) >> shift) & 0xFF) -
                                                   int((bare.Pixel(x, y) >> shift) & 0xFF)));
                if (x >= 32) contrast = std::max(contrast, most);
                else if (x < 24 && most > 12) ++glyph;
            }
            // A separator's line is one or two rows; a caption is taller.
            if (contrast > 12) {
                if (!inLine) lines.push_back(TextLine{y, y + 1, 0, 0});
                inLine = true;
                lines.back().Bottom = y + 1;
                lines.back().Contrast = std::max(lines.back().Contrast, contrast);
                lines.back().GlyphInk += glyph;
            } else {
                inLine = false;
            }
        }
        lines.erase(std::remove_if(lines.begin(), lines.end(), [](const TextLine& l) { return l.Bottom - l.Top <= 2; }),
                    lines.end());
        return lines;
    }

    RecordingApplication app;
    ComponentPtr<TsSkinManager> manager;
    std::unique_ptr<PakmoleProcess> program;
    HWND main = nullptr;
    TsTitleLayout layout;
};

TEST_F(SystemMenuRun, IconClickOpensTheSkinnedMenuWithTheWindowsCommands) {
    ASSERT_TRUE(layout.IconShown);
    MovePointer(IconCentre());
    PressPointer(true);
    PressPointer(false);
    HWND popup = WaitForPopup();
    ASSERT_NE(popup, nullptr);
    RECT w, p;
    GetWindowRect(main, &w);
    GetWindowRect(popup, &p);
    // Dropped from under the icon.
    EXPECT_LE(std::abs(p.left - (w.left + layout.IconRect.Left)), 2);
    EXPECT_LE(std::abs(p.top - (w.top + layout.StripBottom)), 2);
    MovePointer(POINT{2, 2});
    PumpFor(200);
    const TBitmap32 seen = GrabWindow(popup);
    SaveShot(GrabScreen(RECT{w.left - 10, w.top - 10, std::max(w.right, p.right) + 10, std::max(w.bottom, p.bottom) + 10}),
             "menus-sysmenu");
    // The skin's frame around it, where the corners are not cut.
    const int width = p.right - p.left, height = p.bottom - p.top;
    const TBitmap32 bare = SkinSectionPicture(*manager, "MAINMENU", width, height, POINT{0, 0}, 0,
                                              manager->Palette()[pcMainColor]);
    EXPECT_EQ(CountDifferences(seen, bare,
                               [&](int x, int y) {
                                   const bool corner = (x < 3 || x >= width - 3) && (y < 3 || y >= height - 3);
                                   return !corner && std::min({x, y, width - 1 - x, height - 1 - y}) < 3;
                               }),
              0);
    // Restore, Move, Size, Minimize, Close: five lines, no Maximize.
    const std::vector<TextLine> lines = TextLines(popup, seen);
    ASSERT_EQ(lines.size(), 5u);
    // Restore and Size are greyed for this window; Move, Minimize and Close are not.
    const int enabled = std::min({lines[1].Contrast, lines[3].Contrast, lines[4].Contrast});
    EXPECT_LT(lines[0].Contrast * 3, enabled * 2);
    EXPECT_LT(lines[2].Contrast * 3, enabled * 2);
    // The system glyphs: minimize and close have one, move and size none.
    EXPECT_GT(lines[3].GlyphInk, 5);
    EXPECT_GT(lines[4].GlyphInk, 5);
    EXPECT_EQ(lines[1].GlyphInk, 0);
    EXPECT_EQ(lines[2].GlyphInk, 0);

    // Choosing Minimize minimizes the window.
    MovePointer(POINT{p.left + width / 2, p.top + (lines[3].Top + lines[3].Bottom) / 2});
    PressPointer(true);
    PressPointer(false);
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(main) || !IsWindowVisible(main); }, 3000));
    EXPECT_EQ(program->FindWindowOfClass("#32768"), nullptr);
}

TEST_F(SystemMenuRun, AltSpaceAndARightClickOnTheCaptionOpenIt) {
    Keys({{VK_MENU, true}, {VK_SPACE, true}, {VK_SPACE, false}, {VK_MENU, false}});
    HWND popup = WaitForPopup();
    ASSERT_NE(popup, nullptr);
    RECT w, p;
    GetWindowRect(main, &w);
    GetWindowRect(popup, &p);
    EXPECT_LE(std::abs(p.left - (w.left + layout.IconRect.Left)), 2);
    EXPECT_EQ(TextLines(popup, GrabWindow(popup)).size(), 5u);
    Keys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
    EXPECT_TRUE(PumpUntil([&] { return program->FindWindowOfClass("#32768") == nullptr; }, 3000));

    const POINT caption{(w.left + w.right) / 2, w.top + layout.Centre};
    MovePointer(caption);
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(2, click, sizeof(INPUT));
    popup = WaitForPopup();
    ASSERT_NE(popup, nullptr);
    GetWindowRect(popup, &p);
    // At the pointer.
    EXPECT_LE(std::abs(p.left - caption.x), 2);
    EXPECT_LE(std::abs(p.top - caption.y), 2);
    EXPECT_EQ(TextLines(popup, GrabWindow(popup)).size(), 5u);
    Keys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
    EXPECT_TRUE(PumpUntil([&] { return program->FindWindowOfClass("#32768") == nullptr; }, 3000));
    EXPECT_TRUE(IsWindowVisible(main));
}

}  // namespace
}  // namespace pakmole::test
