#pragma once
// The geometry of a scroll bar that the skin draws itself: where its arrows,
// page areas and thumb lie along the bar for a scroll state, which part a
// point falls on, and which position a dragged thumb stands for. Portable:
// the window side (vlScrollWnd) feeds it the platform's scroll information.
#include <cstdint>

namespace pakmole {

// Parts of a bar; the values are also the scroll codes sent for them.
enum TScrollPart : int {
    spNone = -1,
    spFirstArrow = 0,   // SB_LINEUP / SB_LINELEFT
    spSecondArrow = 1,  // SB_LINEDOWN / SB_LINERIGHT
    spPageBefore = 2,   // SB_PAGEUP
    spPageAfter = 3,    // SB_PAGEDOWN
    spThumb = 5,        // SB_THUMBTRACK
};

// The platform's scroll information, as far as the geometry reads it.
struct TScrollState {
    int32_t Min = 0;
    int32_t Max = 100;
    int32_t Page = 0;
    int32_t Pos = 0;
};

// Offsets along the bar, from its start; ends are exclusive.
struct TScrollBarLayout {
    int32_t Length = 0;
    int32_t ArrowLength = 0;
    int32_t TrackStart = 0;
    int32_t TrackLength = 0;
    bool HasThumb = false;
    int32_t ThumbStart = 0;  // from the bar's start
    int32_t ThumbLength = 0;
};

// Lays out a bar of the given length. arrowLength: the arrows' length when
// two of them fit (else each takes half the bar); minThumb: the shortest thumb.
TScrollBarLayout LayoutScrollBar(const TScrollState& state, int32_t length, int32_t arrowLength, int32_t minThumb);
// The part under an offset along the bar (spNone outside it).
TScrollPart ScrollPartAt(const TScrollBarLayout& layout, int32_t along);
// The highest position the platform lets a bar take: Max - (Page - 1) with a page.
int32_t MaxScrollPos(const TScrollState& state);
// The position a thumb whose start lies at along (from the bar's start) stands
// for: the thumb is clamped to the track, the answer to the positions the
// platform allows.
int32_t ThumbPosition(const TScrollState& state, const TScrollBarLayout& layout, int32_t thumbStart);

}  // namespace pakmole
