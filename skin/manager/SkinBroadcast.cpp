#include "skin/manager/SkinBroadcast.h"

#include "skin/manager/FormSkinLinks.h"
#include "skin/manager/SkinCommands.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"
#include "ui/WinControl.h"

#include <vector>

namespace pakmole {
namespace {

// Sent to the window when it has one; a control whose window is not made
// yet still hears it through its own chain.
LRESULT Deliver(TControl* control, WPARAM wParam, LPARAM lParam) {
    if (control->IsWindowed()) {
        auto* windowed = static_cast<TWinControl*>(control);
        if (windowed->HandleAllocated()) return SendMessageA(windowed->Handle(), SKM_COMMAND, wParam, lParam);
    }
    return control->Perform(SKM_COMMAND, wParam, lParam);
}

bool IsSkinAware(TControl* control, LPARAM lParam) {
    return Deliver(control, SkinCommandParam(SKC_ISSKINNED), lParam) == 1;
}

void SendToForm(TCustomForm* form, WPARAM wParam, LPARAM lParam) {
    Deliver(form, wParam, lParam);
    if (!form->IsDestroying()) SendSkinCommandToChildren(form, wParam, lParam);
}

bool OwnedBy(const TApplication* app, const TComponent* component) {
    for (int i = 0; i < app->ComponentCount(); ++i)
        if (app->Components(i) == component) return true;
    return false;
}

}  // namespace

void SendSkinCommandToChildren(TWinControl* parent, WPARAM wParam, LPARAM lParam) {
    // A receiver may add or free children: the bounds are checked anew each time.
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child->IsDestroying()) break;
        auto* windowed = child->IsWindowed() ? static_cast<TWinControl*>(child) : nullptr;
        if (!windowed || !windowed->HandleAllocated()) {
            child->Perform(SKM_COMMAND, wParam, lParam);
            continue;
        }
        if (IsSkinAware(windowed, lParam))
            SendMessageA(windowed->Handle(), SKM_COMMAND, wParam, lParam);
        else
            SendSkinCommandToChildren(windowed, wParam, lParam);
    }
}

void BroadcastSkinCommand(WPARAM wParam, LPARAM lParam) {
    if (TApplication* app = Application()) {
        // A receiver may free forms: the list is taken first, and each form
        // is looked for again before it is visited.
        std::vector<TCustomForm*> forms;
        for (int i = app->ComponentCount() - 1; i >= 0; --i)
            if (auto* form = dynamic_cast<TCustomForm*>(app->Components(i))) forms.push_back(form);
        for (TCustomForm* form : forms) {
            if (!OwnedBy(app, form) || form->IsDestroying() || form->IsLoading()) continue;
            if (IsSkinAware(form, lParam)) continue;
            SendToForm(form, wParam, lParam);
        }
    }
    // The register may change while its forms handle the command.
    for (std::size_t i = 0; i < FormSkinLinks().size(); ++i) {
        TCustomForm* form = FormSkinLinks()[i]->Form();
        if (form && !form->IsDestroying()) SendToForm(form, wParam, lParam);
    }
    for (std::size_t i = 0; i < AutoProviderWindows().size(); ++i) {
        HWND window = AutoProviderWindows()[i];
        if (IsWindowVisible(window)) SendMessageA(window, SKM_COMMAND, wParam, lParam);
    }
}

}  // namespace pakmole
