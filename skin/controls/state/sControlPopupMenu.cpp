#include "skin/controls/state/sControlPopupMenu.h"

#include "skin/manager/sSkinManager.h"
#include "ui/Control.h"
#include "ui/Menu.h"

namespace pakmole {

void SkinControlPopupMenu(TControl* control, TsSkinManager* manager) {
    if (!control || !control->PopupMenu || !manager) return;
    if (TsMenuEngine* engine = manager->MenuSupport().EngineOf(manager))
        engine->HookMenu(*control->PopupMenu, manager->Active() && manager->SkinApplied());
}

}  // namespace pakmole
