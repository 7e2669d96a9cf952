#pragma once
// TsSkinManager: the component that owns the current skin. It chooses where a
// skin comes from (a ".vlz" package file, a folder of loose files, or a skin
// stored with the component), has it read into the skin model, and tells the
// forms and skin-aware controls that the skin was applied, changed or removed.
// The first manager created in a process is the default manager.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/Bitmap32.h"
#include "skin/data/SkinModel.h"
#include "skin/data/StoredSkin.h"
#include "skin/manager/DialogHook.h"
#include "skin/manager/sMenuSupport.h"
#include "skin/manager/sSkinEffects.h"
#include "skin/manager/sThirdParty.h"
#include "ui/Component.h"
#include "ui/Message.h"

namespace pakmole {

class TControl;
class TCustomForm;
class TIniText;
class TSkinFileSource;
struct TsSkinLoadSettings;

enum TvlSkinningRule : unsigned {
    srStdForms = 1u << 0,     // forms without a provider of their own get one
    srStdDialogs = 1u << 1,   // the platform's message forms and dialogs are skinned
    srThirdParty = 1u << 2,   // controls named in the ThirdParty lists get adapters
};
using TvlSkinningRules = unsigned;
constexpr TvlSkinningRules kAllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

// Where the current skin came from.
enum class TsSkinSource { ssNone, ssPackageFile, ssFolder, ssInternal };

// The extended window border: two state images and the content insets.
struct TsExtBorders {
    TBitmap32 Active;
    TBitmap32 Inactive;
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

using TvlSysDlgInitEvent = std::function<void(TObject* sender, HWND dialog, bool& allowSkinning)>;
using TvlMenuExtraLineEvent =
    std::function<void(TObject* sender, TObject* firstItem, std::string& skinSection, std::string& caption,
                       bool& lineVisible)>;
using TvlPopupItemDataEvent = std::function<void(TObject* sender, TObject* item, std::string& skinSection)>;

class TsSkinManager : public TComponent {
public:
    explicit TsSkinManager(TComponent* owner);
    ~TsSkinManager() override;
    std::string ClassName() const override { return "TsSkinManager"; }

    // The process's default manager (nullptr when none).
    static TsSkinManager* DefaultManager();

    // --- published ---
    bool Active() const { return active_; }
    void SetActive(bool on);
    TvlAnimEffects& AnimEffects() { return animEffects_; }
    const std::vector<std::string>& CommonSections() const { return commonSections_; }
    void SetCommonSections(const std::vector<std::string>& lines);
    TvlSkinEffects& Effects() { return effects_; }
    // In effect only where layered windows exist.
    bool ExtendedBorders() const;
    void SetExtendedBorders(bool on);
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int value);
    TsStoredSkins& InternalSkins() { return internalSkins_; }
    bool IsDefault() const { return DefaultManager() == this; }
    void SetIsDefault(bool on);
    TvlMenuSupport& MenuSupport() { return menuSupport_; }
    int Saturation() const { return saturation_; }
    void SetSaturation(int value);
    const std::string& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const std::string& directory);
    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& name);
    // The loaded skin's version with "." as decimal separator; "N/A" when no skin is applied.
    std::string SkinInfo() const;
    void SetSkinInfo(const std::string&) {}  // read-only; a stored value is ignored
    bool SkinnedPopups() const { return skinnedPopups_; }
    void SetSkinnedPopups(bool on);
    TvlSkinningRules SkinningRules() const { return skinningRules_; }
    void SetSkinningRules(TvlSkinningRules rules) { skinningRules_ = rules; }
    ThirdPartyList& ThirdParty() { return thirdParty_; }
    std::string Version() const { return "8.40"; }
    void SetVersion(const std::string&) {}  // read-only

    TNotifyEvent OnBeforeChange;
    TNotifyEvent OnAfterChange;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnSkinListChanged;
    TvlSysDlgInitEvent OnSysDlgInit;
    TvlMenuExtraLineEvent OnGetMenuExtraLineData;
    TvlPopupItemDataEvent OnGetPopupItemData;

    // --- public ---
    // Names of the available skins, sorted without regard to case: internal
    // skins, then (mode 0 or 2) folders holding an "Options.dat" and (mode 1
    // or 2) ".vlz" files of the skin folder. firstName gets the first name
    // found when it is empty.
    void ListSkins(std::vector<std::string>& list, int mode, std::string& firstName) const;
    // Tells every form and skin-aware control that the skin parameters changed.
    void RefreshSkin(bool animated);
    void ApplySkin(bool animated);
    void RemoveSkin();

    // The loaded skin, for the controls that paint with it.
    const TsSkinModel& Model() const { return model_; }
    TsSkinModel& Model() { return model_; }
    bool SkinApplied() const { return model_.SkinData.SkinApplied; }
    bool FromPackage() const { return fromPackage_; }
    TsSkinSource Source() const { return source_; }
    int FindSection(const std::string& name) const { return model_.FindSection(name); }
    int FindMask(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const {
        return model_.FindMask(sectionIndex, sectionName, propertyName);
    }
    int FindMaskExact(const std::string& sectionName, const std::string& propertyName) const {
        return model_.FindMaskExact(sectionName, propertyName);
    }
    int FindTexture(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const {
        return model_.FindTexture(sectionIndex, sectionName, propertyName);
    }
    int FindPattern(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const {
        return model_.FindPattern(sectionIndex, sectionName, propertyName);
    }
    bool IsValidSection(int index) const { return model_.IsValidSection(index); }
    bool IsValidMask(int index) const { return model_.IsValidMask(index); }
    const TsSkinPalette& Palette() const { return model_.Palette; }
    const TsKnownIndexes& KnownIndexes() const { return model_.KnownIndexes; }
    const TsExtBorders& ExtBorders() const { return extBorders_; }

    // Class names matched against the ThirdParty lists (filled when loaded).
    const TsThirdPartyLists& ThirdPartyLists() const { return thirdPartyLists_; }

    // Folder of package files and the resolved skin folder of SkinDirectory.
    std::string PackageFolder() const;
    std::string SkinFolder() const;
    // The program's folder (ending with its delimiter) that relative skin
    // directories hang under; the executable's folder unless set.
    std::string ProgramFolder() const;
    void SetProgramFolder(const std::string& folder) { programFolder_ = folder; }

    // Hot-window tracking: the old hot window or control hears SKC_MOUSELEAVE,
    // the new one SKC_MOUSEENTER.
    HWND HotWindow() const { return hotWindow_; }
    void SetHotWindow(HWND window);
    TControl* HotControl() const { return hotControl_; }
    void SetHotControl(TControl* control);
    // A control on its way out must not stay hot.
    void ForgetControl(TControl* control);

    bool DialogHookInstalled() const { return dialogHook_.Installed(); }
    bool Removing() const { return removing_; }
    bool ApplyHeld() const { return applyHeld_; }

    // Live preview: loads a skin pushed by the skin editor from its options
    // text and the images of the named folder, then applies it.
    void LoadPreviewSkin(const std::string& directory, const std::string& name, const std::string& options);

    // The main window's messages, seen before the window handles them.
    bool WatchingMainWindow() const { return watchedForm_ != nullptr; }

protected:
    void Loaded() override;
    void BeforeDestruction() override;

private:
    void ResignDefault();
    bool Designing() const { return (ComponentState() & csDesigning) != 0; }
    void Fire(const TNotifyEvent& event) {
        if (event) event(this);
    }

    // Loading (sSkinManager_load.cpp).
    void LoadSkin(const std::string& name);
    void LoadFromSource(bool chooseSource);
    void LoadFromPackageFile(const TsSkinLoadSettings& settings);
    void LoadFromFolderOrInternal(const TsSkinLoadSettings& settings);
    void ReloadFromSameSource();
    void ReloadAfterChange();
    TsSkinLoadSettings LoadSettings();
    void CheckVersion(double version);
    std::string CommonSectionsText() const;

    // Applying (sSkinManager_apply.cpp).
    void Broadcast(uint16_t command);
    struct Transition;
    void PrepareTransition(Transition& transition);
    void FinishTransition(Transition& transition);
    void RedrawAutoProviders();

    // Extended borders (sSkinManager_borders.cpp).
    void RebuildKnownIndexes();
    void PrepareExtendedBorders();

    // Main-window watch (sSkinManager_watch.cpp).
    void WatchMainWindow();
    void StopWatchingMainWindow();
    void WatchMessage(TMessage& message);

    bool active_ = true;
    TvlAnimEffects animEffects_;
    std::vector<std::string> commonSections_;
    TvlSkinEffects effects_;
    bool extendedBorders_ = false;
    int hueOffset_ = 0;
    TsStoredSkins internalSkins_;
    TvlMenuSupport menuSupport_;
    int saturation_ = 0;
    std::string skinDirectory_;
    std::string skinName_;
    bool skinnedPopups_ = true;
    TvlSkinningRules skinningRules_ = kAllSkinningRules;
    ThirdPartyList thirdParty_;
    TsThirdPartyLists thirdPartyLists_;

    TsSkinModel model_;
    bool fromPackage_ = false;
    TsSkinSource source_ = TsSkinSource::ssNone;
    TsExtBorders extBorders_;
    HWND hotWindow_ = nullptr;
    TControl* hotControl_ = nullptr;
    bool applyHeld_ = false;
    std::optional<std::string> previewText_;
    TsDialogHook dialogHook_;
    bool removing_ = false;
    std::optional<std::string> programFolder_;

    TCustomForm* watchedForm_ = nullptr;
    TWndMethod watchedPrevious_;
    WPARAM minimizeCommand_ = 0;  // SC_MINIMIZE or SC_RESTORE under way, 0 when none
    bool hideAnimated_ = false;
};

}  // namespace pakmole
