#include "skin/controls/frame/sFrameLayout.h"

#include <algorithm>

#include "skin/data/SkinModel.h"

namespace pakmole {

namespace {

bool HasBigButtons(TsFrameStyle style) { return style == TsFrameStyle::fsSingle || style == TsFrameStyle::fsSizeable; }

bool Contains(const TRect32& r, int32_t x, int32_t y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// Caption heights of 8 and less get a dot, up to 16 a small icon, above that the usual one.
int32_t IconSideFor(int32_t captionHeight) {
    if (captionHeight <= 8) return 1;
    if (captionHeight <= 16) return 8;
    return 16;
}

std::array<std::string, tbCount> MaskNames(const TsFrameFacts& facts, const TsSysMenuRules& rules,
                                           const TsTitleMaskLookup& masks) {
    const bool big = HasBigButtons(facts.Style);
    // A skin without small title pictures gives every window the big ones.
    const bool small = !big && masks("SICONCLOSE").Found;
    std::array<std::string, tbCount> names;
    if (small) {
        names = {"SICONCLOSE", facts.Maximized() ? "SICONNORM" : "SICONMAX", "SICONMIN",
                 masks("SICONHELP").Found ? "SICONHELP" : "BICONHELP"};
    } else {
        const bool alone = !rules.VisibleMin && !rules.VisibleMax && masks("BICLOSEALONE").Found;
        names = {alone ? "BICLOSEALONE" : "BICONCLOSE", facts.Maximized() ? "BICONNORM" : "BICONMAX", "BICONMIN",
                 "BICONHELP"};
    }
    if (facts.Iconic() && !facts.MainForm) names[tbMin] = small ? "SICONNORM" : "BICONNORM";
    return names;
}

}  // namespace

int32_t FrameWidthOf(bool thickFrame, bool border, int32_t sizingFrame, int32_t dialogFrame) {
    if (thickFrame) return sizingFrame;
    if (border) return dialogFrame;
    return 0;
}

int32_t CaptionHeightOf(bool hasCaption, bool iconic, TsFrameStyle style, int32_t caption, int32_t smallCaption) {
    if (!hasCaption && !iconic) return 0;
    const bool tool = style == TsFrameStyle::fsToolWindow || style == TsFrameStyle::fsSizeToolWin;
    return tool && !iconic ? smallCaption : caption;
}

TsSysMenuRules SysMenuRulesOf(const TsFrameFacts& f) {
    TsSysMenuRules r;
    r.VisibleClose = f.SystemMenu && f.SysMenuHasClose;
    const bool noBoxes = f.Style == TsFrameStyle::fsNone || f.Style == TsFrameStyle::fsDialog ||
                         f.Style == TsFrameStyle::fsToolWindow || f.Style == TsFrameStyle::fsSizeToolWin;
    if (f.SystemMenu) {
        const bool always = f.Iconic() || f.MdiChild;
        r.VisibleMax = always || (!noBoxes && f.Maximize);
        r.VisibleMin = always || (!noBoxes && f.Minimize);
    }
    r.EnabledMax = (f.MdiChild || HasBigButtons(f.Style)) && f.Maximize;
    r.EnabledMin = f.Minimize && !(f.Iconic() && !f.MainForm);
    r.EnabledRestore = (f.Maximize && f.State != TsFrameState::wsNormal) || f.Iconic();
    return r;
}

TsTitleLayout LayoutCaption(const TsFrameFacts& f, const TsTitleMetrics& m, const TsTitleMaskLookup& masks) {
    TsTitleLayout l;
    l.Rules = SysMenuRulesOf(f);
    l.Centre = f.CaptionHeight / 2 + f.FrameWidth / 2 + (f.Maximized() ? 2 : 0);
    l.StripBottom = f.FrameWidth + f.CaptionHeight;
    l.BigButtons = HasBigButtons(f.Style);

    const int32_t iconLeft = f.FrameWidth + m.Left;
    l.IconShown = f.IconWanted && l.BigButtons && f.SystemMenu;
    if (l.IconShown) {
        const int32_t w = f.IconWidth != 0 ? f.IconWidth : IconSideFor(f.CaptionHeight);
        const int32_t h = f.IconHeight != 0 ? f.IconHeight : IconSideFor(f.CaptionHeight);
        const int32_t top = l.Centre - h / 2;
        l.IconRect = {iconLeft, top, iconLeft + w, top + h};
    } else {
        l.IconRect = {iconLeft, l.Centre, iconLeft, l.Centre};
    }

    const std::array<std::string, tbCount> names = MaskNames(f, l.Rules, masks);
    const std::array<bool, tbCount> shown = {l.Rules.VisibleClose, l.Rules.VisibleMax, l.Rules.VisibleMin, f.Help};
    const TsTitleMaskInfo closeMask = masks(names[tbClose]);
    const int32_t height = closeMask.Found ? closeMask.Height : 21;
    const int32_t gap = l.BigButtons ? m.Space : 0;
    int32_t x = f.Width - m.Right - f.FrameWidth;
    l.RowWidth = m.Right;
    for (int i = 0; i < tbCount; ++i) {
        TsTitleButtonPlace& b = l.Buttons[i];
        b.MaskName = names[i];
        b.Mask = masks(names[i]);
        b.Shown = shown[i];
        if (!b.Shown) continue;
        if (i == tbHelp) x -= 6;
        const int32_t width = b.Mask.Found ? b.Mask.Width : 21;
        int32_t top = l.Centre - height / 2;
        if (l.BigButtons && m.VAlign == 1) top = f.Maximized() ? 6 : 0;
        b.Rect = {x - width, top, x, top + height};
        x = b.Rect.Left - gap;
        l.RowWidth += width + gap;
    }
    // The form's own buttons follow, after a gap of 6.
    bool anyUser = false;
    for (const TsFrameFacts::UserButton& u : f.UserButtons) anyUser = anyUser || u.Visible;
    if (anyUser) {
        x -= 6;
        l.RowWidth += 6;
    }
    const TsTitleMaskInfo userMask = masks("TITLEBUTTON");
    for (const TsFrameFacts::UserButton& u : f.UserButtons) {
        TsTitleButtonPlace b;
        b.MaskName = "TITLEBUTTON";
        b.Mask = userMask;
        b.Shown = u.Visible;
        if (b.Shown) {
            const int32_t width = userMask.Found ? userMask.Width : 21;
            int32_t top = l.Centre - height / 2;
            if (l.BigButtons && m.VAlign == 1) top = f.Maximized() ? 6 : 0;
            b.Rect = {x - width, top, x, top + height};
            x = b.Rect.Left - gap;
            l.RowWidth += width + gap;
        }
        l.UserButtons.push_back(b);
    }

    const int32_t textLeft = f.FrameWidth + (l.IconShown ? l.IconRect.Width() : 0) + m.Left +
                             (m.HasCaptionSection ? 2 : 0) + 4;
    l.TextRect = {textLeft, f.FrameWidth, f.Width - l.RowWidth - 12, l.StripBottom};
    return l;
}

int32_t FrameHitTest(const TsTitleLayout& l, const TsFrameFacts& f, int32_t x, int32_t y, const TRect32& grip) {
    for (int i = 0; i < tbCount; ++i) {
        const TsTitleButtonPlace& b = l.Buttons[i];
        if (!b.Shown || !Contains(b.Rect, x, y)) continue;
        switch (i) {
        case tbClose:
            return hcClose;
        case tbMax:
            return l.Rules.EnabledMax || (l.Rules.EnabledRestore && !f.Iconic()) ? hcMaxButton : hcCaption;
        case tbMin:
            return l.Rules.EnabledMin || f.Iconic() ? hcMinButton : hcCaption;
        default:
            return hcHelp;
        }
    }
    for (std::size_t i = 0; i < l.UserButtons.size(); ++i) {
        const TsTitleButtonPlace& b = l.UserButtons[i];
        if (!b.Shown || !Contains(b.Rect, x, y)) continue;
        const bool enabled = i < f.UserButtons.size() && f.UserButtons[i].Enabled;
        return enabled ? hcFirstUserButton + static_cast<int32_t>(i) : hcCaption;
    }
    const int32_t fw = f.FrameWidth;
    const bool left = x < fw, right = x >= f.Width - fw, top = y < fw, bottom = y >= f.Height - fw;
    if (!f.Maximized() && f.ThickFrame && (left || right || top || bottom)) {
        if (left) return top ? hcTopLeft : bottom ? hcBottomLeft : hcLeft;
        if (right) return top ? hcTopRight : bottom ? hcBottomRight : hcRight;
        return top ? hcTop : hcBottom;
    }
    if (y < l.StripBottom + f.MenuHeight && !left && !right) {
        if (y >= l.StripBottom) return hcMenu;
        if (l.IconShown && Contains(l.IconRect, x, y)) return hcSysMenu;
        return hcCaption;
    }
    if (Contains(grip, x, y)) return hcBottomRight;
    if (left || right || bottom || top) return hcBorder;
    return hcClient;
}

TsTitleMetrics TitleMetricsOf(const TsSkinModel& skin) {
    return TsTitleMetrics{skin.SkinData.TitleButtonSpace, skin.SkinData.TitleButtonRight, skin.SkinData.TitleButtonLeft,
                          skin.SkinData.TitleButtonVAlign, skin.FindSection("CAPTION") >= 0};
}

TsTitleMaskLookup TitleMasksOf(const TsSkinModel& skin) {
    return [&skin](const std::string& name) {
        TsTitleMaskInfo info;
        const int index = skin.FindMask(skin.KnownIndexes.GlobalInfo, "GLOBALINFO", name);
        if (!skin.IsValidMask(index)) return info;
        const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(index)];
        if (mask.StateWidth() > 0 && mask.StateHeight() > 0) info = {true, mask.StateWidth(), mask.StateHeight()};
        return info;
    };
}

int TitleButtonOfHit(int32_t hitCode) {
    switch (hitCode) {
    case hcClose: return tbClose;
    case hcMaxButton: return tbMax;
    case hcMinButton: return tbMin;
    case hcHelp: return tbHelp;
    default: return hitCode >= hcFirstUserButton && hitCode < 2000 ? tbCount + (hitCode - hcFirstUserButton) : -1;
    }
}

TsCaptionSpan AlignCaption(int32_t left, int32_t right, int32_t textWidth, int32_t addedWidth, TsCaptionAlign align) {
    TsCaptionSpan span{left, right};
    const int32_t wanted = textWidth + addedWidth + 4;
    switch (align) {
    case TsCaptionAlign::caRight:
        if (right - wanted > left) span.Left = right - wanted;
        break;
    case TsCaptionAlign::caCenter:
        span.Left = std::max(left, left + (right - left - wanted) / 2);
        span.Right = std::min(span.Left + textWidth, right);
        break;
    case TsCaptionAlign::caLeft:
        break;
    }
    return span;
}

}  // namespace pakmole
