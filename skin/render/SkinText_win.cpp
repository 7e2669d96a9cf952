#include "skin/render/SkinText_win.h"

#include "skin/data/ColorAdjust.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/Blend.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "skin/render/SkinStateCore_win.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"
#include "ui/WinControl.h"

namespace pakmole {

namespace {

int32_t Adjusted(const TsSkinStateCore& state, int32_t color) {
    if (state.HUEOffset != 0) color = ShiftHueColor(state.HUEOffset, color);
    if (state.Saturation != 0) color = static_cast<int32_t>(ChangeSaturation(state.Saturation, static_cast<uint32_t>(color)));
    return color;
}

void Draw(HDC dc, const std::string& text, RECT rect, UINT format) {
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

RECT Moved(const RECT& r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

bool ManagerUsable(const TsSkinManager* manager) {
    return manager && !manager->IsDestroying() && manager->Active();
}

const TsGenState& StateRecord(const TsGeneralData& section, int s) {
    return section.Props[static_cast<std::size_t>(s != 0 ? 1 : 0)];
}

// The four contour copies in the order left, top, right, bottom.
struct Contour {
    int32_t TsGenState::*Color;
    int Dx, Dy;
};
constexpr Contour kContours[] = {
    {&TsGenState::TCLeft, -1, 0}, {&TsGenState::TCTop, 0, -1}, {&TsGenState::TCRight, 1, 0}, {&TsGenState::TCBottom, 0, 1}};

int ClampedState(const TsGeneralData& section, int hot) {
    return std::max(0, std::min(hot > 0 ? 1 : 0, section.States - 1));
}

bool PaintsCentre(const TsSkinModel& skin, int32_t maskIndex) {
    return skin.IsValidMask(maskIndex) && (skin.Masks[static_cast<std::size_t>(maskIndex)].PaintFlags & 4) != 0;
}

// Underlines the font selected into dc for as long as it lives.
class UnderlinedFont {
public:
    explicit UnderlinedFont(HDC dc) {
        LOGFONTA lf{};
        if (GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof(lf), &lf) != sizeof(lf)) return;
        lf.lfUnderline = TRUE;
        font_.Reset(CreateFontIndirectA(&lf));
        if (font_) SelectObject(dc, font_.Get());
    }

private:
    FontHandle font_;
};

}  // namespace

void WriteSkinText(HDC dc, const std::string* text, bool enabled, uint8_t hot, TsSkinStateCore& state, UINT format,
                   const RECT& rect) {
    if (!text) return;
    const RECT r = rect;
    TsSkinManager* manager = state.ManagerInEffect();
    const bool skinned = state.Skinned();
    const TsSkinModel* skin = manager ? &manager->Model() : nullptr;

    // Declared before the saved state, so the font outlives its selection.
    std::unique_ptr<UnderlinedFont> underline;
    SavedDC saved(dc);
    if (hot != 0 && skin && skin->IsValidSection(state.SectionIndex) &&
        state.SectionIndex == skin->KnownIndexes.WebButtonSection)
        underline = std::make_unique<UnderlinedFont>(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetBkMode(dc, TRANSPARENT);

    if (!skinned || state.CustomFont) {
        if (enabled) {
            Draw(dc, *text, r, format);
            return;
        }
        SetTextColor(dc, ColorToRGB(clSystemColor | COLOR_BTNHIGHLIGHT));
        Draw(dc, *text, Moved(r, 1, 1), format);
        SetTextColor(dc, ColorToRGB(clSystemColor | COLOR_BTNSHADOW));
        Draw(dc, *text, r, format);
        return;
    }

    const int s = hot != 0 ? 1 : 0;
    int32_t c = state.SectionIndex;
    TControl* owner = state.Control;
    if (owner && owner->Parent() &&
        (state.ControlKind == ckLabelLike1 || state.ControlKind == ckLabelLike2 || state.ControlKind == ckLabelLike3 ||
         !owner->IsWindowed()) &&
        StateRecord(skin->Sections[static_cast<std::size_t>(state.SectionIndex)], s).Transparency > 0)
        c = BackgroundSectionOf(owner, state.SectionIndex, manager, 0);

    if (!ManagerUsable(manager) || !skin->IsValidSection(c)) {
        Draw(dc, *text, r, format);
        return;
    }
    const TsGeneralData& section = skin->Sections[static_cast<std::size_t>(c)];
    const TsGenState& props = StateRecord(section, s);

    if (state.CacheBitmap && props.GlowSize != 0)
        PaintGlowText(*state.CacheBitmap, text, r, nullptr, Adjusted(state, props.GlowColor), props.GlowSize, 15, format,
                      static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)));

    if (!enabled) {
        SetTextColor(dc, ColorToRGB(Adjusted(state, Mix(section.Props[0].FontColor, skin->Palette[pcMainColor], 0.4))));
        Draw(dc, *text, r, format);
        return;
    }
    for (const Contour& contour : kContours) {
        int32_t color = props.*contour.Color;
        if (color == -1) continue;
        color = Adjusted(state, color);
        SetTextColor(dc, ColorToRGB(color));
        Draw(dc, *text, Moved(r, contour.Dx, contour.Dy), format);
    }
    SetTextColor(dc, ColorToRGB(Adjusted(state, props.FontColor)));
    Draw(dc, *text, r, format | DT_NOCLIP);
}

void WriteSectionText(HDC dc, const std::string* text, bool enabled, TsSkinManager* manager, uint8_t hot,
                      int32_t sectionIndex, UINT format, const RECT& rect) {
    if (!text) return;
    if (!manager) manager = TsSkinManager::DefaultManager();
    SetBkMode(dc, TRANSPARENT);
    if (ManagerUsable(manager) && manager->IsValidSection(sectionIndex)) {
        const TsGeneralData& section = manager->Model().Sections[static_cast<std::size_t>(sectionIndex)];
        const TsGenState& props = StateRecord(section, hot);
        if (enabled) {
            for (const Contour& contour : kContours) {
                const int32_t color = props.*contour.Color;
                if (color == -1) continue;
                SetTextColor(dc, ColorToRGB(color));
                Draw(dc, *text, Moved(rect, contour.Dx, contour.Dy), format);
            }
            SetTextColor(dc, ColorToRGB(props.FontColor));
        } else {
            SetTextColor(dc, ColorToRGB(Mix(section.Props[0].FontColor, section.Props[0].Color, 0.4)));
        }
    }
    Draw(dc, *text, rect, format);
}

int32_t BackgroundSectionOf(TControl* control, int32_t ownSection, TsSkinManager* manager, int hot) {
    if (!control || !control->Parent()) return ownSection;
    TWinControl* parent = control->Parent();
    if (!manager) manager = TsSkinManager::DefaultManager();
    if (!manager) return ownSection;
    const TsSkinModel& skin = manager->Model();

    const auto* parentState = reinterpret_cast<const TsSkinStateCore*>(
        DeliverSkinCommand(parent, SkinCommandParam(SKC_GETSKINDATA), 0));
    if (parentState) {
        const int32_t p = parentState->SectionIndex;
        if (p < 0 || p >= static_cast<int32_t>(skin.Sections.size())) return ownSection;
        const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(p)];
        const bool opaque = StateRecord(section, ClampedState(section, hot)).Transparency <= 50 ||
                            PaintsCentre(skin, section.FrameMask) || !parent->Parent();
        if (!opaque) return BackgroundSectionOf(parent, ownSection, manager, 0);
        return section.GiveOwnFont ? p : ownSection;
    }

    TvlSectionInfo info;
    DeliverSkinCommand(parent, SkinCommandParam(SKC_GETSKININDEX), reinterpret_cast<LPARAM>(&info.Index));
    const int32_t q = info.Index;
    if (!ManagerUsable(manager) || !skin.IsValidSection(q)) return ownSection;
    const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(q)];
    if (StateRecord(section, ClampedState(section, hot)).Transparency > 50)
        return BackgroundSectionOf(parent, ownSection, manager, 0);
    return section.GiveOwnFont ? q : ownSection;
}

int TextWidth(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TextHeight(HDC dc, const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cy;
}

int DrawTextLine(HDC dc, const std::string& text, RECT& rect, UINT format) {
    return DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

}  // namespace pakmole
