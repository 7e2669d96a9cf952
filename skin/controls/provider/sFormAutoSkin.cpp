#include "skin/controls/provider/sFormAutoSkin.h"

#include "skin/controls/dialogs/vlDials.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/manager/FormSkinLinks.h"
#include "skin/manager/SkinCommands.h"
#include "ui/CustomForm.h"
#include "ui/FormCreationHook.h"

namespace pakmole {

namespace {

void GiveProvider(TCustomForm& form) {
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager || !manager->Active() || form.IsLoading() || form.IsDestroying()) return;
    if (!WantsAutoProvider(form.ClassName(), form.Tag(), manager->SkinningRules())) return;
    if (form.Perform(SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0) != 0) return;
    // The form takes the skin's main colour (UseGlobalColor stays on): its
    // labels are given the skin's label colour, unreadable on the platform's
    // light face colour of a dark skin.
    auto* provider = new TsSkinProvider(&form);
    provider->MarkAutoCreated();
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace

bool WantsAutoProvider(const std::string& className, long tag, TvlSkinningRules rules) {
    if ((tag & ~0x61L) == -98) return false;
    if (className == "TApplication" || className == "TfcPopup") return false;
    if (className == "TMessageForm" && (rules & srStdDialogs) != 0) return true;
    return (rules & srStdForms) != 0;
}

void InstallFormAutoSkin() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    // The platform's own dialogs are skinned by the same rules as they appear.
    InstallDialogSkinning();
    TFormCreatedHandler previous = SetFormCreatedHandler(nullptr);
    SetFormCreatedHandler([previous](TCustomForm& form) {
        if (previous) previous(form);
        GiveProvider(form);
    });
}

}  // namespace pakmole
