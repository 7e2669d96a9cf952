#include "skin/controls/dialogs/vlProvider.h"

#include <algorithm>

#include "skin/controls/adapters/vlAdapterClasses.h"
#include "skin/controls/dialogs/vlDialogChildTable.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"

namespace pakmole {

namespace {

POINT dialogPosition{-1, -1};
std::vector<std::unique_ptr<TvlProvider>> released;
UINT_PTR freeTimer = 0;

// Raised while the adapters of a dialog's children are made.
class DialogModeScope {
public:
    DialogModeScope() : previous_(DialogMode()) { SetDialogMode(true); }
    ~DialogModeScope() { SetDialogMode(previous_); }
    DialogModeScope(const DialogModeScope&) = delete;
    DialogModeScope& operator=(const DialogModeScope&) = delete;

private:
    bool previous_;
};

template <class T>
std::unique_ptr<TvlMainWnd> Make(HWND window, const std::string& section, TsSkinManager* manager) {
    auto adapter = std::make_unique<T>(window, true, section, manager, nullptr);
    adapter->Start();
    return adapter;
}

std::unique_ptr<TvlMainWnd> MakeChildAdapter(const TvlChildChoice& c, HWND w, TsSkinManager* m) {
    using A = TvlChildAdapter;
    switch (c.Adapter) {
    case A::Static: return Make<TvlStaticWnd>(w, c.Section, m);
    case A::Icon: return Make<TvlIconWnd>(w, c.Section, m);
    case A::Edge: return Make<TvlEdgeWnd>(w, c.Section, m);
    case A::TransPanel: return Make<TvlTransPanelWnd>(w, c.Section, m);
    case A::Panel: return Make<TvlPanelWnd>(w, c.Section, m);
    case A::Edit: return Make<TvlEditWnd>(w, c.Section, m);
    case A::GroupBox: return Make<TvlGroupBoxWnd>(w, c.Section, m);
    case A::CheckBox: return Make<TvlCheckBoxWnd>(w, c.Section, m);
    case A::Button: return Make<TvlBtnWnd>(w, c.Section, m);
    case A::ComboBox: return Make<TvlComboBoxWnd>(w, c.Section, m);
    case A::ComboList: return Make<TvlComboListWnd>(w, c.Section, m);
    case A::Sizer: return Make<TvlSizerWnd>(w, c.Section, m);
    case A::TabControl: return Make<TvlTabControlWnd>(w, c.Section, m);
    case A::ListView: return Make<TvlListViewWnd>(w, c.Section, m);
    case A::Spin: return Make<TvlSpinWnd>(w, c.Section, m);
    case A::Track: return Make<TvlTrackWnd>(w, c.Section, m);
    case A::Link: return Make<TvlLinkWnd>(w, c.Section, m);
    case A::ToolBar: return Make<TvlToolBarWnd>(w, c.Section, m);
    case A::TreeView: return Make<TvlTreeViewWnd>(w, c.Section, m);
    case A::None: break;
    }
    return nullptr;
}

std::string WindowClass(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

void CALLBACK FreeOnTimer(HWND, UINT, UINT_PTR, DWORD) { FreeReleasedProviders(); }

}  // namespace

std::vector<std::unique_ptr<TvlProvider>>& DialogProviders() {
    static std::vector<std::unique_ptr<TvlProvider>> providers;
    return providers;
}

TvlProvider* ProviderOfDialog(HWND dialog) {
    for (const auto& p : DialogProviders())
        if (p->Handle() == dialog) return p.get();
    return nullptr;
}

int ReleasedProviderCount() { return static_cast<int>(released.size()); }

void FreeReleasedProviders() {
    if (freeTimer) {
        KillTimer(nullptr, freeTimer);
        freeTimer = 0;
    }
    // Moved out first: freeing may reach this list again.
    auto gone = std::move(released);
    released.clear();
}

void ReleaseDialogProvider(HWND dialog) {
    auto& providers = DialogProviders();
    const auto it = std::find_if(providers.begin(), providers.end(), [dialog](const auto& p) { return p->Handle() == dialog; });
    if (it == providers.end()) return;
    std::unique_ptr<TvlProvider> provider = std::move(*it);
    providers.erase(it);
    provider->Detach();
    // The dialog's own procedure may still be running through an adapter:
    // the objects go when the thread is back in its message loop.
    released.push_back(std::move(provider));
    if (!freeTimer) freeTimer = SetTimer(nullptr, 0, 0, &FreeOnTimer);
}

void ReleaseAllDialogProviders() {
    auto& providers = DialogProviders();
    while (!providers.empty()) ReleaseDialogProvider(providers.back()->Handle());
    FreeReleasedProviders();
}

void SetDialogPosition(int x, int y) { dialogPosition = POINT{x, y}; }

TvlProvider::TvlProvider(HWND dialog) : dialog_(dialog) {}

TvlProvider::~TvlProvider() { Detach(); }

void TvlProvider::Detach() {
    // Children first: the frame answers their questions about the background.
    for (auto& child : children_) {
        if (!child->Destroyed()) {
            try {
                child->Unsubclass();
            } catch (...) {
                // A window half gone: nothing more to give back.
            }
        }
    }
    if (frame_ && !frame_->Destroyed()) {
        frame_->AttachChildren = nullptr;
        try {
            frame_->Unsubclass();
        } catch (...) {
        }
    }
}

void TvlProvider::ForgetChild(HWND child) {
    for (auto& adapter : children_)
        if (adapter->Handle() == child && !adapter->Destroyed()) adapter->Unsubclass();
}

bool TvlProvider::Attach(TsSkinManager* manager) {
    manager_ = manager;
    frame_ = std::make_unique<TvlDialogWnd>(dialog_, true, "DIALOG", manager, nullptr);
    frame_->Start();
    if (dialogPosition.x != -1 || dialogPosition.y != -1) frame_->PlaceAt(dialogPosition);
    if (!AttachChildren()) {
        Detach();
        return false;
    }
    frame_->InitDialog();
    frame_->AttachChildren = [this] { AttachChildren(); };
    SendMessageA(dialog_, SKM_COMMAND, SkinCommandParam(SKC_APPLYSKIN), reinterpret_cast<LPARAM>(manager));
    return true;
}

bool TvlProvider::AttachChildren() {
    if (attaching_) return true;
    attaching_ = true;
    bool ok = true;
    try {
        // Adapters whose windows went on their own are dropped first.
        children_.erase(std::remove_if(children_.begin(), children_.end(),
                                       [](const auto& a) { return a->Destroyed() && !IsWindow(a->Handle()); }),
                        children_.end());
        DialogModeScope dialogMode;
        AttachTree(dialog_);
    } catch (...) {
        ok = false;
    }
    attaching_ = false;
    return ok;
}

void TvlProvider::AttachTree(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // The children of a window before the window itself.
        AttachTree(child);
        if (TvlMainWnd::FromWindow(child)) continue;
        const auto style = static_cast<uint32_t>(GetWindowLongA(child, GWL_STYLE));
        const auto exStyle = static_cast<uint32_t>(GetWindowLongA(child, GWL_EXSTYLE));
        const TvlChildChoice choice =
            ChildAdapterFor(WindowClass(child), style, exStyle, (style & WS_VISIBLE) != 0);
        if (choice.Adapter == TvlChildAdapter::None) continue;
        std::unique_ptr<TvlMainWnd> adapter = MakeChildAdapter(choice, child, manager_);
        if (!adapter) continue;
        RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        children_.push_back(std::move(adapter));
    }
}

}  // namespace pakmole
