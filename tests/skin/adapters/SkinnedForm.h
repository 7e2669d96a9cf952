#pragma once
// The usual stage of the skinned-control tests under Wine: the built-in skin
// applied by the default manager, and a form with a form provider.
#include "skin/manager/sSkinManager.h"
#include "tests/ui/GuiTestSupport.h"
#include "ui/CustomForm.h"

namespace pakmole::test {

// The default manager with "Emberline (internal)" applied (check Active()).
ComponentPtr<TsSkinManager> AppliedInternalSkin();
// A form at (100, 100) of the size, with a form provider, not shown yet.
TForm* SkinnedForm(RecordingApplication& app, int width, int height);

}  // namespace pakmole::test
