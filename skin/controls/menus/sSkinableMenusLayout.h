#pragma once
// The arithmetic of skinned popup menus: what kind an item is, how big it
// is, how big the whole popup comes out, and where the pieces of an item lie.
// Portable: text and glyph sizes come in as numbers, so every size can be
// checked without a window.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/MaskData.h"

namespace pakmole {

// The item kinds, with the numbers the drawing event hears.
enum TsMenuItemKind : int { mkTitle = 0, mkSeparator = 1, mkNormal = 2 };

// "-" is a separator; a caption that begins and ends with "-" is a title.
TsMenuItemKind MenuItemKindOf(const std::string& caption);
// The text a title shows: its caption's first part between the dashes.
std::string MenuTitleText(const std::string& caption);
// The text measured for an item: "-" + caption + "-" for a title (as it
// stands), the caption with a tab and the shortcut text for a normal item.
std::string MenuMeasuredText(TsMenuItemKind kind, const std::string& caption, const std::string& shortCutText);

struct TsMenuMetrics {
    int32_t Margin = 2;
    int32_t Spacing = 8;
    int32_t BorderWidth = 3;
};

int32_t MenuItemHeight(TsMenuItemKind kind, int32_t textHeight, int32_t glyphHeight, const TsMenuMetrics& metrics);
// extraLine: the width of the popup's extra line when it counts for this item.
int32_t MenuItemWidth(TsMenuItemKind kind, int32_t textWidth, int32_t glyphWidth, int32_t extraLine,
                      const TsMenuMetrics& metrics);

struct TsMenuItemSize {
    int32_t Width = 0;
    int32_t Height = 0;
    bool BreakBefore = false;  // the item starts a new column
};
struct TsMenuSize {
    int32_t Width = 0;
    int32_t Height = 0;
};
// The popup's size worked out from its items, for when its window is unknown.
TsMenuSize MenuPopupSize(const std::vector<TsMenuItemSize>& items, int32_t borderWidth);

// The width of the skin's own menu frame: the frame mask's default margin,
// 3 when that is not positive, 0 without a mask.
int32_t MenuSkinBorderWidth(bool maskFound, int32_t defaultMargin);

// The glyph side of an item: its own picture, else the menu's pictures, else 16 x 16.
struct TsGlyphSize {
    int32_t Width = 0;
    int32_t Height = 0;
    bool Known() const { return Width > 0 && Height > 0; }
};
TsGlyphSize MenuGlyphSize(TsGlyphSize own, TsGlyphSize parentImages, TsGlyphSize menuImages);

// The strip behind the glyphs.
int32_t MenuGlyphStripWidth(int32_t glyphWidth, const TsMenuMetrics& metrics);

// Horizontal span of a separator's line within an item picture of itemWidth
// (extra line included) whose glyph strip is strip wide.
struct TsSpan {
    int32_t Left = 0;
    int32_t Right = 0;
};
TsSpan MenuSeparatorSpan(int32_t itemWidth, int32_t extraLine, int32_t strip, const TsMenuMetrics& metrics);

// The caption's rectangle in an item picture of width x height; rightToLeft
// puts the glyph area on the right.
TRect32 MenuCaptionRect(int32_t width, int32_t height, int32_t glyphWidth, bool rightToLeft,
                        const TsMenuMetrics& metrics);

// A caption split at its first tab: the part before and the part after
// (empty when there is no tab).
struct TsCaptionParts {
    std::string Left;
    std::string Right;
    bool HasTab = false;
    bool RightAligned = false;  // began with the character 8: right-aligned, six spaces appended
};
TsCaptionParts MenuCaptionParts(const std::string& caption);

// The pieces of the popup's frame that an item copies from the popup picture
// (window coordinates); empty rectangles are not copied.
struct TsMenuFrameBands {
    TRect32 Top;
    TRect32 Left;
    TRect32 Bottom;
    TRect32 Right;
};
// item: the item's rectangle in window coordinates.
TsMenuFrameBands MenuFrameBands(const TRect32& item, int32_t windowWidth, int32_t windowHeight, bool firstItem,
                                bool lastItem, int32_t extraLine, int32_t skinBorderWidth,
                                const TsMenuMetrics& metrics);

}  // namespace pakmole
