#include "skin/render/Texture.h"

#include <algorithm>
#include <cstdint>

#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/Tiling.h"

namespace pakmole {
namespace {

void Tile(TBitmap32& target, const TRect32& area, const TsTexture& t, const TBgSource& bg) {
    if (area.Width() <= 0 || area.Height() <= 0) return;
    TileArea(area, t.Rect.Width(), t.Rect.Height(), target.Width(), target.Height(), [&](int x, int y, int w, int h) {
        if (t.Masked())
            BlendMasked(TRect32{x, y, x + w, y + h}, TRect32{t.Rect.Left, t.Rect.Top, t.Rect.Left + w, t.Rect.Top + h},
                        target, *t.Record, true, bg, *t.Source);
        else
            CopyPixels(target, x, y, w, h, *t.Source, t.Rect.Left, t.Rect.Top);
    });
}

// Stretches the texture (or the part of it that fits, along an axis kept at
// its own size) over area.
void Stretch(TBitmap32& target, const TRect32& area, int srcWidth, int srcHeight, const TsTexture& t) {
    if (area.Width() <= 0 || area.Height() <= 0 || srcWidth <= 0 || srcHeight <= 0) return;
    if (t.Masked())
        StretchMasked(area.Left, area.Top, area.Width(), area.Height(), false, t.Record->StateHeight(), *t.Source,
                      target, srcHeight, srcWidth, t.Rect.Top, t.Rect.Left);
    else
        StretchPixels(target, area.Left, area.Top, area.Width(), area.Height(), *t.Source, t.Rect.Left, t.Rect.Top,
                      srcWidth, srcHeight);
}

}  // namespace

TsTexture TextureOfMask(const TsMaskData& record) {
    TsTexture t;
    t.Source = MaskSourceBitmap(record);
    const int width = record.FrameCount > 1 ? record.StateWidth() : record.SrcRect.Width();
    const int height = record.MaskKind > 0 ? record.StateHeight() : record.SrcRect.Height();
    // Coordinates of legacy records may be anything: an end past the 32-bit
    // range stops at it, and a texture that ends before it starts is none.
    const auto end = [](int32_t start, int32_t size) {
        return static_cast<int32_t>(std::clamp<int64_t>(int64_t{start} + size, INT32_MIN, INT32_MAX));
    };
    t.Rect = TRect32{record.SrcRect.Left, record.SrcRect.Top, end(record.SrcRect.Left, width),
                     end(record.SrcRect.Top, height)};
    t.DrawMode = record.PaintFlags;
    if (record.MaskKind > 0) t.Record = &record;
    return t;
}

TsTexture TextureOfImage(const TBitmap32& image) {
    TsTexture t;
    t.Source = &image;
    t.Rect = TRect32{0, 0, image.Width(), image.Height()};
    return t;
}

TRect32 PaintTexture(TBitmap32& target, const TRect32& rect, const TsTexture& texture, const TBgSource& bg) {
    const TRect32 none{rect.Left, rect.Top, rect.Left, rect.Top};
    if (!texture.Valid() || rect.Width() <= 0 || rect.Height() <= 0) return rect;
    const int tw = texture.Rect.Width(), th = texture.Rect.Height();
    const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    switch (texture.DrawMode) {
        case 0:
        case 10: Tile(target, rect, texture, bg); return none;
        case 1: Stretch(target, rect, tw, th, texture); return none;
        case 2: {
            const int edge = std::min(T + th, B);
            Tile(target, TRect32{L, T, R, edge}, texture, bg);
            return TRect32{L, edge, R, B};
        }
        case 3: {
            const int edge = std::min(L + tw, R);
            Tile(target, TRect32{L, T, edge, B}, texture, bg);
            return TRect32{edge, T, R, B};
        }
        case 4: {
            const int h = std::min(th, B - T);
            Stretch(target, TRect32{L, T, R, T + h}, tw, h, texture);
            return TRect32{L, T + h, R, B};
        }
        case 5: {
            const int w = std::min(tw, R - L);
            Stretch(target, TRect32{L, T, L + w, B}, w, th, texture);
            return TRect32{L + w, T, R, B};
        }
        case 6: {
            const int edge = std::max(B - th, T);
            Tile(target, TRect32{L, edge, R, B}, texture, bg);
            return TRect32{L, T, R, edge};
        }
        default: {
            const int edge = std::max(R - tw, L);
            Tile(target, TRect32{edge, T, R, B}, texture, bg);
            return TRect32{L, T, edge, B};
        }
    }
}

}  // namespace pakmole
