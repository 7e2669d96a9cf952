// The search for a window's taskbar button, on a stand-in of the shell's
// task switch toolbar built in this process, and without any.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>

#include "skin/render/TaskbarButton_win.h"
#include "tests/skin/render_win/StandInTaskbar.h"

namespace pakmole {
namespace {

using test::MakeWindow;
using test::StandInTaskbar;

TEST(TaskbarButton, NoneWithoutTheShellsTaskbar) {
    HWND window = MakeWindow("TaskbarTestWindow", nullptr, 10, 10, 100, 100);
    RECT r{};
    EXPECT_FALSE(FindTaskbarButton(window, r));
    DestroyWindow(window);
}

TEST(TaskbarButton, FoundOnAStandInOfTheTaskSwitchToolbar) {
    std::array<HWND, 4> windows{};
    for (HWND& w : windows) w = MakeWindow("TaskbarTestWindow", nullptr, 10, 10, 100, 100);
    StandInTaskbar taskbar({windows[0], windows[1], windows[2]});
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        RECT found{};
        ASSERT_TRUE(FindTaskbarButton(windows[static_cast<std::size_t>(i)], found));
        const RECT expected = taskbar.ButtonOnScreen(i);
        EXPECT_EQ(found.left, expected.left);
        EXPECT_EQ(found.top, expected.top);
        EXPECT_EQ(found.right, expected.right);
        EXPECT_EQ(found.bottom, expected.bottom);
        EXPECT_GT(found.right, found.left);
    }
    // A window without a button has none.
    RECT none{};
    EXPECT_FALSE(FindTaskbarButton(windows[3], none));
    RECT bar{};
    ASSERT_TRUE(TaskbarRect(bar));
    EXPECT_EQ(bar.top, 760);
    for (HWND w : windows) DestroyWindow(w);
}

}  // namespace
}  // namespace pakmole
