// The path of the minimize and restore animations: the target without a
// taskbar button, the steps toward it and back, and where frames go.
#include <gtest/gtest.h>

#include "skin/render/MinimizeMotion.h"

namespace pakmole {
namespace {

TEST(MinimizeMotion, TaskbarEdgeAndTargetWithoutAButton) {
    const TRect32 window{100, 200, 500, 300};  // centre (300, 250)
    const struct {
        const char* name;
        TRect32 taskbar;
        TsTaskbarEdge edge;
        int32_t x, y;
    } cases[] = {
        {"bottom", {0, 760, 1280, 800}, TsTaskbarEdge::teBottom, 300, 760},
        // A bottom bar hanging two pixels off the left edge is still the bottom one.
        {"bottom from -2", {-2, 760, 1282, 802}, TsTaskbarEdge::teBottom, 300, 760},
        {"bottom from -4", {-4, 760, 1284, 804}, TsTaskbarEdge::teBottom, 300, 760},
        {"right", {1240, -2, 1282, 802}, TsTaskbarEdge::teRight, 1240, 250},
        {"right from the top", {1240, 0, 1280, 800}, TsTaskbarEdge::teRight, 1240, 250},
        {"left", {0, 0, 40, 800}, TsTaskbarEdge::teLeft, 40, 250},
        {"top", {0, 0, 1280, 40}, TsTaskbarEdge::teTop, 300, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TaskbarEdgeOf(c.taskbar), c.edge);
        const TRect32 t = FallbackTarget(c.taskbar, window);
        EXPECT_EQ(t.Left, c.x);
        EXPECT_EQ(t.Top, c.y);
        EXPECT_EQ(t.Width(), 0);
        EXPECT_EQ(t.Height(), 0);
    }
}

TEST(MinimizeMotion, TwoHundredMillisecondsTakeThirteenStepsToTheButton) {
    const TRect32 window{100, 200, 500, 300};
    const TRect32 button{600, 760, 760, 800};  // centre (680, 780), 160 x 40
    TsMinimizeMotion m = StartMinimize(window, button, 200, 255);
    EXPECT_EQ(m.Steps, 13);
    EXPECT_DOUBLE_EQ(m.AlphaStep, 21.25);
    int steps = 1;
    while (StepMinimize(m)) ++steps;
    EXPECT_EQ(steps, 13);
    EXPECT_EQ(m.Alpha, 0);
    // The last step lands on the button.
    EXPECT_NEAR(m.Left, 600, 1e-9);
    EXPECT_NEAR(m.Top, 760, 1e-9);
    EXPECT_NEAR(m.Right, 760, 1e-9);
    EXPECT_NEAR(m.Bottom, 800, 1e-9);
    // And restoring walks back to the window at its former alpha.
    int back = 1;
    while (StepRestore(m)) ++back;
    EXPECT_EQ(m.Alpha, 255);
    EXPECT_LE(back, 13);
    EXPECT_NEAR(m.Left + (13 - back) * (m.DeltaX + m.DeltaW), 100, 1e-9);
}

TEST(MinimizeMotion, AlphaFallsByRoundedStepsAndShortTimesTakeOneStep) {
    TsMinimizeMotion m = StartMinimize({0, 0, 100, 100}, {50, 50, 50, 50}, 200, 255);
    const int expected[] = {234, 213, 192, 171, 150, 129, 108, 87, 66, 45, 24, 3, 0};
    for (int alpha : expected) {
        StepMinimize(m);
        EXPECT_EQ(m.Alpha, alpha);
    }
    TsMinimizeMotion quick = StartMinimize({0, 0, 100, 100}, {50, 50, 50, 50}, 10, 200);
    EXPECT_EQ(quick.Steps, 1);
    EXPECT_FALSE(StepMinimize(quick));
    EXPECT_NEAR(quick.Right - quick.Left, 0, 1e-9);
}

TEST(MinimizeMotion, FramesStayCentredOnTheShrinkingRectangle) {
    TsMinimizeMotion m = StartMinimize({100, 200, 500, 300}, {300, 250, 300, 250}, 60, 255);  // 4 steps, no move
    StepMinimize(m);
    // 400 x 100 shrinks by 50 x 12.5 on each side.
    const TsMotionFrame f = FrameOf(m, 400, 100);
    EXPECT_EQ(f.Width, 300);
    EXPECT_EQ(f.Height, 75);
    EXPECT_EQ(f.DrawX, 50);
    EXPECT_EQ(f.DrawY, 12);
    EXPECT_EQ(f.ScreenX, 100);
    EXPECT_EQ(f.ScreenY, 200);
    // A rectangle turned inside out draws nothing.
    m.Right = m.Left - 5;
    EXPECT_EQ(FrameOf(m, 400, 100).Width, 0);
}

}  // namespace
}  // namespace pakmole
