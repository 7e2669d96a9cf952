// The frames of a window appearing and vanishing through its picture.
#include <gtest/gtest.h>

#include <vector>

#include "skin/render/WindowAnimationSteps.h"

namespace pakmole {
namespace {

std::vector<int> AlphasOf(const std::vector<TsAnimFrame>& frames) {
    std::vector<int> alphas;
    for (const auto& f : frames) alphas.push_back(f.Alpha);
    return alphas;
}

TEST(WindowAnimationSteps, UnderOneFrameThereAreNoFrames) {
    for (int time : {0, 5, 11, -40}) {
        SCOPED_TRACE(time);
        EXPECT_TRUE(ShowFrames(time, 255, TsAnimMode::amZoom, 400, 300).empty());
        EXPECT_TRUE(HideFrames(time, 255, TsAnimMode::amFading, 400, 300).empty());
    }
}

TEST(WindowAnimationSteps, ShowingZoomsFromThreeQuartersAndReachesFullAlphaAtTheTenthFrame) {
    const auto frames = ShowFrames(120, 255, TsAnimMode::amZoom, 400, 320);
    ASSERT_EQ(frames.size(), 11u);
    // 25.5 per frame, to the nearest integer with ties to even: 25.5 gives 26, 76.5 gives 76.
    EXPECT_EQ(AlphasOf(frames), (std::vector<int>{26, 51, 76, 102, 128, 153, 178, 204, 230, 255, 255}));
    // The first frame: three quarters of the window, centred.
    EXPECT_FALSE(frames[0].Whole);
    EXPECT_EQ(frames[0].Rect.Left, 50);
    EXPECT_EQ(frames[0].Rect.Top, 40);
    EXPECT_EQ(frames[0].Rect.Width(), 300);
    EXPECT_EQ(frames[0].Rect.Height(), 240);
    // Each frame grows by a tenth of the missing quarter on every side ...
    EXPECT_EQ(frames[5].Rect.Left, 25);
    EXPECT_EQ(frames[5].Rect.Width(), 350);
    // ... and the tenth reaches the window's size.
    EXPECT_EQ(frames[9].Rect.Left, 5);
    EXPECT_EQ(frames[10].Rect.Width(), 400);
    EXPECT_EQ(frames[10].Rect.Height(), 320);

    // Half pixels go to the even neighbour as well: an eighth of 100 is 12.5,
    // and a 200-wide window grows by 2.5 a frame from 25.
    const auto half = ShowFrames(120, 255, TsAnimMode::amZoom, 200, 100);
    EXPECT_EQ(half[0].Rect.Top, 12);
    EXPECT_EQ(half[1].Rect.Left, 22);
    EXPECT_EQ(half[3].Rect.Left, 18);
}

TEST(WindowAnimationSteps, FadingShowsTheWholePictureInEveryFrame) {
    const auto frames = ShowFrames(36, 200, TsAnimMode::amFading, 400, 300);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(AlphasOf(frames), (std::vector<int>{67, 133, 200, 200}));
    for (const auto& f : frames) EXPECT_TRUE(f.Whole);
}

TEST(WindowAnimationSteps, HidingFadesInEqualStepsToNothing) {
    const auto fading = HideFrames(36, 255, TsAnimMode::amFading, 400, 300);
    EXPECT_EQ(AlphasOf(fading), (std::vector<int>{170, 85, 0, 0}));
    for (const auto& f : fading) EXPECT_TRUE(f.Whole);

    const auto zoom = HideFrames(36, 255, TsAnimMode::amZoom, 240, 96);
    ASSERT_EQ(zoom.size(), 4u);
    // The first frame is the whole window; each later one an eighth of it
    // over three frames smaller on every side.
    EXPECT_FALSE(zoom[0].Whole);
    EXPECT_EQ(zoom[0].Rect.Left, 0);
    EXPECT_EQ(zoom[0].Rect.Width(), 240);
    EXPECT_EQ(zoom[1].Rect.Left, 10);
    EXPECT_EQ(zoom[1].Rect.Top, 4);
    EXPECT_EQ(zoom[1].Rect.Width(), 220);
    EXPECT_EQ(zoom[3].Rect.Left, 30);
    EXPECT_EQ(zoom[3].Rect.Height(), 72);
}

}  // namespace
}  // namespace pakmole
