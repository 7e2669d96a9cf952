#pragma once
// The gallery of a loaded skin: every section painted by the skin renderer in
// each of its states at a few sizes, one row per section, captioned.
#include "skin/data/Bitmap32.h"
#include "skin/data/SkinModel.h"

namespace pakmole::gallery {

TBitmap32 RenderGallery(const TsSkinModel& skin);

}  // namespace pakmole::gallery
