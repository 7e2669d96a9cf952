#pragma once
// One full paint of a skinned control into its cache bitmap: section
// background, corner images, frame mask, colour adjustments; and the looks
// built on it (disabled looks, the colour shown behind children).
#include <cstdint>
#include <optional>

#include "skin/data/Bitmap32.h"
#include "skin/data/SkinModel.h"
#include "skin/render/BgSource.h"
#include "skin/render/MaskPainter.h"

namespace pakmole {

// What the painter reads of a control's skin state. The window-side state
// object fills one of these; the painter never needs the window.
struct TsControlPaintData {
    const TsSkinModel* Skin = nullptr;
    int32_t SectionIndex = -1;
    int32_t FrameMaskIndex = -1;
    int32_t TextureIndex = -1;
    int32_t HotTextureIndex = -1;
    bool CustomColor = false;
    int32_t Color = 0;  // the control's own colour, used with CustomColor
    int32_t HUEOffset = 0;
    int32_t Saturation = 0;
};

void PaintControl(const TsControlPaintData& control, const TBgSource& parentBg, bool cornerBlend, TBitmap32& target,
                  TPoint32 offset, const TRect32& rect, int state);

enum TsDisabledKindBit : int { dkBlended = 1, dkGrayed = 2 };

// The grayed disabled look over the whole bitmap.
void PaintDisabledGrayed(TBitmap32& cache);
// The blended disabled look: 60 percent of the parent's image over the control
// (parent's offsets plus controlPos), else half the parent's colour; a parent
// colour of 0xFF00FF is replaced by fallbackColor (what the parent answers as
// the colour behind its children).
void PaintDisabledBlended(TBitmap32& cache, const TBgSource& parentBg, TPoint32 controlPos, int32_t fallbackColor);

// The colour a control shows behind its children. parentColor is the parent's
// answer (or its colour); none when there is no parent.
int32_t ChildBgColor(const TsGeneralData& section, std::optional<int32_t> parentColor, int32_t ownColor);

}  // namespace pakmole
