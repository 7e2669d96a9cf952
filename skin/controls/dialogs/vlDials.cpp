#include "skin/controls/dialogs/vlDials.h"

#include <algorithm>
#include <string>

#include "skin/controls/dialogs/vlDialogChildTable.h"
#include "skin/controls/dialogs/vlProvider.h"
#include "skin/manager/DialogHook.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"

namespace pakmole {

namespace {

bool IsDialogClass(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return std::string(name) == "#32770";
}

bool HasToolbar(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[64] = {};
        GetClassNameA(child, name, sizeof(name));
        if (LowerClassName(name) == "toolbarwindow32" || HasToolbar(child)) return true;
    }
    return false;
}

int VisibleSkinnedDialogs() {
    const auto& providers = DialogProviders();
    return static_cast<int>(std::count_if(providers.begin(), providers.end(), [](const auto& p) {
        return p->Frame() && !p->Frame()->Destroyed() && IsWindowVisible(p->Handle());
    }));
}

void OnWindowEvent(int code, HWND window) {
    if (code == kHookRemoved) {
        ReleaseAllDialogProviders();
        return;
    }
    if (code == HCBT_ACTIVATE) {
        SkinDialog(window);
        return;
    }
    if (code != HCBT_DESTROYWND) return;
    if (ProviderOfDialog(window)) {
        ReleaseDialogProvider(window);
        return;
    }
    for (const auto& provider : DialogProviders()) provider->ForgetChild(window);
}

void OnWindowCreating(HWND window, const CREATESTRUCTA& create) {
    if (!(create.style & WS_CHILD)) {
        // A dialog is skinned before its first message, so the platform never paints it.
        if (IsDialogClass(window)) SkinDialog(window);
        return;
    }
    if (DialogProviders().empty()) return;
    // A window made inside a skinned dialog (the file list of a newly opened
    // folder) is adapted once it is made.
    HWND root = GetAncestor(window, GA_ROOT);
    if (root && ProviderOfDialog(root)) PostMessageA(root, TvlDialogWnd::ChildrenChangedMessage(), 0, 0);
}

}  // namespace

bool SkinDialog(HWND dialog) {
    TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager || !manager->Active() || manager->IsDestroying() || !dialog) return false;
    if (ProviderOfDialog(dialog)) return true;
    if (!IsDialogClass(dialog)) return false;
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    if ((style & WS_CHILD) || ((style & WS_POPUP) && !(style & WS_BORDER))) return false;
    if (!(manager->SkinningRules() & srStdDialogs)) return false;
    if (SendMessageA(dialog, SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0) != 0) return false;
    if (VisibleSkinnedDialogs() >= 2 && !HasToolbar(dialog)) return false;
    bool allowed = true;
    if (manager->OnSysDlgInit) manager->OnSysDlgInit(manager, dialog, allowed);
    if (!allowed) return false;
    auto provider = std::make_unique<TvlProvider>(dialog);
    TvlProvider* raw = provider.get();
    DialogProviders().push_back(std::move(provider));
    if (!raw->Attach(manager)) {
        ReleaseDialogProvider(dialog);
        return false;
    }
    return true;
}

void InstallDialogSkinning() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    TsDialogHook::AddWindowEventHandler(&OnWindowEvent);
    TsDialogHook::AddWindowCreatingHandler(&OnWindowCreating);
}

}  // namespace pakmole
