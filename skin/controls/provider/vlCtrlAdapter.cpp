#include "skin/controls/provider/vlCtrlAdapter.h"

#include <algorithm>

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/manager/sThirdParty.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"
#include "ui/Label.h"
#include "ui/SpeedButton.h"
#include "ui/WinControl.h"

namespace pakmole {
namespace {

// One walk at a time: adapters created during a walk may report new windows.
bool addingAll = false;

constexpr long kIgnoredTag = -98;
constexpr long kPlainLabelTag = 98;

TWinControl* Windowed(TComponent* component) {
    auto* control = dynamic_cast<TControl*>(component);
    return control && control->IsWindowed() ? static_cast<TWinControl*>(control) : nullptr;
}

bool AnswersSkinned(TWinControl* control) {
    return control->HandleAllocated() &&
           SendMessageA(control->Handle(), SKM_COMMAND, SkinCommandParam(SKC_ISSKINNED), 0) != 0;
}

bool InAnyList(const TsSkinManager* manager, const std::string& className) {
    if (!manager) return false;
    for (int i = 0; i < kThirdPartyCount; ++i)
        if (manager->ThirdPartyLists().Contains(i, className)) return true;
    return false;
}

// A plain label on a skinned form shows what lies behind it, in the skin's label colour.
void TakeSkinLabelLook(TControl* label, const TsSkinManager* manager) {
    if (label->Tag() == kPlainLabelTag) return;
    label->SetControlStyle(label->ControlStyle() & ~csOpaque);
    label->Font().SetColor(manager->Palette()[pcLabelText]);
}

}  // namespace

TvlAdapterItem::TvlAdapterItem(TvlCtrlAdapter* registry, TControl* control)
    : Control(control), SkinData(std::make_unique<TsCommonData>(nullptr, true)), Registry(registry) {
    SkinData->ControlKind = ckAdapterItem;
    SkinData->SectionIndex = -1;
}

TvlAdapterItem::~TvlAdapterItem() {
    // The adapter lets go of the window before its skin state goes.
    Adapter.reset();
    SkinData.reset();
}

void TvlAdapterItem::Hook() {
    TWinControl* control = Windowed(Control);
    if (!control || control->Tag() == kIgnoredTag || !control->Parent() || !control->HandleAllocated() ||
        AnswersSkinned(control))
        return;
    SkinData->Control = control;
    TsSkinManager* manager = Registry->SkinManager();
    if (!manager) return;
    const std::string className = control->ClassName();
    for (int i = 0; i < kThirdPartyCount; ++i) {
        if (!manager->ThirdPartyLists().Contains(i, className)) continue;
        if (i == tpSpeedButton) return;
        const std::string section = SkinData->SkinSection();
        Adapter = CreateListAdapter(i, control->Handle(), section, manager, SkinData.get());
        return;
    }
}

TvlGraphItem::TvlGraphItem(TvlCtrlAdapter* registry, TControl* control)
    : Control(control), SkinData(std::make_unique<TsCommonData>(nullptr, true)), Registry(registry) {
    SkinData->ControlKind = ckAdapterItem;
    SkinData->Control = control;
}

TvlGraphItem::~TvlGraphItem() {
    // A registry torn down at the program's end may outlive the button.
    if (Handler && !Control) Handler->Detach();
    Handler.reset();
    SkinData.reset();
}

void TvlGraphItem::Hook() {
    auto* button = dynamic_cast<TSpeedButton*>(Control);
    if (!button || Handler || !button->Parent()) return;
    TsSkinManager* manager = Registry->SkinManager();
    if (!manager) return;
    if (manager != TsSkinManager::DefaultManager()) SkinData->SetSkinManager(manager);
    Handler = std::make_unique<TvlSpeedButtonHandler>(button, SkinData.get());
}

TvlCtrlAdapter::TvlCtrlAdapter(TsSkinProvider* provider) : provider_(provider) {}

namespace {
// Whether component is still owned somewhere under owner, asked by address
// only: a component already freed is never touched.
bool OwnedUnder(const TComponent& owner, const TComponent* component) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        const TComponent* c = owner.Components(i);
        if (c == component || OwnedUnder(*c, component)) return true;
    }
    return false;
}
}  // namespace

TvlCtrlAdapter::~TvlCtrlAdapter() {
    CleanItems();
    const TApplication* app = Application();
    // A form frees its components without telling their siblings, so a speed
    // button freed before this registry never reached ForgetControl.
    const TCustomForm* form = provider_ ? provider_->Form() : nullptr;
    const bool formGoing = form && form->IsDestroying();
    while (!items_.empty()) items_.pop_back();
    while (!graphItems_.empty()) {
        TvlGraphItem& item = *graphItems_.back();
        // A program on its way out may already have freed the speed button.
        if ((app && app->Terminated()) || (formGoing && !OwnedUnder(*form, item.Control))) item.Control = nullptr;
        graphItems_.pop_back();
    }
}

TsSkinManager* TvlCtrlAdapter::SkinManager() const {
    return provider_ ? provider_->SkinData().ManagerInEffect() : TsSkinManager::DefaultManager();
}

int TvlCtrlAdapter::IndexOf(const TControl* control) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Control == control) return static_cast<int>(i);
    return -1;
}

bool TvlCtrlAdapter::Vetoed(TControl* control, std::string& section) const {
    if (!provider_ || !provider_->OnSkinItem) return false;
    bool canBeAdded = true;
    provider_->OnSkinItem(provider_, control, canBeAdded, section);
    return !canBeAdded;
}

bool TvlCtrlAdapter::IsControlSupported(TComponent* component) {
    auto* control = dynamic_cast<TControl*>(component);
    if (!control || control->Tag() == kIgnoredTag) return false;
    const TsSkinManager* manager = SkinManager();
    if (TWinControl* windowed = Windowed(control)) {
        if (!windowed->HandleAllocated() || !windowed->Parent() || AnswersSkinned(windowed)) return false;
        if (dynamic_cast<TCustomForm*>(windowed)) {
            std::string section = "FORM";
            return !Vetoed(control, section);
        }
        return InAnyList(manager, control->ClassName());
    }
    std::string section;
    if (dynamic_cast<TCustomLabel*>(control)) return !Vetoed(control, section);
    if (dynamic_cast<TSpeedButton*>(control)) return InAnyList(manager, control->ClassName()) && !Vetoed(control, section);
    return false;
}

void TvlCtrlAdapter::AddNewItem(TControl* control) { AddNewItem(control, DefaultSection); }

void TvlCtrlAdapter::AddNewItem(TControl* control, const std::string& givenSection) {
    if (!control || control->Tag() == kIgnoredTag || !control->Parent()) return;
    TWinControl* windowed = Windowed(control);
    if (windowed && AnswersSkinned(windowed)) return;
    std::string section = givenSection;
    if (Vetoed(control, section)) return;
    // A nested form would get a provider of its own; this program has none.
    if (dynamic_cast<TCustomForm*>(control)) return;
    const int index = IndexOf(control);
    TvlAdapterItem* item = index >= 0 ? items_[static_cast<std::size_t>(index)].get() : nullptr;
    if (!item) {
        items_.push_back(std::make_unique<TvlAdapterItem>(this, control));
        item = items_.back().get();
    }
    if (!section.empty()) item->SkinData->SetSkinSection(section);
    if (index >= 0) {
        if (item->Adapter && item->Adapter->Destroyed()) {
            item->Adapter.reset();
            item->Hook();
        }
        return;
    }
    if (control->Parent()) item->Hook();
    if (!item->Adapter) RemoveItem(IndexOf(control));
}

void TvlCtrlAdapter::AddGraphItem(TControl* control) {
    for (const auto& item : graphItems_)
        if (item->Control == control) return;
    graphItems_.push_back(std::make_unique<TvlGraphItem>(this, control));
    graphItems_.back()->Hook();
}

void TvlCtrlAdapter::RemoveItem(int index) {
    if (index < 0 || index >= ItemCount()) return;
    auto& slot = items_[static_cast<std::size_t>(index)];
    slot = std::move(items_.back());
    items_.pop_back();
}

void TvlCtrlAdapter::CleanItems() {
    std::erase_if(items_, [](const auto& item) { return !item->Adapter || item->Adapter->Destroyed(); });
}

void TvlCtrlAdapter::ForgetControl(const TComponent* component) {
    const auto same = [component](const auto& item) { return static_cast<const TComponent*>(item->Control) == component; };
    const auto it = std::find_if(items_.begin(), items_.end(), same);
    if (it != items_.end()) RemoveItem(static_cast<int>(it - items_.begin()));
    std::erase_if(graphItems_, same);
}

void TvlCtrlAdapter::BroadcastToItems(UINT msg, WPARAM wParam, LPARAM lParam) {
    // A receiver may change the registry: bounds are checked anew each time.
    for (std::size_t i = 0; i < items_.size(); ++i) {
        TvlAdapterItem& item = *items_[i];
        if (!item.Adapter || item.Adapter->Destroyed() || !item.Control || !item.Control->Parent()) continue;
        SendMessageA(item.Adapter->Handle(), msg, wParam, lParam);
    }
}

void TvlCtrlAdapter::AddAllItems(TWinControl* root) {
    const TsSkinManager* manager = SkinManager();
    if (!manager || (manager->SkinningRules() & srThirdParty) == 0 || addingAll) return;
    if (!root) root = provider_ ? provider_->Form() : nullptr;
    if (!root) return;
    addingAll = true;
    CleanItems();
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* component = root->Components(i);
        if (IsControlSupported(component)) {
            if (TWinControl* windowed = Windowed(component))
                AddNewItem(windowed, "");
            else if (auto* label = dynamic_cast<TCustomLabel*>(component))
                TakeSkinLabelLook(label, manager);
        }
        Descend(component);
    }
    AddChildren(root);
    addingAll = false;
}

void TvlCtrlAdapter::Descend(TComponent* component) {
    TWinControl* windowed = Windowed(component);
    if (!windowed || !windowed->HandleAllocated() || !windowed->Parent()) return;
    // The walk below is a walk of its own.
    addingAll = false;
    AddAllItems(windowed);
    addingAll = true;
}

void TvlCtrlAdapter::AddChildren(TWinControl* root) {
    const TsSkinManager* manager = SkinManager();
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* control = root->Controls(i);
        if (IsControlSupported(control)) {
            if (TWinControl* windowed = Windowed(control)) {
                AddNewItem(windowed, "");
            } else if (dynamic_cast<TSpeedButton*>(control)) {
                AddGraphItem(control);
            } else if (dynamic_cast<TLabel*>(control)) {
                TakeSkinLabelLook(control, manager);
            }
        }
        Descend(control);
    }
}

}  // namespace pakmole
