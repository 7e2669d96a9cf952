#pragma once
// The skin of a skin-aware control that a window adapter paints: the control
// keeps the adapter and the adapter's skin state, and starts the adapter on
// its own window whenever the window is made while a skin is active.
#include <memory>
#include <string>

#include "skin/controls/adapters/vlMainWnd.h"
#include "skin/controls/state/sCommonData.h"
#include "ui/WinControl.h"

namespace pakmole {

class TsOwnAdapter {
public:
    TsOwnAdapter(TWinControl* control, const std::string& section);
    ~TsOwnAdapter();
    TsOwnAdapter(const TsOwnAdapter&) = delete;
    TsOwnAdapter& operator=(const TsOwnAdapter&) = delete;

    TsCommonData& SkinData() { return *skinData_; }
    TvlMainWnd* Adapter() const { return adapter_.get(); }

    // Call once the control's window exists (its CreateHandleDone).
    template <class Adapter>
    void Attach() {
        Detach();
        if (TsSkinManager* manager = ActiveManager()) {
            adapter_ = std::make_unique<Adapter>(control_->Handle(), true, skinData_->SkinSection(), manager,
                                                 skinData_.get());
            adapter_->Start();
        }
    }
    // Call before the control's window goes (its DestroyingHandle).
    void Detach() { adapter_.reset(); }

private:
    TsSkinManager* ActiveManager() const;

    TWinControl* control_;
    std::unique_ptr<TsCommonData> skinData_;
    std::unique_ptr<TvlMainWnd> adapter_;
};

}  // namespace pakmole
