// Backgrounds of a skinned control: what it shows its children, how it
// depends on its parent, and the rebuild of its cache picture.
#include "skin/controls/state/sCommonData.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"
#include "ui/WinControl.h"

namespace pakmole {

namespace {

bool IsLabelLike(int32_t kind) { return kind == ckLabelLike1 || kind == ckLabelLike2 || kind == ckLabelLike3; }

int32_t DefaultBgColor(const TsSkinManager* manager) {
    return manager ? manager->Palette()[pcMainColor] : static_cast<int32_t>(GetSysColor(COLOR_BTNFACE));
}

}  // namespace

bool TsCommonData::DependsOnParent() const {
    if (!Skinned() || UrgentPaint) return true;
    if (Control && ((!Control->IsWindowed() && IsLabelLike(ControlKind)) || !Control->Enabled())) return true;
    if (Section().Props[0].Transparency == 0) return false;
    TControl* parent = Control ? Control->Parent() : nullptr;
    if (!parent) return false;
    return DeliverSkinCommand(parent, SkinCommandParam(SKC_ISPATTERNEDBG), 0) != 0;
}

int TsCommonData::PatternedBg() const {
    if (!Skinned()) return DependsOnParent() ? 1 : 0;
    const TsGenState& props = Section().Props[0];
    TControl* parent = Control ? Control->Parent() : nullptr;
    if (props.Transparency != 0 && parent)
        return static_cast<int>(DeliverSkinCommand(parent, SkinCommandParam(SKC_ISPATTERNEDBG), 0) & 0x7F);
    if (props.GradientPercent + props.ImagePercent > 0 || DependsOnParent()) return 1;
    const TsSkinModel& skin = ManagerInEffect()->Model();
    return skin.IsValidMask(FrameMaskIndex) && (skin.Masks[static_cast<std::size_t>(FrameMaskIndex)].PaintFlags & 4) != 0
               ? 1
               : 0;
}

int32_t TsCommonData::ParentBgColor(TControl* parent) const {
    if (DeliverSkinCommand(parent, SkinCommandParam(SKC_ISSKINNED), 0) != 0)
        return static_cast<int32_t>(
            DeliverSkinCommand(parent, SkinCommandParam(SKC_GETBGCOLOR), static_cast<LPARAM>(0xFF00FF)));
    return parent->Color();
}

int32_t TsCommonData::GetBgColor() const {
    const int32_t own = Control ? Control->Color() : clBtnFace;
    if (!Skinned()) return own;
    TControl* parent = Control ? Control->Parent() : nullptr;
    std::optional<int32_t> parentColor;
    if (parent) parentColor = static_cast<int32_t>(ColorToRGB(ParentBgColor(parent)));
    return ChildBgColor(Section(), parentColor, static_cast<int32_t>(ColorToRGB(own)));
}

TsControlPaintData TsCommonData::PaintData() const {
    TsControlPaintData data;
    const TsSkinManager* manager = ManagerInEffect();
    data.Skin = manager ? &manager->Model() : nullptr;
    data.SectionIndex = SectionIndex;
    data.FrameMaskIndex = FrameMaskIndex;
    data.TextureIndex = TextureIndex;
    data.HotTextureIndex = HotTextureIndex;
    data.CustomColor = CustomColor;
    data.Color = Control ? static_cast<int32_t>(ColorToRGB(Control->Color())) : 0;
    data.HUEOffset = HUEOffset;
    data.Saturation = Saturation;
    return data;
}

void TsCommonData::GetBgInfo(TBgQuery& query, int state) {
    FillBgInfo(query, state);
    // Children of a framed adapter sit inside its border.
    query.OffsetX += BorderWidth;
    query.OffsetY += BorderWidth;
}

void TsCommonData::FillBgInfo(TBgQuery& query, int state) {
    if (!Skinned() || CustomColor) {
        query.BgKind = bgkColor;
        query.Color = Control ? Control->Color() : clBtnFace;
        return;
    }
    const TsSkinManager* manager = ManagerInEffect();
    const TsSkinModel& skin = manager->Model();
    const TsGeneralData& section = Section();
    const int c = std::max(0, std::min({state, section.States - 1, 1}));
    const TsGenState& props = section.Props[static_cast<std::size_t>(c)];
    const int width = OwnerWidth(), height = OwnerHeight();
    const bool cacheReady = CacheBitmap && !CacheBitmap->Empty() && CacheBitmap->Width() == width &&
                            CacheBitmap->Height() == height;
    const bool patterned = props.GradientPercent > 0 || props.ImagePercent > 0;

    if (props.Transparency == 0 && !patterned) {
        query.BgKind = bgkColor;
        query.Color = GetBgColor();
        if (skin.IsValidMask(FrameMaskIndex) &&
            (skin.Masks[static_cast<std::size_t>(FrameMaskIndex)].PaintFlags & 2) == 0 && CacheBitmap) {
            // The frame band of the cache is valid; its inside is the plain colour.
            query.Bitmap = CacheBitmap.get();
            const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(FrameMaskIndex)];
            query.Insets = {mask.MarginLeft, mask.MarginTop, mask.MarginRight, mask.MarginBottom};
        }
        if (query.PaintInto && query.DC) {
            BrushHandle brush(CreateSolidBrush(ColorToRGB(query.Color)));
            FillRect(query.DC, &query.ClipRect, brush.Get());
        }
        return;
    }
    if (props.Transparency == 100 && (FlatBg() || !CacheBitmap)) {
        TControl* parent = ProviderForm ? ProviderForm->Parent() : (Control ? Control->Parent() : nullptr);
        const TControl* positioned = ProviderForm ? static_cast<TControl*>(ProviderForm) : Control;
        if (positioned) {
            query.OffsetX += positioned->Left();
            query.OffsetY += positioned->Top();
        }
        if (parent) {
            GetParentBg(query, parent, query.PaintInto);
        } else {
            query.BgKind = bgkColor;
            query.Color = DefaultBgColor(manager);
        }
        return;
    }
    // A picture of its own (gradient, texture, or mixed with its parent): ready or not.
    query.Color = DefaultBgColor(manager);
    if (!cacheReady) {
        query.BgKind = bgkNotReady;
        return;
    }
    query.BgKind = bgkBitmap;
    query.Bitmap = CacheBitmap.get();
}

bool TsCommonData::BuildCache(int state, const TCacheContent& content) {
    if (!Skinned() || !CacheBitmap || (!Control && !Window)) return false;
    if (!BackgroundStale) return true;
    const int width = OwnerWidth(), height = OwnerHeight();
    TBitmap32& cache = *CacheBitmap;
    cache.SetSize(width, height);
    if (cache.Empty()) return false;

    TBgQuery query;
    query.DC = Bitmap32DC(cache);
    query.ClipRect = RECT{0, 0, width, height};
    TPoint32 position{};
    if (Control) {
        position = {Control->Left(), Control->Top()};
        if (Control->Parent()) {
            GetParentBg(query, Control->Parent(), false);
        } else {
            query.BgKind = bgkColor;
            query.Color = ManagerInEffect()->Palette()[pcMainColor];
        }
    } else {
        // A window without a component: its place and background come from the window itself.
        HWND parent = GetParent(Window);
        RECT r{};
        GetWindowRect(Window, &r);
        if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        position = {r.left, r.top};
        GetParentBg(query, parent, false, ManagerInEffect());
    }
    if (query.BgKind == bgkNotReady) {
        PaintSuspended = true;
        return false;
    }
    const TBgSource parentBg = BgSourceOfQuery(query);
    const int clamped = std::max(0, std::min(state, Section().States - 1));
    PaintControl(PaintData(), parentBg, CornerBlend, cache, position, TRect32{0, 0, width, height}, clamped);
    if (content) content(cache, parentBg);
    if (!OwnerEnabled()) {
        int kind = dkBlended;
        const LPARAM kindPtr = reinterpret_cast<LPARAM>(&kind);
        if (Control)
            Control->Perform(SKM_COMMAND, SkinCommandParam(SKC_GETDISABLEDKIND), kindPtr);
        else
            SendMessageA(Window, SKM_COMMAND, SkinCommandParam(SKC_GETDISABLEDKIND), kindPtr);
        GdiFlush();
        if (kind & dkGrayed) PaintDisabledGrayed(cache);
        if (kind & dkBlended) {
            int32_t fallback = 0;
            if (Control && Control->Parent())
                fallback = static_cast<int32_t>(ColorToRGB(ParentBgColor(Control->Parent())));
            else if (!Control)
                fallback = static_cast<int32_t>(ColorToRGB(query.Color));
            PaintDisabledBlended(cache, parentBg, position, fallback);
        }
    }
    GdiFlush();
    BackgroundStale = false;
    return true;
}

}  // namespace pakmole
