#pragma once
// Textures: a texture record (a piece of the master bitmap or of its own
// bitmap, optionally with a mask band) or a separate texture image, painted
// into a rectangle in one of its draw modes.
#include <cstdint>

#include "skin/data/Bitmap32.h"
#include "skin/data/MaskData.h"
#include "skin/render/BgSource.h"

namespace pakmole {

struct TsTexture {
    const TBitmap32* Source = nullptr;
    TRect32 Rect;  // the image band in Source
    int DrawMode = 0;
    const TsMaskData* Record = nullptr;  // set when the texture has a mask band

    bool Valid() const { return Source && Rect.Width() > 0 && Rect.Height() > 0; }
    bool Masked() const { return Record != nullptr; }
};

TsTexture TextureOfMask(const TsMaskData& record);
TsTexture TextureOfImage(const TBitmap32& image);

// Paints the texture into rect and answers the part of rect it left for the
// section colour (empty when it covered everything). A masked texture is laid
// through its mask band against bg.
TRect32 PaintTexture(TBitmap32& target, const TRect32& rect, const TsTexture& texture, const TBgSource& bg);

}  // namespace pakmole
