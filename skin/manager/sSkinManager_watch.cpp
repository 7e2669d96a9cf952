// The default manager sees the main window's messages before the window
// handles them, for the animations of the main form and the repaint request.
#include <utility>

#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"
#include "ui/Screen.h"

namespace pakmole {
namespace {

// Asks every form to repaint its skinned look.
constexpr UINT kRepaintAllForms = 0xB000;

bool FormAlive(TCustomForm* form) {
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (Screen().Forms(i) == form) return true;
    return false;
}

}  // namespace

void TsSkinManager::WatchMainWindow() {
    if (Designing()) return;
    TApplication* app = Application();
    TCustomForm* target = app ? app->MainForm() : nullptr;
    // While the first form is being built it is not the main form yet, but
    // it will be: the manager on it watches it from the start.
    if (!target) target = dynamic_cast<TCustomForm*>(Owner());
    if (!target || target == watchedForm_ || target->IsDestroying()) return;
    StopWatchingMainWindow();
    watchedForm_ = target;
    watchedPrevious_ = target->WindowProc;
    target->WindowProc = [this](TMessage& message) { WatchMessage(message); };
}

void TsSkinManager::StopWatchingMainWindow() {
    TCustomForm* form = std::exchange(watchedForm_, nullptr);
    if (form && FormAlive(form)) form->WindowProc = std::move(watchedPrevious_);
    watchedPrevious_ = nullptr;
}

void TsSkinManager::WatchMessage(TMessage& message) {
    // Held while the previous handler runs: a handler may free this manager.
    TWndMethod previous = watchedPrevious_;
    switch (message.Msg) {
        case WM_SYSCOMMAND: {
            const WPARAM command = message.WParam & 0xFFF0;
            // The animation itself belongs to the form provider; the manager
            // remembers which way the window is going.
            if ((command == SC_MINIMIZE || command == SC_RESTORE) && SkinApplied()) minimizeCommand_ = command;
            break;
        }
        case WM_WINDOWPOSCHANGED: {
            const TApplication* app = Application();
            const TvlFormHide& hide = animEffects_.FormHide;
            if (app && app->Terminated() && LayeredWindowsAvailable() && hide.Active && hide.Time != 0)
                hideAnimated_ = true;  // once per run; the window animations play it
            break;
        }
        case WM_THEMECHANGED:
            // A skinned window keeps its look whatever the system theme does.
            message.Result = 0;
            return;
        case kRepaintAllForms:
            for (int i = 0; i < Screen().FormCount(); ++i) {
                TCustomForm* form = Screen().Forms(i);
                if (form->HandleAllocated())
                    SendMessageA(form->Handle(), SKM_COMMAND, SkinCommandParam(SKC_REPAINT),
                                 reinterpret_cast<LPARAM>(this));
            }
            // The number is shared with the control layer's activation
            // notice, so the window still gets to handle it.
            break;
        default:
            break;
    }
    // The skinned menus' own messages (0xBCB3, 0xBCB4) and the thumbnail
    // requests go on to the form provider, which hands them to the menus.
    if (previous) previous(message);
}

}  // namespace pakmole
