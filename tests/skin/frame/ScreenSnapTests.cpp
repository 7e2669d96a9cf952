// A dragged window lands on the work area's edges within the snapping distance.
#include <gtest/gtest.h>

#include "skin/controls/frame/sScreenSnap.h"

namespace pakmole {
namespace {

TEST(ScreenSnap, SidesWithinTheBufferLandOnTheEdges) {
    const TRect32 area{0, 0, 1024, 738};  // a taskbar of 30 below
    const struct {
        const char* name;
        int32_t x, y;
        int32_t wantX, wantY;
    } cases[] = {
        {"nine from the left", 9, 200, 0, 200},
        {"ten from the left stays", 10, 200, 10, 200},
        {"past the left edge", -9, 200, 0, 200},
        {"nine from the top", 300, 9, 300, 0},
        {"nine from the right", 1024 - 400 - 9, 200, 1024 - 400, 200},
        {"ten from the right stays", 1024 - 400 - 10, 200, 1024 - 400 - 10, 200},
        {"nine from the bottom of the work area", 300, 738 - 300 - 9, 300, 738 - 300},
        {"a corner snaps both ways", 3, 738 - 300 + 4, 0, 738 - 300},
        {"the middle stays", 300, 200, 300, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t x = c.x, y = c.y;
        SnapToEdges(x, y, 400, 300, area, 10);
        EXPECT_EQ(x, c.wantX);
        EXPECT_EQ(y, c.wantY);
    }
}

TEST(ScreenSnap, AWindowNarrowerThanTheBufferTakesTheLeftEdgeLast) {
    // Both edges are near: the left one, tried last, wins.
    int32_t x = 3, y = 100;
    SnapToEdges(x, y, 15, 15, TRect32{0, 0, 20, 400}, 10);
    EXPECT_EQ(x, 0);
}

}  // namespace
}  // namespace pakmole
