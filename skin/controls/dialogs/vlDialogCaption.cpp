#include "skin/controls/dialogs/vlDialogCaption.h"

#include <array>
#include <string>

namespace pakmole {

namespace {

constexpr int32_t kMissingMaskSide = 21;

bool Framed(TvlBorderKind kind) { return kind == TvlBorderKind::bkSingle || kind == TvlBorderKind::bkSizeable; }

TsSysMenuRules ButtonRules(const TvlDialogStyle& s, TvlBorderKind kind) {
    TsSysMenuRules r;
    r.VisibleClose = s.SysMenu;
    r.VisibleMax = s.SysMenu && s.MaximizeBox;
    r.VisibleMin = s.SysMenu && s.MinimizeBox;
    r.EnabledMax = s.MaximizeBox && !s.Maximized && Framed(kind);
    r.EnabledMin = s.MinimizeBox && !s.Iconic;
    r.EnabledRestore = s.MaximizeBox && (s.Maximized || s.Iconic);
    return r;
}

}  // namespace

TsTitleLayout DialogCaptionLayout(const TvlDialogStyle& s, TvlBorderKind kind, const TvlDialogCaptionFacts& f,
                                  const TsTitleMetrics& m, const TsTitleMaskLookup& masks) {
    TsTitleLayout l;
    l.Rules = ButtonRules(s, kind);
    const int32_t band = f.FrameWidth + f.CaptionHeight;
    l.StripBottom = band;
    l.Centre = band / 2;

    // A dialog frame without small pictures in the skin takes the big ones.
    const bool small = !Framed(kind) && masks("SICONCLOSE").Found;
    l.BigButtons = !small;
    std::array<std::string, tbCount> names;
    if (small) {
        names = {"SICONCLOSE", "SICONMAX", "SICONMIN", masks("SICONHELP").Found ? "SICONHELP" : "BICONHELP"};
    } else {
        const bool alone = !s.MaximizeBox && !s.MinimizeBox && masks("BICLOSEALONE").Found;
        names = {alone ? "BICLOSEALONE" : "BICONCLOSE", "BICONMAX", "BICONMIN", "BICONHELP"};
    }
    if (s.Maximized) names[tbMax] = "BICONNORM";
    if (s.Iconic) names[tbMin] = "BICONNORM";

    const std::array<bool, tbCount> shown = {l.Rules.VisibleClose, l.Rules.VisibleMax, l.Rules.VisibleMin,
                                             s.SysMenu && s.ContextHelp};
    int32_t x = f.Width - m.Right - f.FrameWidth;
    int32_t taken = 0;
    for (int i = 0; i < tbCount; ++i) {
        TsTitleButtonPlace& b = l.Buttons[static_cast<std::size_t>(i)];
        b.MaskName = names[static_cast<std::size_t>(i)];
        b.Mask = masks(b.MaskName);
        b.Shown = shown[static_cast<std::size_t>(i)];
        if (!b.Shown) continue;
        const int32_t width = b.Mask.Found ? b.Mask.Width : kMissingMaskSide;
        const int32_t height = b.Mask.Found ? b.Mask.Height : kMissingMaskSide;
        const int32_t top = l.BigButtons && i != tbHelp && m.VAlign == 1 ? 0 : (band - height) / 2;
        b.Rect = {x - width, top, x, top + height};
        x = b.Rect.Left - (l.BigButtons ? m.Space : 0);
        taken += width;
    }
    l.RowWidth = taken;

    const int32_t iconLeft = f.FrameWidth + m.Left, iconTop = (band - f.SmallIconHeight) / 2;
    l.IconShown = f.HasIcon;
    l.IconRect = {iconLeft, iconTop, iconLeft + f.SmallIconWidth, iconTop + f.SmallIconHeight};
    const int32_t textLeft = f.FrameWidth + (f.HasIcon ? f.SmallIconWidth : 0) + m.Left + 4;
    l.TextRect = {textLeft, 2, f.Width - taken - 6, band};
    return l;
}

int32_t DialogCaptionHit(const TsTitleLayout& l, const TvlDialogStyle& s, const TvlDialogCaptionFacts& f, int32_t x,
                         int32_t y) {
    const TsTitleButtonPlace& close = l.Buttons[tbClose];
    if (!close.Shown) return hcNowhere;
    const int32_t closeHeight = close.Mask.Found ? close.Mask.Height : kMissingMaskSide;
    const int32_t top = (f.CaptionHeight + f.FrameWidth - closeHeight) / 2;
    if (y < top || y > top + closeHeight) return hcNowhere;
    if (x >= f.FrameWidth && x <= f.FrameWidth + f.SmallIconWidth) return hcSysMenu;
    for (int i = 0; i < tbCount; ++i) {
        const TsTitleButtonPlace& b = l.Buttons[static_cast<std::size_t>(i)];
        if (!b.Shown || x < b.Rect.Left || x > b.Rect.Right) continue;
        switch (i) {
        case tbClose: return DialogCloseEnabled(s) ? hcClose : hcCaption;
        case tbMax: return l.Rules.EnabledMax || l.Rules.EnabledRestore ? hcMaxButton : hcCaption;
        case tbMin: return l.Rules.EnabledMin || s.Iconic ? hcMinButton : hcCaption;
        default: return hcHelp;
        }
    }
    return hcCaption;
}

}  // namespace pakmole
