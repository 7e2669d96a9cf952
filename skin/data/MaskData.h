#pragma once
// Pieces cut from a skin's images (frame masks, images, small textures) and
// the large textures kept whole.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/data/Bitmap32.h"

namespace pakmole {

struct TRect32 {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;  // exclusive
    int32_t Bottom = 0;  // exclusive
    // Wraps like 32-bit arithmetic for coordinates far apart, never overflows.
    int32_t Width() const { return static_cast<int32_t>(int64_t{Right} - Left); }
    int32_t Height() const { return static_cast<int32_t>(int64_t{Bottom} - Top); }
};

class TsSkinModel;

struct TsMaskData {
    // None: the piece lies in the master bitmap. Records naming the same
    // picture share one bitmap; a change made to it is seen by all of them.
    std::shared_ptr<TBitmap32> MaskBitmap;
    std::string SectionName;
    std::string PropertyName;
    TRect32 SrcRect;
    int16_t FrameCount = 0;
    int16_t MaskKind = 0;
    int16_t DefaultMargin = 0;
    int16_t PaintFlags = 0;
    uint8_t RecordKind = 0;  // 0 frame mask, 1 texture, 2 image, 3 and 4 further image kinds
    const TsSkinModel* Owner = nullptr;  // a record without owner is never painted
    int16_t MarginLeft = 0;
    int16_t MarginTop = 0;
    int16_t MarginRight = 0;
    int16_t MarginBottom = 0;
    int16_t CornerKind = 0;

    // Size of one state image: 0 when there are no frames (or MaskKind is -1).
    int32_t StateWidth() const;
    int32_t StateHeight() const;
};

struct TsPatternData {
    std::shared_ptr<TBitmap32> Image;  // shared like a record's own bitmap
    std::string SectionName;  // upper-cased
    std::string PropertyName;  // upper-cased
};

}  // namespace pakmole
