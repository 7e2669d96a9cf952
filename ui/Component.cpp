#include "ui/Component.h"

#include <algorithm>
#include <cctype>

namespace pakmole {

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Free() {
    if (freeing_) return;
    freeing_ = true;
    state_ |= csDestroying;
    BeforeDestruction();
    delete this;
}

void TComponent::BeforeDestruction() { DestroyComponents(); }

void TComponent::DestroyComponents() {
    // Last created goes first, so later components may rely on earlier ones
    // while they are torn down.
    while (!components_.empty()) {
        TComponent* last = components_.back();
        last->Free();
        // Free removes it through RemoveComponent; guard against a component
        // that detached itself differently.
        if (!components_.empty() && components_.back() == last) components_.pop_back();
    }
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_) {
        // Component names compare without regard to case, as the platform does.
        if (c->name_.size() == name.size() &&
            std::equal(name.begin(), name.end(), c->name_.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return c;
    }
    return nullptr;
}

void TComponent::SetName(const std::string& name) { name_ = name; }

void TComponent::BeginLoad() { SetLoadingFlag(true); }

void TComponent::EndLoad() {
    // Owned components finish first, each after its own sub-components; a
    // component may create further components in Loaded, so walk by index.
    for (size_t i = 0; i < components_.size(); ++i)
        if (components_[i]->IsLoading()) components_[i]->EndLoad();
    if (IsLoading()) Loaded();
}

void TComponent::SetLoadingFlag(bool on) {
    if (on)
        state_ |= csLoading | csReading;
    else
        state_ &= ~(csLoading | csReading);
}

void TComponent::Loaded() { SetLoadingFlag(false); }

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component) {
    component->owner_ = this;
    if (IsLoading()) component->SetLoadingFlag(true);
    components_.push_back(component);
    for (TComponent* c : components_)
        if (c != component) c->Notification(component, TOperation::opInsert);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    component->owner_ = nullptr;
    if (!IsDestroying()) {
        for (TComponent* c : components_)
            if (!c->IsDestroying()) c->Notification(component, TOperation::opRemove);
        Notification(component, TOperation::opRemove);
    }
}

}  // namespace pakmole
