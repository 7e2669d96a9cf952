#pragma once
// Geometry of a skinned window frame: the sizes of frame and caption, which
// title buttons a window shows and lets be used, where the icon, the caption
// text and each title button lie, and what a point of the window is (the hit
// test). Portable: the window's styles and the skin's masks come in as plain
// values, so every layout can be checked without a window.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/MaskData.h"

namespace pakmole {

enum class TsFrameStyle { fsNone, fsSingle, fsSizeable, fsDialog, fsToolWindow, fsSizeToolWin };
enum class TsFrameState { wsNormal, wsMinimized, wsMaximized };

// Hit-test answers, with the platform's values.
enum TsHitCode : int32_t {
    hcNowhere = 0, hcClient = 1, hcCaption = 2, hcSysMenu = 3, hcMenu = 5, hcMinButton = 8, hcMaxButton = 9,
    hcLeft = 10, hcRight = 11, hcTop = 12, hcTopLeft = 13, hcTopRight = 14, hcBottom = 15, hcBottomLeft = 16,
    hcBottomRight = 17, hcBorder = 18, hcClose = 20, hcHelp = 21
};

// What the window is, as the frame needs to know it.
struct TsFrameFacts {
    int32_t Width = 0;   // window
    int32_t Height = 0;
    TsFrameStyle Style = TsFrameStyle::fsSizeable;
    bool SystemMenu = true;  // border icons
    bool Minimize = true;
    bool Maximize = true;
    bool Help = false;
    bool SysMenuHasClose = true;  // the window's own system menu carries a close command
    TsFrameState State = TsFrameState::wsNormal;
    bool MdiChild = false;
    bool MainForm = false;
    bool ThickFrame = false;  // window style bits
    int32_t FrameWidth = 0;
    int32_t CaptionHeight = 0;
    int32_t MenuHeight = 0;  // height of the menu band under the caption
    bool IconWanted = true;  // the title icon is visible and the application icon is to be shown
    int32_t IconWidth = 0;   // 0: from the caption height
    int32_t IconHeight = 0;
    // The form's own title buttons, in their collection's order.
    struct UserButton {
        bool Visible = true;
        bool Enabled = true;
    };
    std::vector<UserButton> UserButtons;
    bool Iconic() const { return State == TsFrameState::wsMinimized; }
    bool Maximized() const { return State == TsFrameState::wsMaximized; }
};

// The frame's width (also its height): the sizing frame, else the dialog
// frame of a bordered window, else none.
int32_t FrameWidthOf(bool thickFrame, bool border, int32_t sizingFrame, int32_t dialogFrame);
// The caption band's height: none without a caption (unless iconic); the
// small caption for tool windows that are not iconic.
int32_t CaptionHeightOf(bool hasCaption, bool iconic, TsFrameStyle style, int32_t caption, int32_t smallCaption);

// Which of the window's own commands its frame shows and allows.
struct TsSysMenuRules {
    bool VisibleClose = false;
    bool VisibleMax = false;
    bool VisibleMin = false;
    bool EnabledMax = false;
    bool EnabledMin = false;
    bool EnabledRestore = false;
};
TsSysMenuRules SysMenuRulesOf(const TsFrameFacts& facts);

// The skin's numbers that place the title buttons.
struct TsTitleMetrics {
    int32_t Space = 0;   // between big buttons
    int32_t Right = 0;   // right margin of the button row
    int32_t Left = 0;    // left margin of icon and caption
    int32_t VAlign = 0;  // 1: big buttons at the top of the strip
    bool HasCaptionSection = false;
};

// A title button's picture in the skin, as the layout needs it.
struct TsTitleMaskInfo {
    bool Found = false;
    int32_t Width = 21;  // one state
    int32_t Height = 21;
};
using TsTitleMaskLookup = std::function<TsTitleMaskInfo(const std::string& name)>;

enum TsTitleButtonKind : int { tbClose = 0, tbMax, tbMin, tbHelp, tbCount };
// The hit code of the form's own title button i is this plus i.
constexpr int32_t hcFirstUserButton = 1000;

struct TsTitleButtonPlace {
    std::string MaskName;  // empty: not shown
    TsTitleMaskInfo Mask;
    bool Shown = false;
    TRect32 Rect;  // window coordinates; empty when not shown
};

struct TsTitleLayout {
    int32_t Centre = 0;       // vertical centre of the caption
    int32_t StripBottom = 0;  // bottom of the caption strip
    bool BigButtons = false;
    bool IconShown = false;
    TRect32 IconRect;
    std::array<TsTitleButtonPlace, tbCount> Buttons;
    // One per user button of the facts ("TITLEBUTTON"; empty rectangle when hidden).
    std::vector<TsTitleButtonPlace> UserButtons;
    int32_t RowWidth = 0;     // what the button row takes from the caption
    TRect32 TextRect;         // left and right bounds of the caption text (top and bottom: the strip)
    TsSysMenuRules Rules;
};

TsTitleLayout LayoutCaption(const TsFrameFacts& facts, const TsTitleMetrics& metrics,
                              const TsTitleMaskLookup& masks);

class TsSkinModel;
// The numbers and title pictures of a loaded skin (its "GLOBALINFO" records).
TsTitleMetrics TitleMetricsOf(const TsSkinModel& skin);
TsTitleMaskLookup TitleMasksOf(const TsSkinModel& skin);

// What the point (window coordinates) is. grip: the size grip's rectangle,
// empty when none is shown. Every point of the window gets an answer: the
// frame of a window that cannot be sized is a plain border.
int32_t FrameHitTest(const TsTitleLayout& layout, const TsFrameFacts& facts, int32_t x, int32_t y,
                     const TRect32& grip = {});

// Where the caption text goes between left and right (the laid-out text
// bounds) for its alignment. Right: it ends there, with the added title and
// 4 pixels, when that fits; centred: in the middle of the room but never left
// of left, and no wider than the text.
enum class TsCaptionAlign { caLeft, caRight, caCenter };
struct TsCaptionSpan {
    int32_t Left = 0;
    int32_t Right = 0;
};
TsCaptionSpan AlignCaption(int32_t left, int32_t right, int32_t textWidth, int32_t addedWidth, TsCaptionAlign align);

// The title button a hit code names, or -1; user button i is tbCount + i.
int TitleButtonOfHit(int32_t hitCode);

}  // namespace pakmole
