// Sizes and places of skinned popup-menu items: kinds from captions, item
// and popup sizes with column breaks, and where a separator, a caption and
// the frame pieces an item copies lie.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/menus/sSkinableMenusLayout.h"

namespace pakmole {
namespace {

constexpr TsMenuMetrics kDefault{2, 8, 3};
constexpr TsMenuMetrics kTight{0, 4, 1};

bool SameRect(const TRect32& a, const TRect32& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

TEST(MenuLayout, CaptionsTellTheItemKindAndTheTitleText) {
    struct Case {
        std::string caption;
        TsMenuItemKind kind;
        std::string title;
    } cases[] = {
        {"-", mkSeparator, ""},         {"-Options-", mkTitle, "Options"}, {"--Big--", mkTitle, "Big"},
        {"-A-B-", mkTitle, "A"},        {"--", mkTitle, ""},               {"-x", mkNormal, "x"},
        {"x-", mkNormal, "x"},          {"", mkNormal, ""},                {"A-B", mkNormal, "A"},
        {"Close", mkNormal, "Close"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MenuItemKindOf(c.caption), c.kind) << c.caption;
        EXPECT_EQ(MenuTitleText(c.caption), c.title) << c.caption;
    }
}

TEST(MenuLayout, MeasuredTextOfEachKind) {
    EXPECT_EQ(MenuMeasuredText(mkNormal, "Close", "Alt+F4"), "Close\tAlt+F4");
    EXPECT_EQ(MenuMeasuredText(mkNormal, "Move", ""), "Move");
    EXPECT_EQ(MenuMeasuredText(mkTitle, "-Skins-", ""), "--Skins--");
    EXPECT_EQ(MenuMeasuredText(mkSeparator, "-", "Ctrl+X"), "");
}

TEST(MenuLayout, ItemHeightsAndWidths) {
    struct Case {
        TsMenuItemKind kind;
        int text, glyph;
        TsMenuMetrics metrics;
        int height;
    } heights[] = {
        {mkSeparator, 13, 16, kDefault, 2},  // a separator is 2 whatever its font
        {mkTitle, 13, 16, kDefault, 20},     // text + 2 margins + 3; the glyph does not count
        {mkNormal, 13, 16, kDefault, 22},    // the glyph is the taller
        {mkNormal, 20, 16, kDefault, 26},    // the text is the taller
        {mkNormal, 13, 16, kTight, 18},
        {mkNormal, 0, 0, kDefault, 6},
    };
    for (const Case& c : heights) EXPECT_EQ(MenuItemHeight(c.kind, c.text, c.glyph, c.metrics), c.height) << c.text;

    struct WidthCase {
        TsMenuItemKind kind;
        int text, glyph, extra;
        TsMenuMetrics metrics;
        int width;
    } widths[] = {
        {mkNormal, 50, 16, 0, kDefault, 96},    // 50 + 2 * 16 + 3 * 2 + 8
        {mkNormal, 50, 16, 32, kDefault, 128},  // the extra line beside it
        {mkTitle, 50, 16, 0, kDefault, 96},
        {mkSeparator, 50, 16, 0, kDefault, 46}, // no text
        {mkNormal, 50, 16, 0, kTight, 86},
    };
    for (const WidthCase& c : widths)
        EXPECT_EQ(MenuItemWidth(c.kind, c.text, c.glyph, c.extra, c.metrics), c.width) << c.text << " " << c.extra;
}

TEST(MenuLayout, PopupSizeAddsColumnsAtBreaks) {
    struct Case {
        const char* what;
        std::vector<TsMenuItemSize> items;
        int border;
        int width, height;
    } cases[] = {
        {"one column", {{96, 22, false}, {80, 22, false}, {60, 2, false}}, 3, 96 + 12 + 6, 46 + 6},
        {"a break starts a second column",
         {{96, 22, false}, {80, 22, false}, {100, 22, true}},
         3,
         96 + 12 + 100 + 12 + 4 + 6,
         44 + 6},
        {"the taller column gives the height",
         {{50, 10, false}, {70, 30, true}, {40, 30, false}, {20, 5, true}},
         2,
         50 + 12 + 70 + 12 + 20 + 12 + 2 * 4 + 4,
         60 + 4},
        {"a break on the first item starts nothing", {{96, 22, true}, {80, 22, false}}, 3, 96 + 12 + 6, 44 + 6},
        {"no items", {}, 3, 6, 6},
    };
    for (const Case& c : cases) {
        const TsMenuSize size = MenuPopupSize(c.items, c.border);
        EXPECT_EQ(size.Width, c.width) << c.what;
        EXPECT_EQ(size.Height, c.height) << c.what;
    }
}

TEST(MenuLayout, SkinBorderAndGlyphSizeFallBack) {
    EXPECT_EQ(MenuSkinBorderWidth(false, 5), 0);
    EXPECT_EQ(MenuSkinBorderWidth(true, 0), 3);
    EXPECT_EQ(MenuSkinBorderWidth(true, -2), 3);
    EXPECT_EQ(MenuSkinBorderWidth(true, 5), 5);

    const TsGlyphSize none{}, own{20, 18}, parent{24, 24}, menu{32, 30};
    struct Case {
        TsGlyphSize own, parent, menu;
        int width, height;
    } cases[] = {
        {own, parent, menu, 20, 18},
        {none, parent, menu, 24, 24},
        {none, none, menu, 32, 30},
        {none, none, none, 16, 16},
        {TsGlyphSize{20, 0}, none, none, 16, 16},  // half a size is no size
    };
    for (const Case& c : cases) {
        const TsGlyphSize g = MenuGlyphSize(c.own, c.parent, c.menu);
        EXPECT_EQ(g.Width, c.width);
        EXPECT_EQ(g.Height, c.height);
    }
    EXPECT_EQ(MenuGlyphStripWidth(16, kDefault), 26);
}

TEST(MenuLayout, SeparatorLineSpan) {
    struct Case {
        int width, extra, strip;
        int left, right;
    } cases[] = {
        {120, 0, 26, 28, 108},   // past the glyph strip, short of the right by 2 margins and the spacing
        {120, 32, 26, 60, 76},   // the extra line moves both ends
        {120, 0, 4, 10, 108},    // a narrow strip: margin and spacing hold the start
        {30, 0, 26, 28, 28},     // too narrow: an empty line, never a reversed one
    };
    for (const Case& c : cases) {
        const TsSpan span = MenuSeparatorSpan(c.width, c.extra, c.strip, kDefault);
        EXPECT_EQ(span.Left, c.left) << c.width << " " << c.extra << " " << c.strip;
        EXPECT_EQ(span.Right, c.right) << c.width << " " << c.extra << " " << c.strip;
    }
}

TEST(MenuLayout, CaptionRectangleAndParts) {
    EXPECT_TRUE(SameRect(MenuCaptionRect(100, 22, 16, false, kDefault), TRect32{28, 3, 100, 20}));
    EXPECT_TRUE(SameRect(MenuCaptionRect(100, 22, 16, true, kDefault), TRect32{0, 3, 72, 20}));
    EXPECT_TRUE(SameRect(MenuCaptionRect(100, 22, 16, false, kTight), TRect32{20, 1, 100, 22}));

    struct Case {
        std::string caption;
        std::string left, right;
        bool tab, rightAligned;
    } cases[] = {
        {"Close\tAlt+F4", "Close", "Alt+F4", true, false},
        {"Plain", "Plain", "", false, false},
        {"\x08Help", "Help      ", "", false, true},
        {"A\tB\tC", "A", "B\tC", true, false},
        {"", "", "", false, false},
    };
    for (const Case& c : cases) {
        const TsCaptionParts parts = MenuCaptionParts(c.caption);
        EXPECT_EQ(parts.Left, c.left) << c.caption;
        EXPECT_EQ(parts.Right, c.right) << c.caption;
        EXPECT_EQ(parts.HasTab, c.tab) << c.caption;
        EXPECT_EQ(parts.RightAligned, c.rightAligned) << c.caption;
    }
}

TEST(MenuLayout, FrameBandsAroundTheFirstMiddleAndLastItems) {
    const TRect32 only{3, 3, 117, 25};
    TsMenuFrameBands b = MenuFrameBands(only, 120, 60, true, true, 0, 3, kDefault);
    EXPECT_TRUE(SameRect(b.Top, TRect32{0, 0, 120, 3}));
    EXPECT_TRUE(SameRect(b.Left, TRect32{0, 0, 3, 60}));
    EXPECT_TRUE(SameRect(b.Bottom, TRect32{0, 25, 120, 60}));
    EXPECT_TRUE(SameRect(b.Right, TRect32{117, 3, 120, 25}));

    // A middle item copies only the band on its right.
    b = MenuFrameBands(TRect32{3, 25, 117, 47}, 120, 60, false, false, 0, 3, kDefault);
    EXPECT_EQ(b.Top.Width() * b.Top.Height(), 0);
    EXPECT_EQ(b.Left.Width() * b.Left.Height(), 0);
    EXPECT_EQ(b.Bottom.Width() * b.Bottom.Height(), 0);
    EXPECT_TRUE(SameRect(b.Right, TRect32{117, 25, 120, 47}));

    // Items flush with the window still get the skin's frame width, and the
    // left band also covers the extra line.
    b = MenuFrameBands(TRect32{0, 0, 120, 22}, 120, 22, true, true, 32, 4, kDefault);
    EXPECT_TRUE(SameRect(b.Top, TRect32{0, 0, 120, 3}));
    EXPECT_TRUE(SameRect(b.Left, TRect32{0, 0, 36, 22}));
    EXPECT_TRUE(SameRect(b.Bottom, TRect32{0, 19, 120, 22}));
    EXPECT_TRUE(SameRect(b.Right, TRect32{117, 0, 120, 22}));
}

}  // namespace
}  // namespace pakmole
