#pragma once
// The form provider's skinned system menu: the shared system menu
// (TsCustomSysMenu) with the items and rules of the provider's form.
#include <string>

#include "skin/controls/frame/sFrameLayout.h"
#include "skin/controls/menus/sCustomSysMenu.h"

namespace pakmole {

class TsSkinProvider;

class TsSystemMenu : public TsCustomSysMenu {
public:
    explicit TsSystemMenu(TsSkinProvider* provider);
    std::string ClassName() const override { return "TsSystemMenu"; }

    bool VisibleClose() const override { return Rules().VisibleClose; }
    bool VisibleMax() const override { return Rules().VisibleMax; }
    bool VisibleMin() const override { return Rules().VisibleMin; }
    bool EnabledMax() const override { return Rules().EnabledMax; }
    bool EnabledMin() const override { return Rules().EnabledMin; }
    bool EnabledRestore() const override { return Rules().EnabledRestore; }

    void UpdateItems() override;

private:
    TsSysMenuRules Rules() const;
    void Build();
    TsSkinProvider* provider_;
};

}  // namespace pakmole
