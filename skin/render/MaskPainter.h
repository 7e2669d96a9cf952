#pragma once
// Putting pieces of a skin's images into a paint bitmap: frame masks painted
// nine-slice fashion, image records painted at a point, and the keyed copy,
// masked blend and masked stretch that both rest on. Everything clips
// silently to the bitmaps; degenerate input paints nothing.
#include <cstdint>

#include "skin/data/Bitmap32.h"
#include "skin/data/MaskData.h"
#include "skin/render/BgSource.h"

namespace pakmole {

struct TPoint32 {
    int32_t X = 0;
    int32_t Y = 0;
};

// Size of one state sub-image of a record.
inline int32_t StateWidth(const TsMaskData& mask) { return mask.StateWidth(); }
inline int32_t StateHeight(const TsMaskData& mask) { return mask.StateHeight(); }

// The bitmap a record's pixels are read from: its own, else its skin's master
// bitmap; nullptr for a record without owner.
const TBitmap32* MaskSourceBitmap(const TsMaskData& mask);

// Copies srcRect (right and bottom exclusive) of source to (x, y); pixels equal
// to the key colour in pixel order with alpha 0 are transparent: they show the
// background source as described on TBgSource.
void CopyKeyed(TBitmap32& target, const TBitmap32& source, int32_t x, bool cornerBlend, const TBgSource& bg,
               int32_t keyColor, const TRect32& srcRect, int32_t y);

// Blends srcRect of source into targetRect of target through the record's mask
// band, which lies half the record's height below the image band.
void BlendMasked(const TRect32& targetRect, const TRect32& srcRect, TBitmap32& target, const TsMaskData& mask,
                 bool cornerBlend, const TBgSource& bg, const TBitmap32& source);

// The stretched variant of BlendMasked; maskOffset 0 means a plain stretch.
void StretchMasked(int32_t x, int32_t y, int32_t width, int32_t height, bool centre, int32_t maskOffset,
                   const TBitmap32& source, TBitmap32& target, int32_t srcHeight, int32_t srcWidth, int32_t srcTop,
                   int32_t srcLeft);

// Nine-slice painting of a frame mask in the sub-image of the given state.
void PaintFrameMask(TBitmap32& target, const TRect32& rect, int state, const TsMaskData& mask, bool cornerBlend,
                    const TBgSource& bg);

enum TMaskImageMode { miNormal = 1, miFaded = 2 };

// One sub-image of an image record with its top-left corner at point.
void PaintMaskImage(TBitmap32& target, TPoint32 point, int state, const TBgSource& bg, const TsMaskData& mask,
                    int mode);

}  // namespace pakmole
