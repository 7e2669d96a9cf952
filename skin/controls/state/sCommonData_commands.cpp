// The skin engine's commands as one control's skin state answers them.
#include "skin/controls/state/sCommonData.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "ui/Label.h"
#include "ui/WinControl.h"

namespace pakmole {

namespace {

TWinControl* Windowed(TControl* control) {
    return control && control->IsWindowed() ? static_cast<TWinControl*>(control) : nullptr;
}

}  // namespace

bool TsCommonData::HandleSkinCommand(TMessage& message) {
    const uint16_t command = SkinCommandCode(message.WParam);
    const uint16_t low = SkinCommandLow(message.WParam);
    const bool fromOwnManager = reinterpret_cast<TsSkinManager*>(message.LParam) == ManagerInEffect();
    TWinControl* windowed = Windowed(Control);
    message.Result = 0;
    switch (command) {
    case SKC_APPLYSKIN:
        if (!fromOwnManager) return true;
        UpdateIndexes();
        Invalidate(false);
        return true;
    case SKC_REMOVESKIN:
        if (!fromOwnManager) return true;
        SectionIndex = FrameMaskIndex = TextureIndex = HotTextureIndex = -1;
        PaintSuspended = true;
        if (CacheBitmap) CacheBitmap->SetSize(0, 0);
        if (Control && IsEditKind(ControlKind)) {
            if (!CustomColor) Control->SetColor(clWindow);
            if (!CustomFont) Control->Font().SetColor(clWindowText);
            if (windowed && windowed->HandleAllocated())
                RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        } else if (windowed) {
            for (int i = 0; i < windowed->ControlCount(); ++i)
                if (auto* label = dynamic_cast<TLabel*>(windowed->Controls(i))) label->Font().SetColor(clWindowText);
        }
        return true;
    case SKC_REFRESH:
        if (!fromOwnManager) return true;
        BackgroundStale = true;
        PaintSuspended = false;
        UpdateIndexes();
        Invalidate(false);
        return true;
    case SKC_ENDPARENTUPDATE:
        if (PaintSuspended) {
            PaintSuspended = false;
            if (!IsUpdating())
                RedrawOwner(RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        if (windowed) DeliverSkinCommandToChildren(windowed, SkinCommandParam(SKC_ENDPARENTUPDATE), 0);
        return true;
    case SKC_ISSKINNED:
        message.Result = Skinned() ? 1 : 0;
        return true;
    case SKC_SETUPDATING:
        PaintSuspended = low == 1;
        return true;
    case SKC_ISUPDATING:
        message.Result = (BackgroundStale || PaintSuspended) ? 1 : 0;
        return true;
    case SKC_SETBGCHANGED:
        BackgroundStale = true;
        return true;
    case SKC_REPAINT:
        if (windowed) RedrawOwner(RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
        return true;
    case SKC_ISPATTERNEDBG:
        message.Result = PatternedBg();
        return true;
    case SKC_PARENTBGCHANGED: {
        const bool depends = DependsOnParent();
        if (depends) BackgroundStale = true;
        if (low == 1) RedrawOwner(RDW_INVALIDATE | RDW_ALLCHILDREN);
        if (depends && windowed) DeliverSkinCommandToChildren(windowed, SkinCommandParam(SKC_PARENTBGCHANGED), 0);
        return true;
    }
    case SKC_GETBGCOLOR:
        message.Result = static_cast<LRESULT>(GetBgColor());
        return true;
    case SKC_SETHALFVISIBLE:
        PartlyVisible = true;
        return true;
    case SKC_PREPARECACHE:
        BackgroundStale = false;
        return true;
    case SKC_GETSKININDEX:
        if (message.LParam) *reinterpret_cast<int32_t*>(message.LParam) = SectionIndex;
        message.Result = 1;
        return true;
    case SKC_MOUSEENTER:
    case SKC_MOUSELEAVE: {
        const bool over = command == SKC_MOUSEENTER && ControlKind != ckNoHotTrack;
        if (over != MouseOver) {
            MouseOver = over;
            Invalidate(false);
        }
        return true;
    }
    case SKC_DROPCACHE:
        if (CacheBitmap) {
            if (windowed)
                for (int i = 0; i < windowed->ControlCount(); ++i)
                    if (TWinControl* child = Windowed(windowed->Controls(i)); child && child->HandleAllocated())
                        DeliverSkinCommand(child, SkinCommandParam(SKC_DROPCACHE), 0);
            CacheBitmap->SetSize(0, 0);
            BackgroundStale = true;
            PaintSuspended = true;
        }
        return true;
    case SKC_GETBGINFO:
        if (message.LParam) {
            GetBgInfo(*reinterpret_cast<TBgQuery*>(message.LParam), PaintState());
            message.Result = 1;
        }
        return true;
    case SKC_UPDATEFLATBG:
        if (message.LParam == 1 || StateBits == sbNotComputed) UpdateFlatBg();
        message.Result = StateBits;
        return true;
    case SKC_GETSKINDATA:
        message.Result = reinterpret_cast<LRESULT>(static_cast<TsSkinStateCore*>(this));
        return true;
    case SKC_SETPRINTDC:
        if (message.LParam)
            StateBits |= sbPrinting;
        else
            StateBits &= static_cast<uint16_t>(~sbPrinting);
        PrintTarget = reinterpret_cast<HDC>(message.LParam);
        return true;
    default:
        return false;
    }
}

}  // namespace pakmole
