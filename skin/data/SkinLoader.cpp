#include "skin/data/SkinLoader.h"

#include <vector>

#include "skin/data/IniText.h"
#include "skin/data/MaskRecords.h"
#include "skin/data/NumberText.h"
#include "skin/data/SectionReader.h"
#include "skin/data/SkinColorAdjust.h"
#include "skin/data/SkinFileSource.h"
#include "skin/data/SkinPalette.h"
#include "skin/data/SkinPictures.h"
#include "skin/data/SystemColors.h"
#include "skin/data/TextCase.h"

namespace pakmole {
namespace {

constexpr const char* kGlobal = "GLOBALINFO";
// Textures this large stay whole; smaller ones become mask records.
constexpr int64_t kLargeTexturePixels = 900000;

bool IsJpegReference(const std::string& upperValue) {
    return upperValue.find(".JPG") != std::string::npos || upperValue.find(".JPEG") != std::string::npos;
}

class TsSkinLoader {
public:
    TsSkinLoader(TsSkinModel& model, const TIniText& options, const TSkinFileSource& files,
                 const TsSkinLoadSettings& settings)
        : model_(model),
          options_(options),
          settings_(settings),
          colors_(settings.Colors ? *settings.Colors : DefaultSystemColors()),
          pictures_(files, model.SkinData),
          records_(model, pictures_) {}

    void Load() {
        const bool hasOverlay = !TrimControl(settings_.CommonSections).empty();
        if (hasOverlay) overlay_ = TIniText(settings_.CommonSections, false, false);

        model_.Loaded = true;
        try {
            model_.SkinData.Version = options_.ReadFloat(kGlobal, "VERSION", 0);
            CheckVersion();
            LoadMasks(hasOverlay);
            LoadTextures(hasOverlay);
            LoadSections(hasOverlay);
            model_.UpdateSectionMaskIndexes();
            FillSkinPalette(model_, options_, colors_);
            AdjustSkinHue(model_, settings_.HueOffset);
            AdjustSkinSaturation(model_, settings_.Saturation);
            model_.RebuildKnownIndexes();
        } catch (...) {
            // A failed load leaves a partly built skin in use; its sections
            // must not keep indexes into records that are gone or different.
            model_.RebuildKnownIndexes();
            throw;
        }
    }

private:
    void CheckVersion() const {
        if (settings_.CheckVersion) settings_.CheckVersion(model_.SkinData.Version);
    }

    void LoadMasterBitmap() {
        model_.MasterBitmap = TBitmap32();
        const auto name = options_.Find(kGlobal, "MASTERBITMAP");
        if (!name) return;
        const std::string value(*name);
        if (const auto picture = pictures_.FromSkin(value, value, TPicturePrep::Opaque))
            model_.MasterBitmap = *picture;
    }

    void LoadMasks(bool hasOverlay) {
        while (!model_.Masks.empty()) model_.Masks.pop_back();
        LoadMasterBitmap();
        for (const auto& section : options_.Sections())
            for (const auto& entry : section.Entries) {
                if (section.Name == kGlobal && entry.Key == "MASTERBITMAP") continue;
                records_.AddRecord(section.Name, entry.Key, entry.Value);
            }
        if (!hasOverlay) return;
        for (const auto& section : overlay_.Sections()) {
            if (UpperCase(section.Name) == kGlobal) continue;
            for (const auto& entry : section.Entries) records_.AddOverlayRecord(section.Name, entry.Key, entry.Value);
        }
    }

    // A JPEG image the skin (or the common sections) names; nullptr when there is none.
    std::shared_ptr<TBitmap32> LoadJpeg(const std::string& value, bool fromSkin) {
        auto picture = fromSkin ? pictures_.FromSkin(UpperCase(value), value, TPicturePrep::Opaque)
                                : pictures_.FromOverlay(value, TPicturePrep::Opaque);
        return picture && picture->Width() > 0 ? picture : nullptr;
    }

    void LoadTextures(bool hasOverlay) {
        model_.Patterns.clear();
        for (const auto& section : options_.Sections())
            for (const auto& entry : section.Entries) {
                if (!IsJpegReference(UpperCase(entry.Value))) continue;
                auto picture = LoadJpeg(entry.Value, true);
                if (!picture) continue;
                if (static_cast<int64_t>(picture->Width()) * picture->Height() >= kLargeTexturePixels) {
                    model_.Patterns.push_back(
                        TsPatternData{std::move(picture), UpperCase(section.Name), UpperCase(entry.Key)});
                } else {
                    TsMaskData m;
                    m.SectionName = UpperCase(section.Name);
                    m.PropertyName = UpperCase(entry.Key);
                    m.MaskBitmap = std::move(picture);
                    m.RecordKind = 1;
                    m.FrameCount = 1;
                    m.Owner = &model_;
                    model_.Masks.push_back(std::move(m));
                }
            }
        if (!hasOverlay) return;
        for (const auto& section : overlay_.Sections())
            for (const auto& entry : section.Entries) {
                if (!IsJpegReference(UpperCase(entry.Value))) continue;
                auto picture = LoadJpeg(entry.Value, false);
                if (!picture) continue;
                model_.Patterns.push_back(
                    TsPatternData{std::move(picture), UpperCase(section.Name), UpperCase(entry.Key)});
            }
    }

    void LoadSections(bool hasOverlay) {
        model_.Sections.clear();
        TsSectionReader reader(options_, colors_);
        reader.ReadGlobalData(model_.SkinData, settings_.SizingFrameWidth);
        CheckVersion();
        for (const auto& section : options_.Sections()) model_.Sections.push_back(reader.ReadSection(section.Name));
        if (hasOverlay) AddOverlaySections();
    }

    void AddOverlaySections();

    TsSkinModel& model_;
    const TIniText& options_;
    const TsSkinLoadSettings& settings_;
    const SystemColors& colors_;
    TSkinPictures pictures_;
    TsMaskRecordReader records_;
    TIniText overlay_;
};

// A section that only the common sections describe takes each key from the
// overlay, else from the skin section its PARENTCLASS names, else the default.
void TsSkinLoader::AddOverlaySections() {
    for (const auto& section : overlay_.Sections()) {
        if (model_.FindSection(section.Name) >= 0) continue;
        const std::string parentName = UpperCase(overlay_.ReadString(section.Name, "PARENTCLASS", "-1"));
        const TsGeneralData* parent = nullptr;
        for (const TsGeneralData& s : model_.Sections)
            if (UpperCase(s.SectionName) == parentName) {
                parent = &s;
                break;
            }
        const TsGeneralData defaults;
        const TsGeneralData& base = parent ? *parent : defaults;
        const auto integer = [&](const char* key, int32_t inherited) {
            return overlay_.ReadInteger(section.Name, key, inherited);
        };
        const auto text = [&](const char* key, const std::string& inherited) {
            const auto v = overlay_.Find(section.Name, key);
            return v ? std::string(*v) : inherited;
        };
        const auto boolean = [&](const char* key, bool inherited) {
            const auto v = overlay_.Find(section.Name, key);
            return v ? SkinBoolean(std::string(*v)) : inherited;
        };

        TsGeneralData s;
        s.SectionName = section.Name;
        s.ParentClass = parentName;
        s.FrameMask = 0;
        s.PatternIndex = 0;
        s.States = integer("STATES", base.States);
        s.Color = colors_.Resolve(integer("COLOR", base.Color));
        s.Transparency = integer("TRANSPARENCY", base.Transparency);
        s.GradientPercent = integer("GRADIENTPERCENT", base.GradientPercent);
        s.GradientData = text("GRADIENTDATA", base.GradientData);
        s.ImagePercent = integer("IMAGEPERCENT", base.ImagePercent);
        s.FontColor = integer("FONTCOLOR", base.FontColor);
        s.TCLeft = integer("TCLEFT", base.TCLeft);
        s.TCTop = integer("TCTOP", base.TCTop);
        s.TCRight = integer("TCRIGHT", base.TCRight);
        s.TCBottom = integer("TCBOTTOM", base.TCBottom);
        s.HotColor = integer("HOTCOLOR", base.HotColor);
        s.HotTransparency = integer("HOTTRANSPARENCY", base.HotTransparency);
        s.HotGradientPercent = integer("HOTGRADIENTPERCENT", base.HotGradientPercent);
        s.HotGradientData = text("HOTGRADIENTDATA", base.HotGradientData);
        s.HotImagePercent = integer("HOTIMAGEPERCENT", base.HotImagePercent);
        s.HotFontColor = integer("HOTFONTCOLOR", base.HotFontColor);
        s.HotTCLeft = integer("HOTTCLEFT", base.HotTCLeft);
        s.HotTCTop = integer("HOTTCTOP", base.HotTCTop);
        s.HotTCRight = integer("HOTTCRIGHT", base.HotTCRight);
        s.HotTCBottom = integer("HOTTCBOTTOM", base.HotTCBottom);
        s.GiveOwnFont = boolean("GIVEOWNFONT", base.GiveOwnFont);
        s.ReservedBoolean = boolean("RESERVEDBOOLEAN", base.ReservedBoolean);
        s.ShowFocus = boolean("SHOWFOCUS", base.ShowFocus);
        s.Glow = integer("GLOW", base.Glow);
        s.GlowMargin = integer("GLOWMARGIN", base.GlowMargin);
        s.FadingEnabled = boolean("FADINGENABLED", base.FadingEnabled);
        s.FadingIterations = integer("FADINGITERATIONS", base.FadingIterations);
        s.HotGlowColor = colors_.Resolve(integer("HGCOL", base.HotGlowColor));
        s.GlowColor = colors_.Resolve(integer("GCOL", base.GlowColor));
        s.HotGlowSize = SaturateByte(integer("HGSIZE", base.HotGlowSize));
        s.GlowSize = SaturateByte(integer("GSIZE", base.GlowSize));
        CompleteSection(s);
        model_.Sections.push_back(std::move(s));
    }
}

}  // namespace

void LoadSkinModel(TsSkinModel& model, const TIniText& options, const TSkinFileSource& files,
                   const TsSkinLoadSettings& settings) {
    TsSkinLoader(model, options, files, settings).Load();
}

}  // namespace pakmole
