#include "skin/manager/sSkinManager.h"

#include <cstdio>

#include "base/FileSystem.h"
#include "skin/manager/CommandSwitches.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinFolders.h"
#include "ui/Control.h"

namespace pakmole {
namespace {
TsSkinManager* defaultManager = nullptr;
}

TsSkinManager* TsSkinManager::DefaultManager() { return defaultManager; }

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner), internalSkins_([this] { Fire(OnSkinListChanged); }) {
    RunStartupSwitchesOnce();
    thirdParty_.FillEmptyWithDefaults();
    thirdPartyLists_.Fill(thirdParty_);
    if (!defaultManager) {
        defaultManager = this;
        WatchMainWindow();
    }
}

TsSkinManager::~TsSkinManager() {
    // Free runs BeforeDestruction; a plain delete must not leave the default
    // reference, the hook or the main window's chain pointing here.
    if (!IsDestroying()) BeforeDestruction();
}

void TsSkinManager::BeforeDestruction() {
    if (model_.SkinData.SkinApplied) RemoveSkin();
    menuSupport_.Engine.reset();
    active_ = false;
    dialogHook_.Remove();
    StopWatchingMainWindow();
    if (defaultManager == this) defaultManager = nullptr;
    thirdPartyLists_.WriteBack(thirdParty_);
    hotControl_ = nullptr;
    hotWindow_ = nullptr;
    TComponent::BeforeDestruction();
}

void TsSkinManager::Loaded() {
    TComponent::Loaded();
    if (skinDirectory_.empty()) skinDirectory_ = "c:\\Skins";
    menuSupport_.FillEmptyWithDefaults();
    thirdParty_.FillEmptyWithDefaults();
    thirdPartyLists_.Fill(thirdParty_);
    if (IsDefault()) WatchMainWindow();
    if (active_ && !skinName_.empty()) {
        ApplySkin(false);
        if (!Designing()) Fire(OnActivate);
    }
}

void TsSkinManager::SetActive(bool on) {
    if (on) {
        active_ = true;
        SetSkinName(skinName_);
        return;
    }
    // Switching off twice must not tell the listeners twice.
    if (!active_) return;
    active_ = false;
    if (skinName_.empty()) return;
    if (!IsLoading()) RemoveSkin();
    RebuildKnownIndexes();
    if (!Designing()) Fire(OnDeactivate);
}

void TsSkinManager::SetSkinName(const std::string& name) {
    if (!active_) {
        skinName_ = name;
        return;
    }
    LoadSkin(name);
}

void TsSkinManager::SetSkinDirectory(const std::string& directory) {
    if (directory == skinDirectory_) return;
    skinDirectory_ = directory;
    model_.SkinData.ImageFolder = SkinFolder();
    Fire(OnSkinListChanged);
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines) {
    commonSections_.clear();
    for (std::string line : lines) {
        // Keys and values of the overlay are written without blanks; a
        // comment stays as it was written.
        if (!line.empty() && line.front() != ';') std::erase(line, ' ');
        commonSections_.push_back(std::move(line));
    }
    SetSkinName(skinName_);
}

void TsSkinManager::SetHueOffset(int value) {
    if (value == hueOffset_) return;
    hueOffset_ = value;
    if (active_ && !IsLoading()) ReloadAfterChange();
}

void TsSkinManager::SetSaturation(int value) {
    if (value == saturation_) return;
    saturation_ = value;
    if (active_ && !IsLoading()) ReloadAfterChange();
}

bool TsSkinManager::ExtendedBorders() const { return extendedBorders_ && LayeredWindowsAvailable(); }

void TsSkinManager::SetExtendedBorders(bool on) {
    if (on == extendedBorders_) return;
    extendedBorders_ = on;
    if (!model_.SkinData.SkinApplied) return;
    PrepareExtendedBorders();
    if (IsLoading() || Designing())
        ReloadFromSameSource();
    else
        ReloadAfterChange();
}

void TsSkinManager::SetIsDefault(bool on) {
    if (!on && defaultManager && defaultManager != this) return;  // only recorded: another one is the default
    if (!on) {
        // The default gives up its role; controls without a manager then have none.
        ResignDefault();
        return;
    }
    if (defaultManager != this) {
        // One hook and one watch per process: they go with the role.
        if (defaultManager) defaultManager->ResignDefault();
        defaultManager = this;
        WatchMainWindow();
    }
    if (active_)
        ApplySkin(true);
    else
        RemoveSkin();
}

void TsSkinManager::ResignDefault() {
    StopWatchingMainWindow();
    dialogHook_.Remove();
    if (defaultManager == this) defaultManager = nullptr;
}

void TsSkinManager::SetSkinnedPopups(bool on) {
    if (on == skinnedPopups_) return;
    skinnedPopups_ = on;
    if (menuSupport_.Engine && SkinApplied()) menuSupport_.Engine->Activate(on);
}

std::string TsSkinManager::SkinInfo() const {
    if (!model_.SkinData.SkinApplied) return "N/A";
    char text[64];
    std::snprintf(text, sizeof(text), "%.15g", model_.SkinData.Version);
    std::string info = text;
    for (char& c : info)
        if (c == ',') c = '.';  // whatever the C library's locale says
    return info;
}

std::string TsSkinManager::PackageFolder() const { return SkinPackageFolder(skinDirectory_); }

std::string TsSkinManager::SkinFolder() const { return ResolveSkinFolder(skinDirectory_, ProgramFolder()); }

std::string TsSkinManager::ProgramFolder() const { return programFolder_ ? *programFolder_ : ExecutableFolder(); }

void TsSkinManager::SetHotWindow(HWND window) {
    if (window == hotWindow_) return;
    HWND old = hotWindow_;
    hotWindow_ = window;
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    if (old && IsWindow(old)) SendMessageA(old, SKM_COMMAND, SkinCommandParam(SKC_MOUSELEAVE), self);
    if (window) SendMessageA(window, SKM_COMMAND, SkinCommandParam(SKC_MOUSEENTER), self);
}

void TsSkinManager::SetHotControl(TControl* control) {
    if (control == hotControl_) return;
    TControl* old = hotControl_;
    hotControl_ = control;
    const LPARAM self = reinterpret_cast<LPARAM>(this);
    if (old && !old->IsDestroying()) old->Perform(SKM_COMMAND, SkinCommandParam(SKC_MOUSELEAVE), self);
    if (control) control->Perform(SKM_COMMAND, SkinCommandParam(SKC_MOUSEENTER), self);
}

void TsSkinManager::ForgetControl(TControl* control) {
    if (hotControl_ == control) hotControl_ = nullptr;
}

}  // namespace pakmole
