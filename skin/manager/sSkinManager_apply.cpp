// Applying, refreshing and removing a skin, and the transition that lets
// forms fade from their old look to the new one.
#include <algorithm>
#include <vector>

#include "skin/manager/FormSkinLinks.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"

namespace pakmole {
namespace {

bool StillLinked(TsFormSkinLink* link) {
    const auto& links = FormSkinLinks();
    return std::find(links.begin(), links.end(), link) != links.end();
}

bool ApplicationMinimized() {
    TApplication* app = Application();
    TCustomForm* main = app ? app->MainForm() : nullptr;
    return main && main->HandleAllocated() && IsIconic(main->Handle());
}

}  // namespace

struct TsSkinManager::Transition {
    std::vector<TsFormSkinLink*> Stopped;  // forms whose drawing was switched off
    bool FlagSet = false;
};

void TsSkinManager::Broadcast(uint16_t command) {
    BroadcastSkinCommand(SkinCommandParam(command), reinterpret_cast<LPARAM>(this));
}

void TsSkinManager::ApplySkin(bool animated) {
    if (IsLoading()) return;
    if (IsDefault() && !watchedForm_) WatchMainWindow();
    Transition transition;
    if (animated && !Designing()) PrepareTransition(transition);
    model_.SkinData.SkinApplied = false;
    if (menuSupport_.Engine) menuSupport_.Engine->ResetCache();
    RebuildKnownIndexes();
    Broadcast(SKC_APPLYSKIN);
    model_.SkinData.SkinApplied = true;
    if (menuSupport_.Engine) menuSupport_.Engine->Activate(skinnedPopups_);
    if (IsDefault() && !dialogHook_.Installed()) dialogHook_.Install();
    if (animated) RefreshSkin(false);
    // The forms stopped above must draw again, or they would stay frozen on
    // their old look until something else turned drawing back on.
    FinishTransition(transition);
}

void TsSkinManager::RefreshSkin(bool animated) {
    if (!Designing()) Broadcast(SKC_STOPANIMATION);
    if (IsLoading()) {
        Broadcast(SKC_REFRESH);
    } else {
        Transition transition;
        if (animated && !Designing()) PrepareTransition(transition);
        Broadcast(SKC_REFRESH);
        FinishTransition(transition);
    }
    RedrawAutoProviders();
}

void TsSkinManager::RemoveSkin() {
    removing_ = true;
    dialogHook_.Remove();
    model_.SkinData.SkinApplied = false;
    if (menuSupport_.Engine) {
        menuSupport_.Engine->Activate(false);
        menuSupport_.Engine->ResetCache();
    }
    Broadcast(SKC_REMOVESKIN);
    model_.Clear();
    removing_ = false;
}

void TsSkinManager::PrepareTransition(Transition& transition) {
    if (ApplicationMinimized()) return;
    if (IsDefault() && animEffects_.SkinChanging.Active) {
        SetSkinChangeInProgress(true);
        transition.FlagSet = true;
    }
    for (TsFormSkinLink* link : FormSkinLinks()) {
        TCustomForm* form = link->Form();
        if (!form || link->SkinManager() != this || form->IsDestroying() || !form->HandleAllocated()) continue;
        HWND window = form->Handle();
        if (!IsWindowVisible(window) || IsIconic(window) || (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) continue;
        link->BeginSkinChange();
        SendMessageA(window, WM_SETREDRAW, 0, 0);
        transition.Stopped.push_back(link);
    }
}

void TsSkinManager::FinishTransition(Transition& transition) {
    if (transition.FlagSet) SetSkinChangeInProgress(false);
    const TvlSkinChanging& changing = animEffects_.SkinChanging;
    for (TsFormSkinLink* link : transition.Stopped) {
        // A form may have gone while the command was handled.
        if (!StillLinked(link)) continue;
        TCustomForm* form = link->Form();
        if (!form || form->IsDestroying() || !form->HandleAllocated()) continue;
        HWND window = form->Handle();
        SendMessageA(window, WM_SETREDRAW, 1, 0);
        link->EndSkinChange(changing.Active, changing.Time, changing.Mode);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    transition.Stopped.clear();
}

void TsSkinManager::RedrawAutoProviders() {
    for (std::size_t i = 0; i < AutoProviderWindows().size(); ++i) {
        HWND window = AutoProviderWindows()[i];
        if (IsWindowVisible(window))
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

}  // namespace pakmole
