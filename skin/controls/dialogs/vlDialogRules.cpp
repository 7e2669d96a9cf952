#include "skin/controls/dialogs/vlDialogRules.h"

namespace pakmole {

namespace {

constexpr uint32_t kPopup = 0x80000000u, kCaption = 0x00C00000u, kBorder = 0x00800000u, kThickFrame = 0x00040000u,
                   kModalFrame = 0x80u, kSysMenu = 0x00080000u, kMinimizeBox = 0x00020000u,
                   kMaximizeBox = 0x00010000u;
constexpr uint32_t kExContextHelp = 0x400u;

bool Framed(TvlBorderKind kind) { return kind != TvlBorderKind::bkDialog && kind != TvlBorderKind::bkNone; }

}  // namespace

TvlDialogStyle DialogStyleOf(uint32_t style, uint32_t exStyle, bool classNoClose, bool iconic, bool maximized) {
    TvlDialogStyle s;
    s.Popup = (style & kPopup) != 0;
    s.Caption = (style & kCaption) == kCaption;
    s.Border = (style & kBorder) != 0;
    s.ThickFrame = (style & kThickFrame) != 0;
    s.ModalFrame = (style & kModalFrame) != 0;
    s.SysMenu = (style & kSysMenu) != 0;
    s.MinimizeBox = (style & kMinimizeBox) != 0;
    s.MaximizeBox = (style & kMaximizeBox) != 0;
    s.ContextHelp = (exStyle & kExContextHelp) != 0;
    s.ClassNoClose = classNoClose;
    s.Iconic = iconic;
    s.Maximized = maximized;
    return s;
}

TvlBorderKind BorderKindOf(const TvlDialogStyle& s) {
    if (s.Popup && !s.Caption) return TvlBorderKind::bkNone;
    if (s.ThickFrame) return TvlBorderKind::bkSizeable;
    if (s.ModalFrame) return TvlBorderKind::bkDialog;
    return TvlBorderKind::bkSizeable;
}

TsFrameFacts DialogFrameFacts(const TvlDialogStyle& s, TvlBorderKind kind, int32_t width, int32_t height,
                              int32_t sizingFrame, int32_t dialogFrame, int32_t captionHeight) {
    TsFrameFacts f;
    f.Width = width;
    f.Height = height;
    switch (kind) {
    case TvlBorderKind::bkDialog: f.Style = TsFrameStyle::fsDialog; break;
    case TvlBorderKind::bkSingle: f.Style = TsFrameStyle::fsSingle; break;
    case TvlBorderKind::bkNone: f.Style = TsFrameStyle::fsNone; break;
    case TvlBorderKind::bkSizeable: f.Style = TsFrameStyle::fsSizeable; break;
    }
    f.SystemMenu = s.SysMenu;
    f.Minimize = s.MinimizeBox;
    f.Maximize = s.MaximizeBox;
    f.Help = s.SysMenu && s.ContextHelp;
    // A dialog's close button is shown whenever it has a system menu.
    f.SysMenuHasClose = true;
    f.State = s.Iconic ? TsFrameState::wsMinimized : s.Maximized ? TsFrameState::wsMaximized : TsFrameState::wsNormal;
    f.ThickFrame = s.ThickFrame;
    f.FrameWidth = FrameWidthOf(s.ThickFrame, s.Border, sizingFrame, dialogFrame);
    f.CaptionHeight = s.Caption || s.Iconic ? captionHeight : 0;
    return f;
}

bool DialogCloseEnabled(const TvlDialogStyle& s) { return !s.ClassNoClose; }

std::vector<TvlMenuItemRule> DialogSystemMenu(const TvlDialogStyle& s, TvlBorderKind kind) {
    const bool fixed = !Framed(kind);
    const bool maxEnabled = s.MaximizeBox && !s.Maximized && (kind == TvlBorderKind::bkSingle ||
                                                               kind == TvlBorderKind::bkSizeable);
    return {
        {"miRestore", kScRestore, "Restore", "", Framed(kind) && s.SysMenu,
         s.MaximizeBox && (s.Iconic || s.Maximized)},
        {"miMove", kScMove, "Move", "", true, !s.Maximized},
        {"miSize", kScSize, "Size", "", !fixed, kind != TvlBorderKind::bkSingle && !s.Iconic},
        {"miMinimize", kScMinimize, "Minimize", "", s.MinimizeBox, s.MinimizeBox && !s.Iconic},
        {"miMaximize", kScMaximize, "Maximize", "", s.MaximizeBox, maxEnabled},
        {"", 0, "-", "", true, true},
        {"miClose", kScClose, "Close", "Alt+F4", s.SysMenu, true},
    };
}

}  // namespace pakmole
