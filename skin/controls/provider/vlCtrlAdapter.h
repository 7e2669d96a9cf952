#pragma once
// The control registry of a form provider: which of the form's plain
// controls get a window adapter, decided by the skin manager's class-name
// lists, and the items that keep each adapter and its skin state.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/adapters/vlMainWnd.h"
#include "skin/controls/adapters/vlSpeedButtonHandler.h"
#include "skin/controls/state/sCommonData.h"
#include "ui/Object.h"

namespace pakmole {

class TComponent;
class TControl;
class TWinControl;
class TsSkinManager;
class TsSkinProvider;
class TvlCtrlAdapter;

class TvlAdapterItem : public TPersistent {
public:
    TvlAdapterItem(TvlCtrlAdapter* registry, TControl* control);
    ~TvlAdapterItem() override;
    std::string ClassName() const override { return "TvlAdapterItem"; }

    // Attaches the adapter of the first list naming the control's class.
    virtual void Hook();

    TControl* Control;
    std::unique_ptr<TsCommonData> SkinData;
    std::unique_ptr<TvlMainWnd> Adapter;
    TvlCtrlAdapter* Registry;
};

// A speed button (a control without a window) of the lists, painted by its
// handler.
class TvlGraphItem : public TPersistent {
public:
    TvlGraphItem(TvlCtrlAdapter* registry, TControl* control);
    ~TvlGraphItem() override;
    std::string ClassName() const override { return "TvlGraphItem"; }
    // Chains the painting handler in front of the speed button.
    virtual void Hook();

    TControl* Control;
    std::unique_ptr<TsCommonData> SkinData;
    std::unique_ptr<TvlSpeedButtonHandler> Handler;
    TvlCtrlAdapter* Registry;
};

// Asked before a control is skinned: may veto it or choose its section.
using TAddItemEvent = std::function<void(TObject* sender, TControl* item, bool& canBeAdded, std::string& section)>;

class TvlCtrlAdapter : public TPersistent {
public:
    explicit TvlCtrlAdapter(TsSkinProvider* provider);
    ~TvlCtrlAdapter() override;
    std::string ClassName() const override { return "TvlCtrlAdapter"; }

    virtual bool IsControlSupported(TComponent* component);
    virtual TvlAdapterItem* GetItem(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    virtual void AddGraphItem(TControl* control);
    virtual void AddNewItem(TControl* control);
    virtual void AddNewItem(TControl* control, const std::string& section);
    virtual void RemoveItem(int index);
    virtual void BroadcastToItems(UINT msg, WPARAM wParam, LPARAM lParam);

    // Every supported control of root (the provider's form when null), its
    // owned components and child controls, recursively.
    void AddAllItems(TWinControl* root = nullptr);
    // Frees the entries whose adapter is gone, keeping the order of the rest.
    void CleanItems();
    // A component going away: the entry of its control goes with it. Told
    // from the component's destructor, so only its address is compared.
    void ForgetControl(const TComponent* component);

    int ItemCount() const { return static_cast<int>(items_.size()); }
    int GraphItemCount() const { return static_cast<int>(graphItems_.size()); }
    TvlGraphItem* GetGraphItem(int index) const { return graphItems_.at(static_cast<std::size_t>(index)).get(); }
    int IndexOf(const TControl* control) const;
    TsSkinProvider* Provider() const { return provider_; }
    TsSkinManager* SkinManager() const;
    std::string DefaultSection;

private:
    bool Vetoed(TControl* control, std::string& section) const;
    void AddChildren(TWinControl* root);
    // Walks into a windowed control that has its window and parent.
    void Descend(TComponent* component);

    TsSkinProvider* provider_;
    std::vector<std::unique_ptr<TvlAdapterItem>> items_;
    std::vector<std::unique_ptr<TvlGraphItem>> graphItems_;
};

}  // namespace pakmole
