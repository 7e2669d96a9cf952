#pragma once
// What the frame of a skinned platform dialog makes of the dialog's styles:
// its border kind, the facts its caption is laid out from, and the items of
// its system menu with their visibility and enabling. Portable: the styles
// come in as flags, so every rule is checked natively.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/controls/frame/sFrameLayout.h"

namespace pakmole {

enum class TvlBorderKind { bkDialog, bkSingle, bkNone, bkSizeable };

// The dialog's window as its frame needs it: the style captured when the
// frame adapter started (the live style loses its system-menu bit), the
// class's no-close flag and the window's state now.
struct TvlDialogStyle {
    bool Popup = false;
    bool Caption = false;  // both bits of the caption style
    bool Border = false;
    bool ThickFrame = false;
    bool ModalFrame = false;
    bool SysMenu = false;
    bool MinimizeBox = false;
    bool MaximizeBox = false;
    bool ContextHelp = false;
    bool ClassNoClose = false;
    bool Iconic = false;
    bool Maximized = false;
};

// The platform's style bits made into the flags above.
TvlDialogStyle DialogStyleOf(uint32_t style, uint32_t exStyle, bool classNoClose, bool iconic, bool maximized);

TvlBorderKind BorderKindOf(const TvlDialogStyle& style);

// The facts the shared caption layout works from (frame and caption sizes
// from the system metrics passed in).
TsFrameFacts DialogFrameFacts(const TvlDialogStyle& style, TvlBorderKind kind, int32_t width, int32_t height,
                              int32_t sizingFrame, int32_t dialogFrame, int32_t captionHeight);

// Answers of the title buttons: a hit on close counts only when the class lets the dialog close.
bool DialogCloseEnabled(const TvlDialogStyle& style);

// The system commands, as the platform numbers them.
constexpr int32_t kScSize = 0xF000, kScMove = 0xF010, kScMinimize = 0xF020, kScMaximize = 0xF030,
                  kScClose = 0xF060, kScRestore = 0xF120;

struct TvlMenuItemRule {
    std::string Name;  // empty for the divider
    int32_t Command = 0;
    std::string Caption;
    std::string ShortCut;
    bool Visible = true;
    bool Enabled = true;
};

// The items of the dialog's system menu in their order: restore, move, size,
// minimize, maximize, a divider, close.
std::vector<TvlMenuItemRule> DialogSystemMenu(const TvlDialogStyle& style, TvlBorderKind kind);

}  // namespace pakmole
