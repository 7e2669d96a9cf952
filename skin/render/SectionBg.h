#pragma once
// The background of one control composed from its skin section: colour,
// gradient, texture, or a mix of them, optionally made partly transparent
// against the parent's background.
#include <cstdint>
#include <string>

#include "skin/data/Bitmap32.h"
#include "skin/data/SkinModel.h"
#include "skin/render/BgSource.h"
#include "skin/render/MaskPainter.h"

namespace pakmole {

// customColor is 0xFF00FF when the section's colour is to be used; offset is
// the control's position in the parent's image.
void PaintSectionBg(int sectionIndex, const std::string& sectionName, const TBgSource& parentBg, int32_t customColor,
                    int hotTextureIndex, int textureIndex, const TsSkinModel& skin, TBitmap32& target,
                    TPoint32 offset, const TRect32& rect, int state);

}  // namespace pakmole
