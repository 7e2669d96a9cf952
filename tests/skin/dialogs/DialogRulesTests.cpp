// The rules of skinned platform dialogs, natively: which adapter each child
// window gets, the border kind a dialog's styles make, where its title
// buttons lie and which items of its system menu show and work.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "skin/controls/dialogs/vlDialogCaption.h"
#include "skin/controls/dialogs/vlDialogChildTable.h"
#include "skin/controls/dialogs/vlDialogRules.h"

namespace pakmole {
namespace {

// The platform's style bits, spelled out for the tables.
constexpr uint32_t kPopup = 0x80000000u, kChild = 0x40000000u, kCaption = 0x00C00000u, kBorder = 0x00800000u,
                   kSysMenu = 0x00080000u, kThickFrame = 0x00040000u, kMinBox = 0x00020000u, kMaxBox = 0x00010000u,
                   kModalFrame = 0x80u;
constexpr uint32_t kExStaticEdge = 0x00020000u, kExContextHelp = 0x400u;

TEST(DialogChildTable, ChoosesTheAdapterAndSectionByClassAndStyle) {
    using A = TvlChildAdapter;
    const struct {
        const char* cls;
        uint32_t style, exStyle;
        bool visible;
        A adapter;
        const char* section;
        bool dialogMode;
    } cases[] = {
        {"Static", 0x0, 0, true, A::Static, "CHECKBOX", false},           // SS_LEFT
        {"STATIC", 0x1, 0, true, A::Static, "CHECKBOX", false},           // SS_CENTER
        {"Static", 0x3, 0, true, A::Icon, "CHECKBOX", false},             // SS_ICON
        {"Static", 0xE, 0, true, A::Icon, "CHECKBOX", false},             // SS_BITMAP
        {"Static", 0x3, kExStaticEdge, true, A::Edge, "EDIT", false},     // an icon with an edge
        {"Static", 0x0, kExStaticEdge, true, A::Static, "CHECKBOX", false},
        {"Static", 0xB, 0, true, A::None, "", false},                     // SS_SIMPLE
        {"Static", 0xD, 0, true, A::None, "", false},                     // SS_OWNERDRAW
        {"Static", 0x5, 0, true, A::None, "", false},                     // SS_GRAYRECT
        {"Static", 0x6, 0, true, A::None, "", false},                     // SS_WHITERECT
        {"#32770", kChild, 0, true, A::TransPanel, "CHECKBOX", false},
        {"SHBrowseForFolder", 0, 0, true, A::TransPanel, "CHECKBOX", false},
        {"TPanel", 0, 0, true, A::Panel, "CHECKBOX", false},
        {"TSilentPaintPanel", 0, 0, true, A::Panel, "GROUPBOX", false},
        {"Edit", 0, 0, true, A::Edit, "EDIT", true},
        {"Edit", 0, 0, false, A::None, "", false},
        {"Button", 0x7, 0, true, A::GroupBox, "GROUPBOX", false},
        {"Button", 0x2, 0, true, A::CheckBox, "CHECKBOX", false},
        {"Button", 0x3, 0, true, A::CheckBox, "CHECKBOX", false},
        {"Button", 0x4, 0, true, A::CheckBox, "CHECKBOX", false},
        {"Button", 0x5, 0, true, A::CheckBox, "CHECKBOX", false},
        {"Button", 0x6, 0, true, A::CheckBox, "CHECKBOX", false},
        {"Button", 0x9, 0, true, A::CheckBox, "CHECKBOX", false},
        {"Button", 0x0, 0, true, A::Button, "BUTTON", false},
        {"Button", 0x1, 0, true, A::Button, "BUTTON", false},             // the default push button
        {"Button", 0xB, 0, true, A::Button, "BUTTON", false},             // owner-drawn
        {"ComboBox", 0, 0, true, A::ComboBox, "COMBOBOX", false},
        {"ComboBoxEx32", 0, 0, true, A::ComboBox, "COMBOBOX", false},
        {"ComboLBox", 0, 0, true, A::ComboList, "COMBOBOX", false},
        {"ScrollBar", 0x10, 0, true, A::Sizer, "CHECKBOX", false},
        {"ScrollBar", 0x1, 0, true, A::None, "", false},
        {"SysTabControl32", 0, 0, true, A::TabControl, "PAGECONTROL", false},
        {"SysTabControl32", 0x2000, 0, true, A::None, "", false},
        {"SysListView32", 0, 0, true, A::ListView, "EDIT", true},
        {"msctls_updown32", 0, 0, true, A::Spin, "SPEEDBUTTON_SMALL", false},
        {"msctls_trackbar32", 0, 0, true, A::Track, "TRACKBAR", false},
        {"ListBox", 0, 0, true, A::Edit, "EDIT", true},
        {"Link Window", 0, 0, true, A::Link, "CHECKBOX", false},
        {"SysLink", 0, 0, true, A::Link, "CHECKBOX", false},
        {"ToolbarWindow32", 0x200, 0, true, A::ToolBar, "BAR", false},
        {"ToolbarWindow32", 0x800, 0, true, A::ToolBar, "CHECKBOX", false},
        {"SysTreeView32", 0, 0, true, A::TreeView, "EDIT", true},
        {"msctls_progress32", 0, 0, true, A::None, "", false},
        {"SHELLDLL_DefView", 0, 0, true, A::None, "", false},
    };
    for (const auto& c : cases) {
        const TvlChildChoice choice = ChildAdapterFor(c.cls, c.style, c.exStyle, c.visible);
        EXPECT_EQ(choice.Adapter, c.adapter) << c.cls << " " << std::hex << c.style;
        EXPECT_EQ(choice.Section, c.section) << c.cls << " " << std::hex << c.style;
        EXPECT_EQ(choice.DialogMode, c.dialogMode) << c.cls;
    }
}

TEST(DialogRules, BorderKindFollowsTheStyles) {
    const struct {
        uint32_t style;
        TvlBorderKind kind;
    } cases[] = {
        {kPopup | kCaption | kSysMenu | kModalFrame, TvlBorderKind::bkDialog},     // a message box
        {kPopup | kCaption | kSysMenu | kThickFrame | kModalFrame, TvlBorderKind::bkSizeable},
        {kPopup | kBorder, TvlBorderKind::bkNone},                                  // a popup without a caption
        {kPopup, TvlBorderKind::bkNone},
        {kCaption | kSysMenu, TvlBorderKind::bkSizeable},                           // neither frame bit
        {kCaption | kModalFrame, TvlBorderKind::bkDialog},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BorderKindOf(DialogStyleOf(c.style, 0, false, false, false)), c.kind) << std::hex << c.style;
}

// A skin's title pictures by name, each of its own size (one state); the
// rest missing.
TsTitleMaskLookup MasksOf(std::vector<std::pair<std::string, TsTitleMaskInfo>> masks) {
    return [masks](const std::string& name) {
        for (const auto& [n, info] : masks)
            if (n == name) return info;
        return TsTitleMaskInfo{};
    };
}

// The big pictures only, as the built-in skin has them.
TsTitleMaskLookup BigMasks() {
    return MasksOf({{"BICONCLOSE", {true, 25, 19}}, {"BICONMAX", {true, 23, 17}}, {"BICONNORM", {true, 23, 17}},
                    {"BICONMIN", {true, 22, 17}}, {"BICONHELP", {true, 21, 15}}});
}

std::string Rect(const TRect32& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

// Skin numbers: button space 2, right margin 1, left margin 3.
constexpr TsTitleMetrics kMetrics{2, 1, 3, 0, false};

TEST(DialogCaption, AMessageBoxShowsOneBigCloseButtonAndTextUpToIt) {
    const TvlDialogStyle s = DialogStyleOf(kPopup | kCaption | kSysMenu | kModalFrame, 0, false, false, false);
    const TvlBorderKind kind = BorderKindOf(s);
    // f = 3 (dialog frame), c = 18, no icon of its own.
    const TvlDialogCaptionFacts f{300, 3, 18, 16, 16, false};
    const TsTitleLayout l = DialogCaptionLayout(s, kind, f, kMetrics, BigMasks());
    EXPECT_TRUE(l.Buttons[tbClose].Shown);
    EXPECT_EQ(l.Buttons[tbClose].MaskName, "BICONCLOSE") << "a skin without small pictures gives the big ones";
    EXPECT_FALSE(l.Buttons[tbMin].Shown);
    EXPECT_FALSE(l.Buttons[tbMax].Shown);
    EXPECT_FALSE(l.Buttons[tbHelp].Shown);
    // x starts at 300 - 1 - 3 = 296; top (18 + 3 - 19) div 2 = 1.
    EXPECT_EQ(Rect(l.Buttons[tbClose].Rect), "271,1,296,20");
    EXPECT_FALSE(l.IconShown);
    // Text: from 3 + 3 + 4 to 300 - 25 - 6, from 2 to f + c.
    EXPECT_EQ(Rect(l.TextRect), "10,2,269,21");
}

TEST(DialogCaption, ASizeableDialogLaysItsButtonsRightToLeftWithoutAGapBeforeHelp) {
    const TvlDialogStyle s = DialogStyleOf(kPopup | kCaption | kSysMenu | kThickFrame | kMinBox | kMaxBox,
                                           kExContextHelp, false, false, false);
    const TvlBorderKind kind = BorderKindOf(s);
    ASSERT_EQ(kind, TvlBorderKind::bkSizeable);
    // f = 4 (sizing frame), c = 18, band 22; an icon of its own at the system's small size 16 x 16.
    const TvlDialogCaptionFacts f{400, 4, 18, 16, 16, true};
    const TsTitleLayout l = DialogCaptionLayout(s, kind, f, kMetrics, BigMasks());
    // x from 400 - 1 - 4 = 395; each top (22 - height) div 2; 2 between big buttons.
    EXPECT_EQ(Rect(l.Buttons[tbClose].Rect), "370,1,395,20");
    EXPECT_EQ(Rect(l.Buttons[tbMax].Rect), "345,2,368,19");
    EXPECT_EQ(Rect(l.Buttons[tbMin].Rect), "321,2,343,19");
    EXPECT_EQ(Rect(l.Buttons[tbHelp].Rect), "298,3,319,18");
    // Icon at f + 3, top (22 - 16) div 2; text from 4 + 16 + 3 + 4 to 400 - (25 + 23 + 22 + 21) - 6.
    EXPECT_TRUE(l.IconShown);
    EXPECT_EQ(Rect(l.IconRect), "7,3,23,19");
    EXPECT_EQ(Rect(l.TextRect), "27,2,303,22");

    // With the skin's buttons at the top of the strip, every big button but help sits at 0.
    const TsTitleLayout top = DialogCaptionLayout(s, kind, f, TsTitleMetrics{2, 1, 3, 1, false}, BigMasks());
    EXPECT_EQ(top.Buttons[tbClose].Rect.Top, 0);
    EXPECT_EQ(top.Buttons[tbMax].Rect.Top, 0);
    EXPECT_EQ(top.Buttons[tbMin].Rect.Top, 0);
    EXPECT_EQ(top.Buttons[tbHelp].Rect.Top, 3);
}

TEST(DialogCaption, ButtonsFollowTheStylesAndPicturesTheSkinHas) {
    const auto layout = [](uint32_t style, uint32_t exStyle, bool iconic, bool maximized,
                           const TsTitleMaskLookup& masks) {
        const TvlDialogStyle s = DialogStyleOf(style, exStyle, false, iconic, maximized);
        return DialogCaptionLayout(s, BorderKindOf(s), TvlDialogCaptionFacts{300, 3, 18, 16, 16, false}, kMetrics,
                                   masks);
    };
    const auto names = [](const TsTitleLayout& l) {
        std::string text;
        for (const TsTitleButtonPlace& b : l.Buttons) text += (b.Shown ? b.MaskName : std::string("-")) + " ";
        return text;
    };
    const uint32_t dialog = kPopup | kCaption | kSysMenu | kModalFrame;
    const uint32_t sizeable = kPopup | kCaption | kSysMenu | kThickFrame;
    // The buttons go by the window's style, whatever its kind.
    EXPECT_EQ(names(layout(dialog | kMaxBox, 0, false, false, BigMasks())), "BICONCLOSE BICONMAX - - ");
    EXPECT_EQ(names(layout(dialog | kMinBox, kExContextHelp, false, false, BigMasks())),
              "BICONCLOSE - BICONMIN BICONHELP ");
    EXPECT_EQ(names(layout(kPopup | kCaption | kModalFrame | kMinBox, 0, false, false, BigMasks())), "- - - - ")
        << "no system menu, no buttons";
    EXPECT_EQ(names(layout(sizeable | kMinBox | kMaxBox, 0, false, true, BigMasks())),
              "BICONCLOSE BICONNORM BICONMIN - ");
    EXPECT_EQ(names(layout(sizeable | kMinBox | kMaxBox, 0, true, false, BigMasks())),
              "BICONCLOSE BICONMAX BICONNORM - ");
    // A close button alone takes its own picture when the skin has one.
    const TsTitleMaskLookup alone = MasksOf({{"BICLOSEALONE", {true, 30, 19}}, {"BICONCLOSE", {true, 25, 19}}});
    EXPECT_EQ(names(layout(sizeable, 0, false, false, alone)), "BICLOSEALONE - - - ");
    EXPECT_EQ(names(layout(sizeable | kMinBox, 0, false, false, alone)), "BICONCLOSE - BICONMIN - ");

    // A dialog frame takes the small pictures when the skin has them: no gaps between them,
    // help from the big ones when there is no small one.
    const TsTitleMaskLookup small = MasksOf({{"SICONCLOSE", {true, 16, 14}}, {"SICONMIN", {true, 16, 14}},
                                             {"BICONCLOSE", {true, 25, 19}}, {"BICONHELP", {true, 21, 15}}});
    const TsTitleLayout l = layout(dialog | kMinBox, kExContextHelp, false, false, small);
    EXPECT_EQ(names(l), "SICONCLOSE - SICONMIN BICONHELP ");
    EXPECT_FALSE(l.BigButtons);
    // x from 296; tops (21 - 14) div 2 = 3 and (21 - 15) div 2 = 3.
    EXPECT_EQ(Rect(l.Buttons[tbClose].Rect), "280,3,296,17");
    EXPECT_EQ(Rect(l.Buttons[tbMin].Rect), "264,3,280,17");
    EXPECT_EQ(Rect(l.Buttons[tbHelp].Rect), "243,3,264,18");
    // A sizeable window keeps the big ones; a missing picture is 21 x 21.
    const TsTitleLayout big = layout(sizeable | kMaxBox, 0, false, false, small);
    EXPECT_EQ(names(big), "BICONCLOSE BICONMAX - - ");
    EXPECT_EQ(Rect(big.Buttons[tbMax].Rect), "248,0,269,21") << "21 x 21 at (21 - 21) div 2";
}

TEST(DialogCaption, APointOnTheCaptionIsTheSystemMenuAButtonOrTheCaption) {
    const uint32_t style = kPopup | kCaption | kSysMenu | kThickFrame | kMinBox | kMaxBox;
    const TvlDialogCaptionFacts f{400, 4, 18, 16, 16, false};
    const auto hit = [&](const TvlDialogStyle& s, int32_t x, int32_t y) {
        const TsTitleLayout l = DialogCaptionLayout(s, BorderKindOf(s), f, kMetrics, BigMasks());
        return DialogCaptionHit(l, s, f, x, y);
    };
    const TvlDialogStyle s = DialogStyleOf(style, kExContextHelp, false, false, false);
    // The close button's band: t = (18 + 4 - 19) div 2 = 1 to t + 19 = 20.
    const struct {
        int32_t x, y, code;
        const char* what;
    } cases[] = {
        {4, 10, hcSysMenu, "the system-menu zone starts at f, with no icon shown"},
        {20, 10, hcSysMenu, "and ends at f + 16"},
        {21, 10, hcCaption, "then the caption"},
        {370, 10, hcClose, "close, its left end"},
        {395, 10, hcClose, "close, its right end"},
        {369, 10, hcCaption, "between close and maximize"},
        {350, 10, hcMaxButton, "maximize"},
        {330, 10, hcMinButton, "minimize"},
        {300, 10, hcHelp, "help"},
        {396, 10, hcCaption, "right of the buttons"},
        {200, 1, hcCaption, "the band's top"},
        {200, 20, hcCaption, "the band's bottom"},
        {200, 0, hcNowhere, "above the band"},
        {200, 21, hcNowhere, "below the band"},
    };
    for (const auto& c : cases) EXPECT_EQ(hit(s, c.x, c.y), c.code) << c.what;

    // A class without closing keeps its button, which answers as the caption.
    EXPECT_EQ(hit(DialogStyleOf(style, 0, true, false, false), 380, 10), hcCaption);
    // Maximize on a dialog frame is shown but cannot be used.
    const TvlDialogStyle dialog = DialogStyleOf(kPopup | kCaption | kSysMenu | kModalFrame | kMaxBox, 0, false, false,
                                                false);
    EXPECT_EQ(hit(dialog, 350, 10), hcCaption);
    // Minimize of an iconic dialog restores it.
    EXPECT_EQ(hit(DialogStyleOf(style, 0, false, true, false), 330, 10), hcMinButton);
}

TEST(DialogRules, CloseAnswersOnlyWhenTheClassAllowsClosing) {
    EXPECT_TRUE(DialogCloseEnabled(DialogStyleOf(kPopup | kCaption | kSysMenu, 0, false, false, false)));
    EXPECT_FALSE(DialogCloseEnabled(DialogStyleOf(kPopup | kCaption | kSysMenu, 0, true, false, false)));
}

TEST(DialogRules, SystemMenuItemsShowAndWorkByStyleKindAndState) {
    struct Expect {
        bool visible, enabled;
    };
    const struct {
        const char* name;
        uint32_t style;
        bool iconic, maximized;
        Expect restore, move, size, minimize, maximize, close;
    } cases[] = {
        {"message box", kPopup | kCaption | kSysMenu | kModalFrame, false, false,
         {false, false}, {true, true}, {false, true}, {false, false}, {false, false}, {true, true}},
        {"sizeable with boxes", kPopup | kCaption | kSysMenu | kThickFrame | kMinBox | kMaxBox, false, false,
         {true, false}, {true, true}, {true, true}, {true, true}, {true, true}, {true, true}},
        {"maximized", kPopup | kCaption | kSysMenu | kThickFrame | kMinBox | kMaxBox, false, true,
         {true, true}, {true, false}, {true, true}, {true, true}, {true, false}, {true, true}},
        {"iconic", kPopup | kCaption | kSysMenu | kThickFrame | kMinBox | kMaxBox, true, false,
         {true, true}, {true, true}, {true, false}, {true, false}, {true, true}, {true, true}},
        {"no system menu", kPopup | kCaption | kThickFrame, false, false,
         {false, false}, {true, true}, {true, true}, {false, false}, {false, false}, {false, true}},
    };
    for (const auto& c : cases) {
        const TvlDialogStyle s = DialogStyleOf(c.style, 0, false, c.iconic, c.maximized);
        const auto items = DialogSystemMenu(s, BorderKindOf(s));
        ASSERT_EQ(items.size(), 7u);
        const Expect expected[] = {c.restore, c.move, c.size, c.minimize, c.maximize, {true, true}, c.close};
        const char* names[] = {"miRestore", "miMove", "miSize", "miMinimize", "miMaximize", "", "miClose"};
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(items[i].Name, names[i]) << c.name;
            if (items[i].Name.empty()) continue;
            EXPECT_EQ(items[i].Visible, expected[i].visible) << c.name << " " << names[i];
            EXPECT_EQ(items[i].Enabled, expected[i].enabled) << c.name << " " << names[i];
        }
        EXPECT_EQ(items[6].Command, kScClose);
        EXPECT_EQ(items[6].ShortCut, "Alt+F4");
        EXPECT_EQ(items[0].Caption, "Restore");
    }
}

}  // namespace
}  // namespace pakmole
