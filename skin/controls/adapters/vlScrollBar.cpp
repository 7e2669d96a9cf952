#include "skin/controls/adapters/vlScrollBar.h"

#include <algorithm>
#include <cstdint>

namespace pakmole {

namespace {

// Range and the count of thumb places, in 64 bits: Max - Min may not fit in 32.
int64_t Range(const TScrollState& s) { return std::max<int64_t>(0, int64_t{s.Max} - s.Min); }

// a * b / c rounded to nearest for the non-negative values a bar works with.
int64_t MulDiv64(int64_t a, int64_t b, int64_t c) {
    if (c <= 0) return 0;
    return (a * b + c / 2) / c;
}

}  // namespace

int32_t MaxScrollPos(const TScrollState& s) {
    const int64_t top = int64_t{s.Max} - std::max<int64_t>(int64_t{s.Page} - 1, 0);
    return static_cast<int32_t>(std::max<int64_t>(top, s.Min));
}

TScrollBarLayout LayoutScrollBar(const TScrollState& s, int32_t length, int32_t arrowLength, int32_t minThumb) {
    TScrollBarLayout l;
    l.Length = std::max(length, 0);
    l.ArrowLength = std::max(arrowLength, 0);
    if (2 * int64_t{l.ArrowLength} > l.Length) l.ArrowLength = l.Length / 2;
    l.TrackStart = l.ArrowLength;
    l.TrackLength = l.Length - 2 * l.ArrowLength;
    const int64_t range = Range(s);
    const int64_t page = std::max<int64_t>(s.Page, 0);
    int64_t thumb = page == 0 ? l.ArrowLength : MulDiv64(page, l.TrackLength, range + 1);
    thumb = std::max<int64_t>(thumb, page == 0 ? l.ArrowLength : minThumb);
    if (thumb >= l.TrackLength || l.TrackLength <= 0) return l;  // only the arrows answer
    l.HasThumb = true;
    l.ThumbLength = static_cast<int32_t>(thumb);
    const int64_t room = l.TrackLength - thumb;
    const int64_t places = range - std::max<int64_t>(1, page) + 1;
    const int64_t offset = MulDiv64(std::max<int64_t>(int64_t{s.Pos} - s.Min, 0), room, places);
    l.ThumbStart = l.TrackStart + static_cast<int32_t>(std::clamp<int64_t>(offset, 0, room));
    return l;
}

TScrollPart ScrollPartAt(const TScrollBarLayout& l, int32_t along) {
    if (along < 0 || along >= l.Length) return spNone;
    if (along < l.TrackStart) return spFirstArrow;
    if (along >= l.TrackStart + l.TrackLength) return spSecondArrow;
    if (!l.HasThumb) return spNone;
    if (along < l.ThumbStart) return spPageBefore;
    if (along >= l.ThumbStart + l.ThumbLength) return spPageAfter;
    return spThumb;
}

int32_t ThumbPosition(const TScrollState& s, const TScrollBarLayout& l, int32_t thumbStart) {
    if (!l.HasThumb) return s.Pos;
    const int64_t room = l.TrackLength - l.ThumbLength;
    const int64_t offset = std::clamp<int64_t>(int64_t{thumbStart} - l.TrackStart, 0, room);
    // The inverse of the thumb's placement, so a thumb left where it was
    // keeps its position.
    const int64_t places = Range(s) - std::max<int64_t>(1, std::max<int64_t>(s.Page, 0)) + 1;
    const int64_t position = int64_t{s.Min} + MulDiv64(offset, places, room);
    return static_cast<int32_t>(std::clamp<int64_t>(position, s.Min, MaxScrollPos(s)));
}

}  // namespace pakmole
