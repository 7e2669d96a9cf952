// The rules of skinned platform dialogs, natively: which adapter each child
// window gets, the border kind a dialog's styles make, where its title
// buttons lie and which items of its system menu show and work.
#include <gtest/gtest.h>

#include <string>

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

TsTitleMaskLookup BigMasksOnly() {
    return [](const std::string& name) {
        if (name.rfind("BICON", 0) == 0) return TsTitleMaskInfo{true, 25, 19};
        return TsTitleMaskInfo{};
    };
}

TEST(DialogRules, AMessageBoxShowsOneBigCloseButton) {
    const TvlDialogStyle s = DialogStyleOf(kPopup | kCaption | kSysMenu | kModalFrame, 0, false, false, false);
    const TvlBorderKind kind = BorderKindOf(s);
    const TsFrameFacts f = DialogFrameFacts(s, kind, 300, 150, 4, 3, 18);
    EXPECT_EQ(f.FrameWidth, 3) << "a dialog frame";
    const TsTitleLayout l = LayoutCaption(f, TsTitleMetrics{2, 1, 0, 0, false}, BigMasksOnly());
    EXPECT_TRUE(l.Buttons[tbClose].Shown);
    EXPECT_EQ(l.Buttons[tbClose].MaskName, "BICONCLOSE") << "a skin without small pictures gives the big ones";
    EXPECT_FALSE(l.Buttons[tbMin].Shown);
    EXPECT_FALSE(l.Buttons[tbMax].Shown);
    EXPECT_FALSE(l.Buttons[tbHelp].Shown);
    EXPECT_EQ(l.Buttons[tbClose].Rect.Right, 300 - 1 - 3);
    EXPECT_EQ(l.Buttons[tbClose].Rect.Width(), 25);
    EXPECT_FALSE(l.IconShown);
    // With the help style a help button joins.
    const TvlDialogStyle help =
        DialogStyleOf(kPopup | kCaption | kSysMenu | kModalFrame, kExContextHelp, false, false, false);
    EXPECT_TRUE(LayoutCaption(DialogFrameFacts(help, kind, 300, 150, 4, 3, 18), TsTitleMetrics{}, BigMasksOnly())
                    .Buttons[tbHelp]
                    .Shown);
    // Without a system menu: no buttons at all.
    const TvlDialogStyle bare = DialogStyleOf(kPopup | kCaption | kModalFrame, 0, false, false, false);
    const TsTitleLayout none =
        LayoutCaption(DialogFrameFacts(bare, BorderKindOf(bare), 300, 150, 4, 3, 18), TsTitleMetrics{}, BigMasksOnly());
    for (const auto& b : none.Buttons) EXPECT_FALSE(b.Shown);
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
