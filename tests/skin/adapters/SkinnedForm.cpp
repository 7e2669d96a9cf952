#include "tests/skin/adapters/SkinnedForm.h"

#include "skin/controls/provider/sSkinProvider.h"
#include "skin/manager/MainSkinManager.h"
#include "tests/skin/manager/ManagerTestSupport.h"

namespace pakmole::test {

ComponentPtr<TsSkinManager> AppliedInternalSkin() {
    ComponentPtr<TsSkinManager> manager = MakeManager();
    manager->SetIsDefault(true);
    manager->SetSkinName(kInternalSkinName);
    return manager;
}

TForm* SkinnedForm(RecordingApplication& app, int width, int height) {
    TForm* form = app.App().CreateForm<TForm>();
    form->SetBounds(100, 100, width, height);
    new TsSkinProvider(form);
    return form;
}

}  // namespace pakmole::test
