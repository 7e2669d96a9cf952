// Where a skin-drawn scroll bar puts its arrows, thumb and page areas, which
// part a point hits, and the position a dragged thumb stands for.
#include <gtest/gtest.h>

#include <climits>

#include "skin/controls/adapters/vlScrollBar.h"

namespace pakmole {
namespace {

struct LayoutCase {
    const char* name;
    TScrollState state;
    int length, arrow, minThumb;
    int arrowLength, trackLength;
    bool hasThumb;
    int thumbStart, thumbLength;
};

TEST(ScrollBarGeometry, LayoutOfArrowsAndThumb) {
    const LayoutCase cases[] = {
        // 100 long, arrows of 16: a track of 68; a page of 10 in 100 gives 7, the minimum 8.
        {"top", {0, 99, 10, 0}, 100, 16, 8, 16, 68, true, 16, 8},
        {"bottom (Max - Page + 1)", {0, 99, 10, 90}, 100, 16, 8, 16, 68, true, 76, 8},
        {"middle", {0, 99, 10, 45}, 100, 16, 8, 16, 68, true, 46, 8},
        {"a minimum that is not 0", {100, 199, 10, 145}, 100, 16, 8, 16, 68, true, 46, 8},
        {"long page: proportional thumb", {0, 99, 50, 0}, 100, 16, 8, 16, 68, true, 16, 34},
        {"no page: a thumb as long as an arrow", {0, 100, 0, 50}, 100, 16, 8, 16, 68, true, 42, 16},
        {"position below the range", {0, 99, 10, -5}, 100, 16, 8, 16, 68, true, 16, 8},
        {"position beyond the range", {0, 99, 10, 500}, 100, 16, 8, 16, 68, true, 76, 8},
        {"page covers the whole range", {0, 9, 10, 0}, 100, 16, 8, 16, 68, false, 0, 0},
        {"page larger than the range", {0, 9, 40, 0}, 100, 16, 8, 16, 68, false, 0, 0},
        {"two arrows just fit", {0, 99, 10, 0}, 32, 16, 8, 16, 0, false, 0, 0},
        {"too short for two arrows: half each", {0, 99, 10, 0}, 20, 16, 8, 10, 0, false, 0, 0},
        {"odd length too short", {0, 99, 10, 0}, 31, 16, 8, 15, 1, false, 0, 0},
        {"thumb no shorter than the track", {0, 99, 10, 0}, 40, 16, 8, 16, 8, false, 0, 0},
        {"one pixel of play", {0, 99, 10, 99}, 41, 16, 8, 16, 9, true, 17, 8},
        {"empty bar", {0, 99, 10, 0}, 0, 16, 8, 0, 0, false, 0, 0},
        {"whole 32-bit range", {INT_MIN, INT_MAX, 0, 0}, 100, 16, 8, 16, 68, true, 42, 16},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TScrollBarLayout l = LayoutScrollBar(c.state, c.length, c.arrow, c.minThumb);
        EXPECT_EQ(l.ArrowLength, c.arrowLength);
        EXPECT_EQ(l.TrackStart, c.arrowLength);
        EXPECT_EQ(l.TrackLength, c.trackLength);
        EXPECT_EQ(l.HasThumb, c.hasThumb);
        if (!c.hasThumb) continue;
        EXPECT_EQ(l.ThumbStart, c.thumbStart);
        EXPECT_EQ(l.ThumbLength, c.thumbLength);
    }
}

TEST(ScrollBarGeometry, PartUnderAPoint) {
    const TScrollBarLayout withThumb = LayoutScrollBar({0, 99, 10, 45}, 100, 16, 8);  // thumb 46..54
    const TScrollBarLayout noThumb = LayoutScrollBar({0, 9, 10, 0}, 100, 16, 8);
    const struct {
        const TScrollBarLayout* layout;
        int along;
        TScrollPart part;
    } cases[] = {
        {&withThumb, -1, spNone},         {&withThumb, 0, spFirstArrow},   {&withThumb, 15, spFirstArrow},
        {&withThumb, 16, spPageBefore},   {&withThumb, 45, spPageBefore},  {&withThumb, 46, spThumb},
        {&withThumb, 53, spThumb},        {&withThumb, 54, spPageAfter},   {&withThumb, 83, spPageAfter},
        {&withThumb, 84, spSecondArrow},  {&withThumb, 99, spSecondArrow}, {&withThumb, 100, spNone},
        // Without a thumb there are no page areas: only the arrows answer.
        {&noThumb, 15, spFirstArrow},     {&noThumb, 16, spNone},          {&noThumb, 50, spNone},
        {&noThumb, 83, spNone},           {&noThumb, 84, spSecondArrow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.along);
        EXPECT_EQ(ScrollPartAt(*c.layout, c.along), c.part);
    }
}

TEST(ScrollBarGeometry, DraggedThumbPosition) {
    const struct {
        const char* name;
        TScrollState state;
        int thumbStart;
        int position;
    } cases[] = {
        {"at the track's start", {0, 99, 10, 0}, 16, 0},
        {"at the track's end", {0, 99, 10, 0}, 76, 90},
        {"halfway", {0, 99, 10, 0}, 46, 45},
        {"one pixel on", {0, 99, 10, 0}, 17, 2},
        {"before the track", {0, 99, 10, 0}, -10, 0},
        {"beyond the track", {0, 99, 10, 0}, 200, 90},
        {"a minimum that is not 0", {100, 199, 10, 100}, 46, 145},
        {"no page: up to Max itself", {0, 100, 0, 0}, 68, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TScrollBarLayout l = LayoutScrollBar(c.state, 100, 16, 8);
        EXPECT_EQ(ThumbPosition(c.state, l, c.thumbStart), c.position);
    }
    // Every position's thumb place leads back to that position.
    const TScrollState wide{0, 40, 10, 0};
    for (int pos = 0; pos <= MaxScrollPos(wide); ++pos) {
        TScrollState s = wide;
        s.Pos = pos;
        const TScrollBarLayout l = LayoutScrollBar(s, 100, 16, 8);
        EXPECT_EQ(ThumbPosition(s, l, l.ThumbStart), pos) << pos;
    }
}

}  // namespace
}  // namespace pakmole
