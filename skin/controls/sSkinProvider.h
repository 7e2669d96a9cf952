#pragma once
// TsSkinProvider: the component that skins a whole form. For now it carries
// the form's control registry: it chains in front of the form's message
// handling, hears the skin manager's commands through the form, and attaches
// window adapters to the form's plain controls as the skin is applied and as
// their windows appear. The skinned frame, caption, title buttons and client
// background will be painted here too (WM_NCPAINT, WM_ERASEBKGND and WM_PAINT
// in HandleMessage); until then the form keeps the platform's frame.
#include <memory>
#include <string>

#include "skin/controls/sCommonData.h"
#include "skin/controls/vlCtrlAdapter.h"
#include "skin/manager/FormSkinLinks.h"
#include "ui/Component.h"
#include "ui/Message.h"

namespace pakmole {

class TCustomForm;

class TsSkinProvider : public TComponent, public TsFormSkinLink {
public:
    // The owner must be a form.
    explicit TsSkinProvider(TComponent* owner);
    ~TsSkinProvider() override;
    std::string ClassName() const override { return "TsSkinProvider"; }

    TsCommonData& SkinData() { return *skinData_; }
    const TsCommonData& SkinData() const { return *skinData_; }
    // While skinned and without CustomColor the form takes the skin's main colour.
    bool UseGlobalColor() const { return useGlobalColor_; }
    void SetUseGlobalColor(bool on);
    TAddItemEvent OnSkinItem;

    // The registry (null until the skin is first applied).
    TvlCtrlAdapter* Adapter() const { return adapter_.get(); }
    // A second provider on the same form stays inactive.
    bool InactiveDuplicate() const { return duplicate_; }

    // TsFormSkinLink
    TCustomForm* Form() const override { return form_; }
    TsSkinManager* SkinManager() const override { return skinData_->ManagerInEffect(); }

protected:
    void Loaded() override;
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Creates the registry and adapts the form's controls, unless not skinned.
    virtual void PrepareForm();

private:
    struct Hook;
    struct HookLink;
    void HandleMessage(TMessage& message);
    bool HandleSkinCommand(TMessage& message);
    void EnsureRegistry();
    // The skin was applied or changed: sections again, every control adapted, the form's colour.
    void Reskin();
    void ApplyFormColor();
    void Unhook();

    TCustomForm* form_ = nullptr;
    std::shared_ptr<HookLink> link_;
    bool duplicate_ = false;
    bool useGlobalColor_ = true;
    std::unique_ptr<TsCommonData> skinData_;
    std::unique_ptr<TvlCtrlAdapter> adapter_;
};

}  // namespace pakmole
