#pragma once
// The in-memory skin: global data, sections, mask records, textures, the
// master bitmap, the palette and the known indexes, with the lookups that
// skinned controls use. Lookups compare names exactly and answer -1 when
// nothing is found.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/Bitmap32.h"
#include "skin/data/GeneralData.h"
#include "skin/data/KnownIndexes.h"
#include "skin/data/MaskData.h"
#include "skin/data/SkinData.h"

namespace pakmole {

using TsMaskArray = std::vector<TsMaskData>;
using TsSkinPalette = std::array<int32_t, 28>;

// Names of the palette entries, by index.
enum TsPaletteIndex : int {
    pcMainColor = 0, pcLabelText, pcWebText, pcWebTextHot, pcEditText, pcEditBG, pcSelectionBG, pcSelectionText,
    pcSelectionBGFocused, pcSelectionTextFocused, pcEditBG_Inverted, pcEditText_Inverted, pcEditBG_OddRow,
    pcEditBG_EvenRow, pcEditText_Ok, pcEditText_Warning, pcEditText_Alert, pcEditText_Caution, pcEditText_Bypassed,
    pcEditBG_Ok, pcEditBG_Warning, pcEditBG_Alert, pcEditBG_Caution, pcEditBG_Bypassed, pcEditText_Highlight1,
    pcEditText_Highlight2, pcEditText_Highlight3, pcBorder
};

class TsSkinModel {
public:
    TsSkinModel() = default;
    TsSkinModel(const TsSkinModel&) = delete;
    TsSkinModel& operator=(const TsSkinModel&) = delete;

    TsSkinData SkinData;
    std::vector<TsGeneralData> Sections;
    TsMaskArray Masks;
    std::vector<TsPatternData> Patterns;
    TBitmap32 MasterBitmap;
    TsSkinPalette Palette{};
    TsKnownIndexes KnownIndexes;
    bool Loaded = false;  // a skin was loaded (its global data is valid)

    // Frees the records and the master bitmap and empties the sections, as
    // when skinning is switched off. The global data stays.
    void Clear();

    int FindSection(const std::string& name) const;
    int FindMask(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const;
    int FindMaskExact(const std::string& sectionName, const std::string& propertyName) const;
    int FindTexture(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const;
    int FindPattern(int sectionIndex, const std::string& sectionName, const std::string& propertyName) const;
    bool IsValidSection(int index) const;
    bool IsValidMask(int index) const;

    // Margins of a mask record: its own margin when positive, else its
    // DefaultMargin when positive, else the whole state width or height.
    int32_t MaskMarginLeft(int maskIndex);
    int32_t MaskMarginTop(int maskIndex) const;
    int32_t MaskMarginRight(int maskIndex) const;
    int32_t MaskMarginBottom(int maskIndex) const;

    // Fills the known indexes and then the mask indexes of the sections again.
    void RebuildKnownIndexes();
    // Sets each section's frame, corner and texture indexes from the masks.
    void UpdateSectionMaskIndexes();

private:
    template <typename Match>
    int FindInherited(int sectionIndex, const std::string& sectionName, const std::string& propertyName,
                      Match match) const;
};

}  // namespace pakmole
