#pragma once
// Components own other components: an owner frees what it owns, the last
// created first, and tells the remaining ones when one goes away.
#include <memory>
#include <string>
#include <vector>

#include "ui/Object.h"

namespace pakmole {

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,     // being built from a stored description; Loaded ends it
    csReading = 1u << 1,
    csDestroying = 1u << 3,  // on its way out: notifications to it are skipped
    csDesigning = 1u << 4,   // never set at run time; kept for code that asks
};
using TComponentState = unsigned;

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string ClassName() const override { return "TComponent"; }

    // Frees the component the way its owner would: the most derived class
    // still exists while handles and owned components are released.
    void Free();

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    int ComponentIndex() const;
    TComponent* FindComponent(const std::string& name) const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    long Tag() const { return tag_; }
    void SetTag(long tag) { tag_ = tag; }

    TComponentState ComponentState() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }

    // A stored description is replayed between these two: components created
    // in between (and the components they create) start in the loading state,
    // and EndLoad calls Loaded on each of them in creation order, sub-components
    // before their owner, and last on this component.
    void BeginLoad();
    void EndLoad();

protected:
    // Called once the stored properties are all set.
    virtual void Loaded();
    // Told when a component owned by the same owner (or by this one) comes or goes.
    virtual void Notification(TComponent* component, TOperation operation);
    // Runs at the start of Free, while the whole object is alive.
    virtual void BeforeDestruction();
    void DestroyComponents();
    void SetLoadingFlag(bool on);

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::string name_;
    long tag_ = 0;
    TComponentState state_ = 0;
    bool freeing_ = false;
};

// unique_ptr that frees a component through Free.
struct ComponentDeleter {
    void operator()(TComponent* component) const { component->Free(); }
};
template <class T>
using ComponentPtr = std::unique_ptr<T, ComponentDeleter>;

}  // namespace pakmole
