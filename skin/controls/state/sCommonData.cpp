#include "skin/controls/state/sCommonData.h"

#include "skin/data/ColorAdjust.h"
#include "skin/data/TextCase.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "ui/WinControl.h"

namespace pakmole {

TsCommonData::TsCommonData(TComponent* owner, bool createCache) : Owner(owner) {
    Control = dynamic_cast<TControl*>(owner);
    if (createCache) CacheBitmap = std::make_unique<TBitmap32>();
}

TsCommonData::~TsCommonData() = default;

TsSkinManager* TsCommonData::ManagerInEffect() const {
    return skinManager_ ? skinManager_ : TsSkinManager::DefaultManager();
}

bool TsCommonData::Skinned(bool requireActive) const {
    try {
        if (skinSection_.empty()) return false;
        const TsSkinManager* manager = ManagerInEffect();
        if (!manager || manager->IsDestroying()) return false;
        if (requireActive && !manager->Active()) return false;
        if (!manager->IsValidSection(SectionIndex)) return false;
        return !(Owner && Owner->IsDestroying());
    } catch (...) {
        // A manager that cannot even answer leaves the control plain.
        return false;
    }
}

HWND TsCommonData::OwnerWindow() const {
    if (Window) return Window;
    if (ProviderForm) return ProviderForm->HandleAllocated() ? ProviderForm->Handle() : nullptr;
    if (Control && Control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(Control);
        if (windowed->HandleAllocated()) return windowed->Handle();
    }
    return nullptr;
}

bool TsCommonData::OwnerEnabled() const {
    if (Control) return Control->Enabled();
    return !Window || IsWindowEnabled(Window);
}

bool TsCommonData::OwnerDestroying() const {
    return (Owner && Owner->IsDestroying()) || (Control && Control->IsDestroying());
}

int TsCommonData::OwnerWidth() const {
    if (Control) return Control->Width();
    RECT r{};
    if (Window) GetWindowRect(Window, &r);
    return r.right - r.left;
}

int TsCommonData::OwnerHeight() const {
    if (Control) return Control->Height();
    RECT r{};
    if (Window) GetWindowRect(Window, &r);
    return r.bottom - r.top;
}

const TsGeneralData& TsCommonData::Section() const {
    return ManagerInEffect()->Model().Sections[static_cast<std::size_t>(SectionIndex)];
}

int TsCommonData::PaintState() const {
    const int state = (HasFocus || MouseOver) ? 1 : 0;
    if (!Skinned()) return state;
    return std::max(0, std::min(state, Section().States - 1));
}

bool TsCommonData::Designing() const { return Owner && (Owner->ComponentState() & csDesigning) != 0; }

bool TsCommonData::OwnerPlaced() const {
    return Control && !Control->IsLoading() && (Control->ComponentState() & csReading) == 0 && Control->Parent() &&
           !Control->IsDestroying();
}

void TsCommonData::SetSkinSection(const std::string& value) {
    const std::string upper = value.empty() ? std::string("UNKNOWN") : UpperCase(value);
    if (upper == skinSection_) return;
    skinSection_ = upper;
    const TsSkinManager* manager = ManagerInEffect();
    if (manager && !manager->Model().Sections.empty())
        UpdateIndexes();
    else
        SectionIndex = -1;
    if (ProviderForm) {
        BackgroundStale = true;
        return;
    }
    if (OwnerPlaced() && !PaintSuspended) ApplyOrRemove(reinterpret_cast<LPARAM>(ManagerInEffect()));
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
    if (manager == TsSkinManager::DefaultManager()) manager = nullptr;
    if (manager == skinManager_) return;
    skinManager_ = manager;
    if (Owner && Owner->IsLoading()) return;
    UpdateIndexes();
    if (!ProviderForm && OwnerPlaced()) ApplyOrRemove(reinterpret_cast<LPARAM>(ManagerInEffect()));
}

void TsCommonData::ApplyOrRemove(LPARAM manager) {
    const TsSkinManager* m = ManagerInEffect();
    const uint16_t command = (m && m->IsValidSection(SectionIndex)) ? SKC_REFRESH : SKC_REMOVESKIN;
    Control->Perform(SKM_COMMAND, SkinCommandParam(command), manager);
}

void TsCommonData::UpdateIndexes() {
    if (Designing()) {
        SectionIndex = -1;
        return;
    }
    BackgroundStale = true;
    const TsSkinManager* manager = ManagerInEffect();
    SectionIndex = (manager && manager->Active()) ? manager->FindSection(skinSection_) : -1;
    ComputeBgVaries();
    // The flags of a running update or print stay; the flat state is unknown again.
    StateBits = static_cast<uint16_t>((StateBits & (sbPrinting | sbProviderRepaint | sbUpdating)) | sbNotComputed);
    if (manager && manager->IsValidSection(SectionIndex)) {
        const TsGeneralData& section = Section();
        FrameMaskIndex = section.FrameMask;
        TextureIndex = manager->FindTexture(SectionIndex, skinSection_, "PATTERN");
        HotTextureIndex = manager->FindTexture(SectionIndex, skinSection_, "HOTPATTERN");
        UpdateFlatBg();
    } else {
        FrameMaskIndex = -1;
        TextureIndex = HotTextureIndex = -1;
    }
}

void TsCommonData::ComputeBgVaries() {
    BgVaries = 0;
    const TsSkinManager* manager = ManagerInEffect();
    if (!manager || !manager->IsValidSection(SectionIndex)) return;
    const TsGenState& props = Section().Props[0];
    if (props.GradientPercent > 0 && props.Gradient && !props.Gradient->empty()) {
        const int mode = props.Gradient->front().GradMode;
        if (mode == 1 || mode == 2) BgVaries |= bvAlongX;
        if (mode == 0 || mode == 2) BgVaries |= bvAlongY;
    }
    if (props.ImagePercent > 0) BgVaries |= bvTexture;
}

int TsCommonData::ComputeFlatBg() const {
    const TsSkinManager* manager = ManagerInEffect();
    if (!manager || !manager->IsValidSection(SectionIndex)) return 1;
    const TsSkinModel& skin = manager->Model();
    const TsGeneralData& section = Section();
    if (skin.IsValidMask(FrameMaskIndex) && (skin.Masks[static_cast<std::size_t>(FrameMaskIndex)].PaintFlags & 4) != 0)
        return 0;
    const TsGenState& props = section.Props[0];
    const bool hasTexture = props.ImagePercent > 0 && (TextureIndex >= 0 || props.PatternMask >= 0);
    if (props.Transparency == 100) {
        TWinControl* parent = ProviderForm ? nullptr : (Control ? Control->Parent() : nullptr);
        if (!parent) return hasTexture ? 0 : 1;
        if (!parent->HandleAllocated()) return 2;
        if (DeliverSkinCommand(parent, SkinCommandParam(SKC_ISSKINNED), 0) != 0)
            return static_cast<int>(DeliverSkinCommand(parent, SkinCommandParam(SKC_UPDATEFLATBG), 0) & sbFlatBg);
        return hasTexture ? 0 : 1;
    }
    if (props.Transparency != 0) return 0;
    if (props.ImagePercent > 0 || props.GradientPercent > 0) return 0;
    const bool corners = skin.IsValidMask(section.CornerTopLeft) || skin.IsValidMask(section.CornerTopRight) ||
                         skin.IsValidMask(section.CornerBottomLeft) || skin.IsValidMask(section.CornerBottomRight);
    if (corners) return 0;
    return (ProviderForm && BorderWindow) ? 0 : 1;
}

void TsCommonData::UpdateFlatBg() {
    const bool container = ProviderForm || ControlKind == ckPanel || ControlKind == ckScrolling ||
                           ControlKind == ckContainer;
    if (!container) return;
    const int flat = ComputeFlatBg();
    if (flat == 2) return;
    StateBits = static_cast<uint16_t>((StateBits & ~(sbFlatBg | sbNotComputed)) | (flat ? sbFlatBg : 0));
}

void TsCommonData::BeginUpdate() {
    ++UpdateDepth;
    PaintSuspended = true;
    StateBits |= sbUpdating;
    if (ProviderForm) {
        if (ProviderForm->HandleAllocated())
            SendMessageA(ProviderForm->Handle(), SKM_COMMAND, SkinCommandParam(SKC_BEGINUPDATE), 0);
    } else {
        DeliverSkinCommand(Control, SkinCommandParam(SKC_BEGINUPDATE), 0);
    }
}

void TsCommonData::EndUpdate(bool repaint) {
    if (UpdateDepth > 0) --UpdateDepth;
    // An inner end of nested updates must not resume painting the outer one holds.
    if (UpdateDepth > 0) return;
    PaintSuspended = false;
    StateBits &= static_cast<uint16_t>(~sbUpdating);
    if (ProviderForm) {
        if (ProviderForm->HandleAllocated())
            SendMessageA(ProviderForm->Handle(), SKM_COMMAND, SkinCommandParam(SKC_ENDUPDATE), 0);
    } else {
        DeliverSkinCommand(Control, SkinCommandParam(SKC_ENDUPDATE), 0);
    }
    if (repaint) Invalidate(false);
}

void TsCommonData::RedrawOwner(UINT flags) {
    if (ProviderForm) {
        if (ProviderForm->HandleAllocated()) RedrawWindow(ProviderForm->Handle(), nullptr, nullptr, flags);
        return;
    }
    if (!Control) return;
    if (!Control->IsWindowed()) {
        Control->Invalidate();
        return;
    }
    auto* windowed = static_cast<TWinControl*>(Control);
    if (windowed->HandleAllocated()) RedrawWindow(windowed->Handle(), nullptr, nullptr, flags);
}

void TsCommonData::Invalidate(bool full) {
    BackgroundStale = true;
    if (Owner && (Owner->IsLoading() || Owner->IsDestroying())) return;
    if (ProviderForm) {
        RedrawOwner(RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
        return;
    }
    if (!Control || !Control->Showing()) return;
    RedrawOwner(full ? 0x585 : 0x485);
}

bool TsCommonData::IsUpdating() const {
    if (!ManagerInEffect() || Designing()) return false;
    if (FlatBg()) return PaintSuspended;
    if (PaintSuspended) return true;
    TControl* parent = nullptr;
    if (ProviderForm)
        parent = ProviderForm->Parent();
    else if (Control)
        parent = Control->Parent();
    if (!parent) return false;
    return DeliverSkinCommand(parent, SkinCommandParam(SKC_ISUPDATING), 0) != 0;
}

bool TsCommonData::CheckUpdating(bool reset) {
    if (reset) PaintSuspended = false;
    const bool updating = IsUpdating();
    if (updating) PaintSuspended = true;
    return updating;
}

int32_t TsCommonData::Adjusted(int32_t color) const {
    if (HUEOffset != 0) color = ShiftHueColor(HUEOffset, color);
    if (Saturation != 0) color = static_cast<int32_t>(ChangeSaturation(Saturation, static_cast<uint32_t>(color)));
    return color;
}

void TsCtrlSkinData::SetHUEOffset(int32_t degrees) {
    if (degrees == HUEOffset) return;
    HUEOffset = degrees;
    Invalidate(false);
}

void TsCtrlSkinData::SetSaturation(int32_t percent) {
    if (percent == Saturation) return;
    Saturation = percent;
    Invalidate(false);
}

}  // namespace pakmole
