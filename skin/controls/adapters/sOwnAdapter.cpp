#include "skin/controls/adapters/sOwnAdapter.h"

#include "skin/manager/sSkinManager.h"

namespace pakmole {

TsOwnAdapter::TsOwnAdapter(TWinControl* control, const std::string& section)
    : control_(control), skinData_(std::make_unique<TsCommonData>(nullptr, true)) {
    skinData_->ControlKind = ckAdapterItem;
    skinData_->SectionIndex = -1;
    skinData_->Control = control;
    skinData_->SetSkinSection(section);
}

TsOwnAdapter::~TsOwnAdapter() {
    // The adapter lets go of the window before its skin state goes.
    adapter_.reset();
}

TsSkinManager* TsOwnAdapter::ActiveManager() const {
    TsSkinManager* manager = skinData_->ManagerInEffect();
    return manager && manager->Active() && !manager->IsDestroying() ? manager : nullptr;
}

}  // namespace pakmole
