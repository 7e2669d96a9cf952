#include "skin/controls/provider/sSkinProvider.h"

#include <utility>

#include "base/Exceptions.h"
#include "skin/controls/provider/sFormAutoSkin.h"
#include "skin/controls/provider/sSystemMenu.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinCommandDelivery_win.h"
#include "ui/CustomForm.h"

namespace pakmole {

// The provider's place in the form's WindowProc chain. Recognisable there, so
// that it is taken out only while it is the one in front; a hook that others
// chained in front of stays as a plain pass-through once the provider is gone.
struct TsSkinProvider::HookLink {
    TsSkinProvider* Provider = nullptr;
    TWndMethod Previous;
};

struct TsSkinProvider::Hook {
    std::shared_ptr<HookLink> Link;
    void operator()(TMessage& message) const {
        if (Link->Provider) {
            Link->Provider->HandleMessage(message);
        } else if (Link->Previous) {
            TWndMethod previous = Link->Previous;
            previous(message);
        }
    }
};

TsSkinProvider::TsSkinProvider(TComponent* owner) : TComponent(owner) {
    form_ = dynamic_cast<TCustomForm*>(owner);
    if (!form_) throw Exception("TsSkinProvider component may be used with forms only!");
    skinData_ = std::make_unique<TsCommonData>(this, true);
    skinData_->ProviderForm = form_;
    skinData_->ControlKind = ckFormProvider;
    skinData_->SetSkinSection("FORM");
    addedTitle_.OnChange = [this](TObject*) { InvalidateFrame(); };
    titleButtons_.OnChange = [this] {
        userButtonState_.clear();
        hotButton_ = pressedButton_ = -1;
        InvalidateFrame();
    };
    if (form_->IsLoading()) skinData_->PaintSuspended = true;
    if (form_->Perform(SKM_COMMAND, SkinCommandParam(SKC_GETPROVIDER), 0) != 0) {
        duplicate_ = true;
        return;
    }
    link_ = std::make_shared<HookLink>();
    link_->Provider = this;
    link_->Previous = form_->WindowProc;
    form_->WindowProc = Hook{link_};
    AddFormSkinLink(this);
    InstallFormAutoSkin();
    // Made at run time rather than from a stored description: ready at once.
    if (!IsLoading()) PrepareForm();
}

TsSkinProvider::~TsSkinProvider() {
    if (!IsDestroying()) BeforeDestruction();
}

void TsSkinProvider::MarkAutoCreated() {
    if (autoWindow_ || !form_->HandleAllocated()) return;
    autoWindow_ = form_->Handle();
    AddAutoProviderWindow(autoWindow_);
}

void TsSkinProvider::BeforeDestruction() {
    RemoveFormSkinLink(this);
    if (autoWindow_) RemoveAutoProviderWindow(std::exchange(autoWindow_, nullptr));
    for (auto& animation : animations_) animation.reset();
    UnhookApplication();
    hideWindow_.reset();
    // The registry first: every adapter gives its window back while the form still stands.
    adapter_.reset();
    Unhook();
    TComponent::BeforeDestruction();
}

void TsSkinProvider::Unhook() {
    if (!link_) return;
    const Hook* front = form_->WindowProc.target<Hook>();
    link_->Provider = nullptr;
    if (front && front->Link == link_) form_->WindowProc = link_->Previous;
    link_.reset();
}

void TsSkinProvider::Loaded() {
    TComponent::Loaded();
    skinData_->PaintSuspended = false;
    if (!duplicate_) PrepareForm();
}

void TsSkinProvider::PrepareForm() {
    if ((ComponentState() & csDesigning) != 0) return;
    skinData_->UpdateIndexes();
    if (!skinData_->Skinned()) return;
    EnsureRegistry();
    adapter_->AddAllItems();
    ApplyFormColor();
    InvalidateFrame();
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == sysMenu_) sysMenu_ = nullptr;
    if (operation == TOperation::opRemove && adapter_) adapter_->ForgetControl(component);
}

void TsSkinProvider::EnsureRegistry() {
    if (!adapter_) adapter_ = std::make_unique<TvlCtrlAdapter>(this);
}

void TsSkinProvider::Reskin() {
    skinData_->UpdateIndexes();
    skinData_->BackgroundStale = true;
    EnsureRegistry();
    adapter_->AddAllItems();
    ApplyFormColor();
}

void TsSkinProvider::SetUseGlobalColor(bool on) {
    if (on == useGlobalColor_) return;
    useGlobalColor_ = on;
    ApplyFormColor();
}

void TsSkinProvider::ApplyFormColor() {
    if (skinData_->CustomColor) return;
    const TsSkinManager* manager = SkinManager();
    if (useGlobalColor_ && skinData_->Skinned() && manager)
        form_->SetColor(manager->Palette()[pcMainColor]);
    else
        form_->SetColor(clBtnFace);
    form_->Invalidate();
}

bool TsSkinProvider::HandleSkinCommand(TMessage& m) {
    const bool ownManager = reinterpret_cast<TsSkinManager*>(m.LParam) == SkinManager();
    switch (SkinCommandCode(m.WParam)) {
    case SKC_GETPROVIDER:
        m.Result = reinterpret_cast<LRESULT>(this);
        return true;
    case SKC_ISSKINNED:
        m.Result = 1;
        return true;
    case SKC_APPLYSKIN:
        if (!ownManager) return true;
        Reskin();
        InvalidateFrame();
        return true;
    case SKC_REFRESH:
        if (!ownManager) return true;
        Reskin();
        InvalidateFrame();
        if (form_->HandleAllocated())
            RedrawWindow(form_->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        adapter_->BroadcastToItems(SKM_COMMAND, m.WParam, m.LParam);
        return true;
    case SKC_REMOVESKIN:
        if (!ownManager) return true;
        if (adapter_) adapter_->BroadcastToItems(SKM_COMMAND, m.WParam, m.LParam);
        adapter_.reset();
        skinData_->SectionIndex = -1;
        ForgetFrame();
        if (form_->HandleAllocated()) SetWindowRgn(form_->Handle(), nullptr, IsWindowVisible(form_->Handle()));
        ApplyFormColor();
        if (form_->HandleAllocated())
            RedrawWindow(form_->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return true;
    case SKC_CONTROLCHANGED:
        if (adapter_) adapter_->AddAllItems();
        return true;
    case SKC_GETBGINFO:
        if (m.LParam) AnswerBackground(*reinterpret_cast<TBgQuery*>(m.LParam));
        m.Result = 1;
        return true;
    case SKC_GETBGCOLOR:
        m.Result = static_cast<LRESULT>(ColorToRGB(form_->Color()));
        return true;
    case SKC_ISUPDATING:
        // Nothing of the form is painted from a cache yet: only a bulk update holds its children back.
        m.Result = skinData_->PaintSuspended ? 1 : 0;
        return true;
    case SKC_MOUSEENTER:
    case SKC_MOUSELEAVE:
        // The title buttons that will follow the hot state come with the frame painting.
        return true;
    default:
        return skinData_->HandleSkinCommand(m);
    }
}

void TsSkinProvider::HandleMessage(TMessage& m) {
    // Held while it runs: the provider may be freed by what the form does.
    TWndMethod previous = link_->Previous;
    if (HandleAnimationMessage(m, previous)) return;
    if (HandleFrameMessage(m, previous)) return;
    switch (m.Msg) {
    case SKM_COMMAND:
        if (HandleSkinCommand(m)) return;
        break;
    case CM_CONTROLLISTCHANGE:
        previous(m);
        if (m.LParam == 1 && adapter_) {
            auto* control = reinterpret_cast<TControl*>(m.WParam);
            if (control && control->IsWindowed()) {
                adapter_->AddNewItem(control);
                DeliverSkinCommand(control, SkinCommandParam(SKC_UPDATEFLATBG), 1);
            }
        }
        return;
    case WM_PRINT:
        PrintWindowTo(m, previous);
        return;
    case WM_ERASEBKGND:
        if (EraseClient(reinterpret_cast<HDC>(m.WParam))) {
            m.Result = 1;
            return;
        }
        break;
    case WM_PARENTNOTIFY:
        previous(m);
        if (LOWORD(m.WParam) == WM_CREATE && adapter_) adapter_->AddAllItems();
        return;
    case WM_NOTIFY:
        previous(m);
        // A tab page was changed: its controls may have windows now.
        if (adapter_ && reinterpret_cast<NMHDR*>(m.LParam)->code == static_cast<UINT>(-551)) adapter_->AddAllItems();
        return;
    case WM_MOUSEMOVE:
        // The mouse is on the form itself: no control under it stays hot.
        if (TsSkinManager* manager = TsSkinManager::DefaultManager();
            manager && form_->HandleAllocated() && manager->HotWindow() != form_->Handle())
            manager->SetHotWindow(form_->Handle());
        break;
    default:
        break;
    }
    previous(m);
}

}  // namespace pakmole
