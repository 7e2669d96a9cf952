// How a control's skin state follows the control's own window messages and
// the component layer's notifications.
#include "skin/controls/state/sCommonData.h"
#include "skin/controls/state/sControlPopupMenu.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "ui/CustomForm.h"
#include "ui/SpeedButton.h"
#include "ui/WinControl.h"

namespace pakmole {

namespace {

TWinControl* Windowed(TControl* control) {
    return control && control->IsWindowed() ? static_cast<TWinControl*>(control) : nullptr;
}

bool HasGradient(const TsGenState& props) {
    return props.GradientPercent > 0 && props.Gradient && !props.Gradient->empty();
}

void NotifyParentForm(TControl* control) {
    TCustomForm* form = GetParentForm(control);
    if (form && form != control)
        DeliverSkinCommand(form, SkinCommandParam(SKC_CONTROLCHANGED), reinterpret_cast<LPARAM>(control));
}

// A speed button held down beside the control that the mouse has just entered
// would otherwise keep its pressed look until the button goes up far away.
void ReleasePressedSpeedButtons(TControl* control) {
    TWinControl* parent = control->Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* button = dynamic_cast<TSpeedButton*>(parent->Controls(i));
        if (button && button != control && button->Down()) button->Release();
    }
}

}  // namespace

void TsCommonData::UpdateSkinColors(bool repaint) {
    if (!Skinned() || !Control || !IsEditKind(ControlKind)) return;
    const TsGenState& props = Section().Props[static_cast<std::size_t>(PaintState() > 0 ? 1 : 0)];
    if (!CustomColor) Control->SetColor(Adjusted(props.Color));
    if (!CustomFont) Control->Font().SetColor(Adjusted(Section().Props[0].FontColor));
    if (repaint) Invalidate(false);
}

void TsCommonData::HandleControlMessage(TMessage& message) {
    message.Result = 0;
    if (!Control) return;
    TWinControl* windowed = Windowed(Control);
    const bool skinned = Skinned();
    switch (message.Msg) {
    case WM_MOVE:
        if (DependsOnParent()) {
            BackgroundStale = true;
            Control->Perform(SKM_COMMAND, SkinCommandParam(SKC_PARENTBGCHANGED, 1), 0);
        }
        break;
    case WM_SIZE:
        if (!skinned) break;
        BackgroundStale = true;
        if (windowed && HasGradient(Section().Props[0]))
            for (int i = 0; i < windowed->ControlCount(); ++i)
                if (TControl* child = windowed->Controls(i); child && !child->IsDestroying())
                    DeliverSkinCommand(child, SkinCommandParam(SKC_PARENTBGCHANGED, 1), 0);
        break;
    case WM_SETFOCUS:
        if (!windowed || !windowed->CanFocus() || Designing()) break;
        BackgroundStale = true;
        HasFocus = true;
        if (skinned && IsEditKind(ControlKind) && Section().States >= 2) UpdateSkinColors(false);
        break;
    case WM_KILLFOCUS:
        HasFocus = false;
        BackgroundStale = true;
        if (skinned && IsEditKind(ControlKind) && !MouseOver) UpdateSkinColors(false);
        break;
    case CM_ENABLEDCHANGED:
        MouseOver = false;
        HasFocus = false;
        // The disabled look is part of the cached picture.
        Invalidate(false);
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        // The component layer tells the parent too; only the control's own notice counts.
        if (message.LParam != 0 && reinterpret_cast<TControl*>(message.LParam) != Control) break;
        if (!skinned || Designing()) break;
        const bool enter = message.Msg == CM_MOUSEENTER;
        if (enter) ReleasePressedSpeedButtons(Control);
        if (enter && ControlKind == ckNoHotTrack) break;
        MouseOver = enter;
        BackgroundStale = true;
        if (TsSkinManager* manager = ManagerInEffect()) {
            if (enter) {
                if (windowed && windowed->HandleAllocated())
                    manager->SetHotWindow(windowed->Handle());
                else
                    manager->SetHotControl(Control);
            }
        }
        if (IsEditKind(ControlKind) && Section().States >= 2) {
            if (enter || !HasFocus) UpdateSkinColors(false);
            if (windowed && windowed->HandleAllocated() && Control->Visible())
                RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        }
        Invalidate(false);
        break;
    }
    case CM_VISIBLECHANGED:
        if (!CacheBitmap) break;
        if (message.WParam != 0) {
            PaintSuspended = false;
        } else {
            CacheBitmap->SetSize(0, 0);
            if (windowed) DeliverSkinCommandToChildren(windowed, SkinCommandParam(SKC_DROPCACHE), 0);
            BackgroundStale = true;
        }
        break;
    case CM_SHOWINGCHANGED:
        if (!Control->Visible()) break;
        UpdateSkinColors(false);
        NotifyParentForm(Control);
        break;
    case WM_PARENTNOTIFY: {
        const UINT event = LOWORD(message.WParam);
        if (event == WM_CREATE || event == WM_DESTROY) NotifyParentForm(Control);
        break;
    }
    case WM_CONTEXTMENU:
        SkinControlPopupMenu(Control, ManagerInEffect());
        break;
    case WM_UPDATEUISTATE:
        if (skinned) message.Result = 1;
        break;
    default:
        break;
    }
}

}  // namespace pakmole
