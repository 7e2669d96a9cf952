// Loading a skin into the model: choosing its source, reading it, and
// reporting what went wrong without losing the skin in use.
#include <string_view>

#include "base/Exceptions.h"
#include "base/FileSystem.h"
#include "base/MemoryStream.h"
#include "skin/data/IniText.h"
#include "skin/data/PackagedSkin.h"
#include "skin/data/SkinConvertor.h"
#include "skin/data/SkinFileSource.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinVersionNotice.h"
#include "skin/manager/CommandSwitches.h"
#include "skin/manager/FormSkinLinks.h"
#include "skin/manager/PreviewLink.h"
#include "skin/manager/SkinFolders.h"
#include "skin/manager/SkinMessages.h"
#include "skin/manager/WinSystemColors.h"
#include "skin/manager/sSkinManager.h"

namespace pakmole {
namespace {

std::string_view AsText(const ByteBuffer& bytes) {
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

void TsSkinManager::LoadSkin(const std::string& name) {
    const std::string oldName = skinName_;
    skinName_ = name;
    Fire(OnBeforeChange);
    if (ExtendedBorders() && !applyHeld_ && animEffects_.SkinChanging.Active) {
        for (TsFormSkinLink* link : FormSkinLinks())
            if (link->SkinManager() == this) link->SnapshotForSkinChange();
    }
    model_.SkinData.SkinApplied = false;
    StripPackageSuffix(skinName_);
    try {
        LoadFromSource(true);
    } catch (const std::exception& error) {
        // The partly built model is applied all the same; the name tells
        // which skin the user asked for last that worked.
        skinName_ = oldName;
        ShowSkinMessage(TsSkinMessageKind::smError, error.what());
    }
    if (active_) {
        if (!applyHeld_) ApplySkin(true);
        if (!Designing() && !IsLoading()) Fire(OnActivate);
    } else {
        RemoveSkin();
        if (!Designing()) Fire(OnActivate);
    }
    Fire(OnAfterChange);
}

TsSkinLoadSettings TsSkinManager::LoadSettings() {
    TsSkinLoadSettings settings;
    settings.CommonSections = CommonSectionsText();
    settings.HueOffset = hueOffset_;
    settings.Saturation = saturation_;
    settings.Colors = &WinSystemColors();
    settings.SizingFrameWidth = GetSystemMetrics(SM_CXSIZEFRAME);
    settings.CheckVersion = [this](double version) { CheckVersion(version); };
    return settings;
}

std::string TsSkinManager::CommonSectionsText() const {
    std::string text;
    for (const std::string& line : commonSections_) text += line + "\r\n";
    return text;
}

void TsSkinManager::CheckVersion(double version) {
    const bool oldSkinNotice = Designing() || HasSkinSwitch(ProgramArguments(), "/vltest");
    const auto notice = SkinVersionNotice(version, skinName_, oldSkinNotice);
    if (!notice) return;
    if (!notice->Warning) {
        ShowSkinMessage(TsSkinMessageKind::smInformation, notice->Text);
        return;
    }
    // The warning box itself must not be taken over by dialog skinning,
    // which cannot be trusted with a skin it does not fully support.
    const bool dialogsSkinned = (skinningRules_ & srStdDialogs) != 0;
    skinningRules_ &= ~srStdDialogs;
    ShowSkinMessage(TsSkinMessageKind::smWarning, notice->Text);
    if (dialogsSkinned) skinningRules_ |= srStdDialogs;
}

void TsSkinManager::LoadFromSource(bool chooseSource) {
    const TsSkinLoadSettings settings = LoadSettings();
    if (chooseSource) {
        fromPackage_ = FileExists(PackageFolder() + skinName_ + ".vlz");
        // The editor pushes a skin it has open as a folder, even when a
        // package of the same name lies beside it.
        if (PreviewLinkInUse() && DirectoryExists(PackageFolder() + skinName_)) fromPackage_ = false;
        source_ = fromPackage_ ? TsSkinSource::ssPackageFile : TsSkinSource::ssFolder;
    }
    if (source_ == TsSkinSource::ssPackageFile)
        LoadFromPackageFile(settings);
    else
        LoadFromFolderOrInternal(settings);
}

void TsSkinManager::LoadFromPackageFile(const TsSkinLoadSettings& settings) {
    std::unique_ptr<TvlSkinConvertor> package;
    TvlSkinConvertor::UnpackFile(PackageFolder() + skinName_ + ".vlz", package, true);
    model_.SkinData.ImageFolder = SkinFolder() + "\\";
    if (!package) throw Exception("Cannot open the skin package \"" + skinName_ + ".vlz\"");
    if (!package->OptionsData) throw Exception("The skin package holds no \"Options.dat\"");
    const TIniText options(AsText(package->OptionsData->Bytes()));
    const TPackageFileSource files(*package);
    LoadSkinModel(model_, options, files, settings);
}

void TsSkinManager::LoadFromFolderOrInternal(const TsSkinLoadSettings& settings) {
    model_.SkinData.ImageFolder = SkinFolder() + "\\" + skinName_ + "\\";
    const TSkinFileSource looseFiles;
    if (previewText_) {
        fromPackage_ = false;
        source_ = TsSkinSource::ssFolder;
        LoadSkinModel(model_, TIniText(*previewText_), looseFiles, settings);
        return;
    }
    const std::string optionsPath = model_.SkinData.ImageFolder + "Options.dat";
    if (FileExists(optionsPath)) {
        fromPackage_ = false;
        source_ = TsSkinSource::ssFolder;
        TMemoryStream file;
        file.LoadFromFile(optionsPath);
        LoadSkinModel(model_, TIniText(AsText(file.Bytes())), looseFiles, settings);
        return;
    }
    model_.SkinData.ImageFolder.clear();
    int index = internalSkins_.IndexOf(skinName_);
    if (index < 0) {
        if (internalSkins_.Count() == 0) {
            // Nothing to load from anywhere: skinning goes off, and the
            // caller removes what is left of the old skin.
            active_ = false;
            fromPackage_ = false;
            source_ = TsSkinSource::ssNone;
            return;
        }
        index = 0;
        skinName_ = internalSkins_[0].Name;
    }
    fromPackage_ = true;
    source_ = TsSkinSource::ssInternal;
    TsStoredSkin& stored = internalSkins_[index];
    if (stored.PackedData.Bytes().empty())
        throw Exception("The internal skin \"" + stored.Name + "\" holds no package");
    LoadPackagedSkin(model_, stored.PackedData, settings);
}

void TsSkinManager::ReloadFromSameSource() {
    try {
        LoadFromSource(false);
    } catch (const std::exception& error) {
        ShowSkinMessage(TsSkinMessageKind::smError, error.what());
    }
    PrepareExtendedBorders();
}

void TsSkinManager::ReloadAfterChange() {
    ReloadFromSameSource();
    Fire(OnAfterChange);
    if (!applyHeld_) RefreshSkin(true);
}

void TsSkinManager::LoadPreviewSkin(const std::string& directory, const std::string& name,
                                    const std::string& options) {
    applyHeld_ = true;
    previewText_ = options;
    try {
        SetSkinDirectory(directory);
        SetSkinName(name);
    } catch (...) {
        applyHeld_ = false;
        previewText_.reset();
        throw;
    }
    applyHeld_ = false;
    // The editor wants to see its change at once, not fade into it.
    const bool animate = animEffects_.SkinChanging.Active;
    animEffects_.SkinChanging.Active = false;
    ApplySkin(true);
    animEffects_.SkinChanging.Active = animate;
    previewText_.reset();
}

}  // namespace pakmole
