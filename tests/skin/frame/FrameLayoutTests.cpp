// The skinned frame's geometry: title-button rows, icon and caption text
// bounds, and the hit test, for the kinds of windows the program shows.
#include <gtest/gtest.h>

#include <map>

#include "skin/controls/frame/sFrameLayout.h"

namespace pakmole {
namespace {

// The built-in skin's title pictures: 26 x 17 per state, no small ones.
TsTitleMaskInfo Emberline(const std::string& name) {
    static const std::map<std::string, TsTitleMaskInfo> masks = {
        {"BICONCLOSE", {true, 26, 17}}, {"BICONMAX", {true, 26, 17}}, {"BICONNORM", {true, 26, 17}},
        {"BICONMIN", {true, 26, 17}},   {"BICONHELP", {true, 26, 17}}};
    auto it = masks.find(name);
    return it == masks.end() ? TsTitleMaskInfo{} : it->second;
}

// A skin with small pictures for tool windows and a lone close button.
TsTitleMaskInfo WithSmall(const std::string& name) {
    static const std::map<std::string, TsTitleMaskInfo> masks = {
        {"BICONCLOSE", {true, 26, 17}}, {"BICLOSEALONE", {true, 30, 17}}, {"BICONMIN", {true, 26, 17}},
        {"SICONCLOSE", {true, 14, 12}}, {"SICONMIN", {true, 12, 12}},      {"BICONHELP", {true, 20, 17}}};
    auto it = masks.find(name);
    return it == masks.end() ? TsTitleMaskInfo{} : it->second;
}

TsTitleMaskInfo Nothing(const std::string&) { return {}; }

// BISPACE 2, BIRIGHT 1, BILEFT 2, centred buttons, no CAPTION section.
constexpr TsTitleMetrics kMetrics{2, 1, 2, 0, false};

// The program's window: bsSingle with system menu and minimize, 459 x 84
// client pixels in a 3-pixel dialog frame under a 19-pixel caption.
TsFrameFacts MainWindow() {
    TsFrameFacts f;
    f.Width = 465;
    f.Height = 109;
    f.Style = TsFrameStyle::fsSingle;
    f.Maximize = false;
    f.MainForm = true;
    f.FrameWidth = 3;
    f.CaptionHeight = 19;
    return f;
}

TsFrameFacts Sizeable() {
    TsFrameFacts f;
    f.Width = 300;
    f.Height = 200;
    f.Style = TsFrameStyle::fsSizeable;
    f.ThickFrame = true;
    f.FrameWidth = 4;
    f.CaptionHeight = 19;
    return f;
}

TsFrameFacts Dialog() {
    TsFrameFacts f;
    f.Width = 200;
    f.Height = 120;
    f.Style = TsFrameStyle::fsDialog;
    f.FrameWidth = 3;
    f.CaptionHeight = 19;
    return f;
}

void ExpectRect(const TRect32& r, TRect32 want, const char* what) {
    EXPECT_EQ(r.Left, want.Left) << what;
    EXPECT_EQ(r.Top, want.Top) << what;
    EXPECT_EQ(r.Right, want.Right) << what;
    EXPECT_EQ(r.Bottom, want.Bottom) << what;
}

struct ButtonCase {
    const char* name;
    TsFrameFacts facts;
    TsTitleMaskLookup masks;
    TsTitleMetrics metrics;
    std::array<const char*, tbCount> maskNames;  // "" when not shown
    std::array<TRect32, tbCount> rects;
    TRect32 icon;
    bool iconShown;
    int32_t textLeft, textRight;
};

TsFrameFacts Maximized(TsFrameFacts f) {
    f.State = TsFrameState::wsMaximized;
    return f;
}
TsFrameFacts WithHelp(TsFrameFacts f) {
    f.Help = true;
    return f;
}
TsFrameFacts Tool(TsFrameFacts f) {
    f.Style = TsFrameStyle::fsToolWindow;
    f.CaptionHeight = 15;
    return f;
}
TsFrameFacts IconicChild(TsFrameFacts f) {
    f.State = TsFrameState::wsMinimized;
    f.MainForm = false;
    return f;
}

TEST(CaptionLayout, ButtonRowsIconAndText) {
    const TRect32 none{};
    const ButtonCase cases[] = {
        // Close and minimize only: the maximize button takes no place in the row.
        {"main window", MainWindow(), Emberline, kMetrics, {"BICONCLOSE", "", "BICONMIN", ""},
         {TRect32{435, 2, 461, 19}, none, TRect32{407, 2, 433, 19}, none}, {5, 2, 21, 18}, true, 25, 396},
        {"sizeable", Sizeable(), Emberline, kMetrics, {"BICONCLOSE", "BICONMAX", "BICONMIN", ""},
         {TRect32{269, 3, 295, 20}, TRect32{241, 3, 267, 20}, TRect32{213, 3, 239, 20}, none}, {6, 3, 22, 19}, true,
         26, 203},
        // Maximized: the restore picture and the caption two pixels lower.
        {"sizeable maximized", Maximized(Sizeable()), Emberline, kMetrics, {"BICONCLOSE", "BICONNORM", "BICONMIN", ""},
         {TRect32{269, 5, 295, 22}, TRect32{241, 5, 267, 22}, TRect32{213, 5, 239, 22}, none}, {6, 5, 22, 21}, true,
         26, 203},
        // Help sits six pixels left of the row.
        {"sizeable with help", WithHelp(Sizeable()), Emberline, kMetrics,
         {"BICONCLOSE", "BICONMAX", "BICONMIN", "BICONHELP"},
         {TRect32{269, 3, 295, 20}, TRect32{241, 3, 267, 20}, TRect32{213, 3, 239, 20}, TRect32{179, 3, 205, 20}},
         {6, 3, 22, 19}, true, 26, 175},
        {"sizeable, buttons at the top", Sizeable(), Emberline, TsTitleMetrics{2, 1, 2, 1, false},
         {"BICONCLOSE", "BICONMAX", "BICONMIN", ""},
         {TRect32{269, 0, 295, 17}, TRect32{241, 0, 267, 17}, TRect32{213, 0, 239, 17}, none}, {6, 3, 22, 19}, true,
         26, 203},
        // A dialog: no icon, close alone, the skin has no picture for a lone close.
        {"dialog", Dialog(), Emberline, kMetrics, {"BICONCLOSE", "", "", ""}, {TRect32{170, 2, 196, 19}, none, none, none},
         {5, 10, 5, 10}, false, 9, 161},
        {"dialog, lone close picture", Dialog(), WithSmall, kMetrics, {"SICONCLOSE", "", "", ""},
         {TRect32{182, 4, 196, 16}, none, none, none}, {5, 10, 5, 10}, false, 9, 173},
        {"dialog, CAPTION section", Dialog(), Emberline, TsTitleMetrics{2, 1, 2, 0, true}, {"BICONCLOSE", "", "", ""},
         {TRect32{170, 2, 196, 19}, none, none, none}, {5, 10, 5, 10}, false, 11, 161},
        // Tool windows without small pictures in the skin fall back to the big ones, no gap.
        {"tool window", Tool(Sizeable()), Emberline, kMetrics, {"BICONCLOSE", "", "", ""},
         {TRect32{269, 1, 295, 18}, none, none, none}, {6, 9, 6, 9}, false, 10, 261},
        {"tool window, small pictures", Tool(Sizeable()), WithSmall, kMetrics, {"SICONCLOSE", "", "", ""},
         {TRect32{281, 3, 295, 15}, none, none, none}, {6, 9, 6, 9}, false, 10, 273},
        // A skin without title pictures: 21 x 21 buttons.
        {"no pictures", MainWindow(), Nothing, kMetrics, {"BICONCLOSE", "", "BICONMIN", ""},
         {TRect32{440, 0, 461, 21}, none, TRect32{417, 0, 438, 21}, none}, {5, 2, 21, 18}, true, 25, 406},
        // A minimized form that is not the main one: every box shows, minimize restores.
        {"iconic child", IconicChild(Sizeable()), Emberline, kMetrics, {"BICONCLOSE", "BICONMAX", "BICONNORM", ""},
         {TRect32{269, 3, 295, 20}, TRect32{241, 3, 267, 20}, TRect32{213, 3, 239, 20}, none}, {6, 3, 22, 19}, true,
         26, 203},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TsTitleLayout l = LayoutCaption(c.facts, c.metrics, c.masks);
        for (int i = 0; i < tbCount; ++i) {
            const bool shown = *c.maskNames[i] != '\0';
            EXPECT_EQ(l.Buttons[i].Shown, shown) << "button " << i;
            if (!shown) continue;
            EXPECT_EQ(l.Buttons[i].MaskName, c.maskNames[i]) << "button " << i;
            ExpectRect(l.Buttons[i].Rect, c.rects[i], "button");
        }
        EXPECT_EQ(l.IconShown, c.iconShown);
        ExpectRect(l.IconRect, c.icon, "icon");
        EXPECT_EQ(l.TextRect.Left, c.textLeft);
        EXPECT_EQ(l.TextRect.Right, c.textRight);
    }
}

// The form's own buttons: right to left after the system ones, the row
// moved left by 6 once, each "TITLEBUTTON" wide (21 without the picture) and
// as high as the close picture, big-button gaps between them; the caption's
// right bound counts them too. A hidden one takes no place, a disabled one
// answers as caption.
TEST(CaptionLayout, UserButtonsFollowTheSystemButtons) {
    TsFrameFacts f = Sizeable();
    f.UserButtons = {{true, true}, {false, true}, {true, false}};
    const auto withTitleButton = [](const std::string& name) {
        return name == "TITLEBUTTON" ? TsTitleMaskInfo{true, 18, 15} : Emberline(name);
    };
    const struct {
        const char* name;
        TsTitleMaskLookup masks;
        TRect32 first, third;
        int32_t textRight;
    } cases[] = {
        // Minimize ends at 213: x = 211, less 6 = 205.
        {"no picture", Emberline, TRect32{184, 3, 205, 20}, TRect32{161, 3, 182, 20}, 300 - (85 + 6 + 2 * 23) - 12},
        {"skin's picture", withTitleButton, TRect32{187, 3, 205, 20}, TRect32{167, 3, 185, 20},
         300 - (85 + 6 + 2 * 20) - 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TsTitleLayout l = LayoutCaption(f, kMetrics, c.masks);
        ASSERT_EQ(l.UserButtons.size(), 3u);
        EXPECT_EQ(l.UserButtons[0].MaskName, "TITLEBUTTON");
        EXPECT_TRUE(l.UserButtons[0].Shown);
        EXPECT_FALSE(l.UserButtons[1].Shown);
        EXPECT_TRUE(l.UserButtons[2].Shown);
        ExpectRect(l.UserButtons[0].Rect, c.first, "first");
        ExpectRect(l.UserButtons[2].Rect, c.third, "third");
        EXPECT_EQ(l.TextRect.Right, c.textRight);
        EXPECT_EQ(FrameHitTest(l, f, c.first.Left + 2, 10), hcFirstUserButton);
        EXPECT_EQ(FrameHitTest(l, f, c.third.Left + 2, 10), hcCaption);
        TsFrameFacts enabled = f;
        enabled.UserButtons[2].Enabled = true;
        EXPECT_EQ(FrameHitTest(l, enabled, c.third.Left + 2, 10), hcFirstUserButton + 2);
        EXPECT_EQ(TitleButtonOfHit(hcFirstUserButton + 2), tbCount + 2);
    }
    // Without user buttons nothing moves.
    EXPECT_EQ(LayoutCaption(Sizeable(), kMetrics, Emberline).TextRect.Right, 203);
}

TEST(CaptionLayout, LoneCloseTakesItsOwnPictureWhenTheSkinHasOne) {
    TsFrameFacts f = MainWindow();
    f.Minimize = false;
    const TsTitleLayout l = LayoutCaption(f, kMetrics, WithSmall);
    EXPECT_EQ(l.Buttons[tbClose].MaskName, "BICLOSEALONE");
    ExpectRect(l.Buttons[tbClose].Rect, {431, 2, 461, 19}, "close");
    EXPECT_FALSE(l.Buttons[tbMin].Shown);
}

TEST(CaptionLayout, IconSizeFollowsTheCaptionUnlessSet) {
    struct Case {
        int32_t caption, iconW, iconH, wantW, wantH;
    } cases[] = {{8, 0, 0, 1, 1}, {9, 0, 0, 8, 8}, {16, 0, 0, 8, 8}, {17, 0, 0, 16, 16}, {30, 0, 0, 16, 16},
                 {19, 24, 12, 24, 12}};
    for (const Case& c : cases) {
        TsFrameFacts f = MainWindow();
        f.CaptionHeight = c.caption;
        f.IconWidth = c.iconW;
        f.IconHeight = c.iconH;
        const TsTitleLayout l = LayoutCaption(f, kMetrics, Emberline);
        EXPECT_EQ(l.IconRect.Width(), c.wantW) << c.caption;
        EXPECT_EQ(l.IconRect.Height(), c.wantH) << c.caption;
    }
    TsFrameFacts noIcon = MainWindow();
    noIcon.IconWanted = false;
    const TsTitleLayout l = LayoutCaption(noIcon, kMetrics, Emberline);
    EXPECT_FALSE(l.IconShown);
    EXPECT_EQ(l.TextRect.Left, 9);
}

struct HitCase {
    int32_t x, y, code;
};

void ExpectHits(const TsFrameFacts& f, std::initializer_list<HitCase> cases, const TRect32& grip = {}) {
    const TsTitleLayout l = LayoutCaption(f, kMetrics, Emberline);
    for (const HitCase& c : cases) EXPECT_EQ(FrameHitTest(l, f, c.x, c.y, grip), c.code) << c.x << "," << c.y;
}

TEST(CaptionAlignment, RightAndCentredCaptionsWithinTheTextBounds) {
    // Text bounds 30 to 230 (200 wide): right-aligned text ends there with 4
    // pixels to spare; centred text takes half of what is left of the room.
    const struct {
        TsCaptionAlign align;
        int32_t text, added;
        int32_t left, right;
    } cases[] = {
        {TsCaptionAlign::caLeft, 100, 0, 30, 230},
        {TsCaptionAlign::caRight, 100, 0, 126, 230},     // 230 - (100 + 4)
        {TsCaptionAlign::caRight, 100, 40, 86, 230},     // the added title comes after it
        {TsCaptionAlign::caRight, 250, 0, 30, 230},      // too wide: from the left as usual
        {TsCaptionAlign::caCenter, 100, 0, 78, 178},     // 30 + (200 - 104) div 2, then the text's width
        {TsCaptionAlign::caCenter, 100, 40, 58, 158},
        {TsCaptionAlign::caCenter, 250, 0, 30, 230},     // never left of the bounds, never past them
        {TsCaptionAlign::caCenter, 197, 0, 30, 227},     // (200 - 201) div 2 is 0 (truncated)
    };
    for (const auto& c : cases) {
        const TsCaptionSpan span = AlignCaption(30, 230, c.text, c.added, c.align);
        EXPECT_EQ(span.Left, c.left) << static_cast<int>(c.align) << " " << c.text << " " << c.added;
        EXPECT_EQ(span.Right, c.right) << static_cast<int>(c.align) << " " << c.text << " " << c.added;
    }
}

TEST(FrameHitTest, MainWindow) {
    ExpectHits(MainWindow(), {
        {435, 2, hcClose}, {460, 18, hcClose}, {461, 10, hcCaption}, {434, 10, hcCaption}, {433, 10, hcCaption}, {432, 10, hcMinButton},
        {407, 10, hcMinButton}, {406, 10, hcCaption},
        // Where the platform puts its own (greyed) maximize button: only caption.
        {400, 10, hcCaption}, {380, 8, hcCaption},
        {5, 2, hcSysMenu}, {20, 17, hcSysMenu}, {21, 10, hcCaption}, {4, 10, hcCaption},
        {200, 0, hcCaption}, {200, 21, hcCaption}, {200, 22, hcClient},
        // A frame that cannot be sized is a plain border on every side.
        {0, 50, hcBorder}, {2, 50, hcBorder}, {3, 50, hcClient}, {464, 50, hcBorder}, {461, 50, hcClient},
        {462, 50, hcBorder}, {200, 108, hcBorder}, {200, 106, hcBorder}, {200, 105, hcClient}, {0, 0, hcBorder}});
}

TEST(FrameHitTest, SizeableEdgesAndCorners) {
    ExpectHits(Sizeable(), {
        {0, 0, hcTopLeft}, {3, 3, hcTopLeft}, {299, 0, hcTopRight}, {296, 3, hcTopRight}, {0, 199, hcBottomLeft},
        {299, 199, hcBottomRight}, {150, 0, hcTop}, {150, 3, hcTop}, {150, 4, hcCaption}, {150, 199, hcBottom},
        {150, 196, hcBottom}, {150, 195, hcClient}, {0, 100, hcLeft}, {3, 100, hcLeft}, {4, 100, hcClient},
        {299, 100, hcRight}, {296, 100, hcRight}, {295, 100, hcClient},
        {280, 10, hcClose}, {250, 10, hcMaxButton}, {220, 10, hcMinButton}, {10, 10, hcSysMenu}});
    // Maximized: no sizing edges; the restore button answers as maximize.
    ExpectHits(Maximized(Sizeable()), {{150, 0, hcCaption}, {0, 100, hcBorder}, {250, 10, hcMaxButton}});
    // The size grip of the client area.
    ExpectHits(Sizeable(), {{290, 190, hcBottomRight}, {280, 190, hcClient}}, TRect32{284, 184, 296, 196});
}

TEST(FrameHitTest, DialogAndDisabledButtons) {
    ExpectHits(Dialog(), {{180, 10, hcClose}, {10, 10, hcCaption}, {150, 10, hcCaption}, {0, 60, hcBorder}});
    // A maximize button of a window that may not maximize is only caption; a
    // minimize button of a window that may not minimize likewise.
    TsFrameFacts child = Sizeable();
    child.MdiChild = true;
    child.Maximize = false;
    child.Minimize = false;
    ExpectHits(child, {{250, 10, hcCaption}, {220, 10, hcCaption}, {280, 10, hcClose}});
    // An iconic child's minimize (showing restore) answers as minimize.
    ExpectHits(IconicChild(Sizeable()), {{220, 10, hcMinButton}, {250, 10, hcMaxButton}});
    // A menu band under the caption.
    TsFrameFacts menu = Sizeable();
    menu.MenuHeight = 18;
    ExpectHits(menu, {{150, 22, hcCaption}, {150, 23, hcMenu}, {150, 40, hcMenu}, {150, 41, hcClient}});
}

TEST(SysMenuRules, WhatEachWindowShowsAndAllows) {
    struct Case {
        const char* name;
        TsFrameFacts facts;
        TsSysMenuRules want;
    };
    TsFrameFacts noSysMenu = Sizeable();
    noSysMenu.SystemMenu = false;
    TsFrameFacts noCloseItem = MainWindow();
    noCloseItem.SysMenuHasClose = false;
    TsFrameFacts iconicMain = MainWindow();
    iconicMain.State = TsFrameState::wsMinimized;
    const Case cases[] = {
        {"main window", MainWindow(), {true, false, true, false, true, false}},
        {"sizeable", Sizeable(), {true, true, true, true, true, false}},
        {"maximized", Maximized(Sizeable()), {true, true, true, true, true, true}},
        {"dialog", Dialog(), {true, false, false, false, true, false}},
        {"tool window", Tool(Sizeable()), {true, false, false, false, true, false}},
        {"no system menu", noSysMenu, {false, false, false, true, true, false}},
        {"no close item", noCloseItem, {false, false, true, false, true, false}},
        // Iconic: the boxes always show; only the main form may still minimize.
        {"iconic main", iconicMain, {true, true, true, false, true, true}},
        {"iconic child", IconicChild(Sizeable()), {true, true, true, true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TsSysMenuRules r = SysMenuRulesOf(c.facts);
        EXPECT_EQ(r.VisibleClose, c.want.VisibleClose);
        EXPECT_EQ(r.VisibleMax, c.want.VisibleMax);
        EXPECT_EQ(r.VisibleMin, c.want.VisibleMin);
        EXPECT_EQ(r.EnabledMax, c.want.EnabledMax);
        EXPECT_EQ(r.EnabledMin, c.want.EnabledMin);
        EXPECT_EQ(r.EnabledRestore, c.want.EnabledRestore);
    }
}

TEST(FrameMetrics, FrameAndCaptionSizes) {
    EXPECT_EQ(FrameWidthOf(true, true, 4, 3), 4);
    EXPECT_EQ(FrameWidthOf(false, true, 4, 3), 3);
    EXPECT_EQ(FrameWidthOf(false, false, 4, 3), 0);
    EXPECT_EQ(CaptionHeightOf(true, false, TsFrameStyle::fsSingle, 19, 15), 19);
    EXPECT_EQ(CaptionHeightOf(true, false, TsFrameStyle::fsToolWindow, 19, 15), 15);
    EXPECT_EQ(CaptionHeightOf(true, false, TsFrameStyle::fsSizeToolWin, 19, 15), 15);
    EXPECT_EQ(CaptionHeightOf(true, true, TsFrameStyle::fsToolWindow, 19, 15), 19);
    EXPECT_EQ(CaptionHeightOf(false, false, TsFrameStyle::fsSingle, 19, 15), 0);
    EXPECT_EQ(CaptionHeightOf(false, true, TsFrameStyle::fsNone, 19, 15), 19);
}

}  // namespace
}  // namespace pakmole
