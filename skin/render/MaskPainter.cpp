#include "skin/render/MaskPainter.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "skin/data/SkinModel.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/PixelMath.h"
#include "skin/render/Resample.h"
#include "skin/render/Tiling.h"

namespace pakmole {
namespace {

using namespace pixel;

// Each colour channel is weighted by its own mask byte.
uint32_t MaskBlend(uint32_t m, uint32_t d, uint32_t s, int alpha) {
    return Pack(WeightedChannel(Chan(m, 0), Chan(d, 0), Chan(s, 0)),
                WeightedChannel(Chan(m, 8), Chan(d, 8), Chan(s, 8)),
                WeightedChannel(Chan(m, 16), Chan(d, 16), Chan(s, 16)), alpha);
}

// Buffers for masked stretches are sized by the target span; a span this large
// is no control of any screen, so it is refused rather than allocated.
constexpr int64_t kMaxStretchPixels = int64_t{1} << 24;

// The steps i of [0, count) at which every start + i lies in [0, size) of its
// bitmap. Loops walk only these, so a record whose piece is a billion pixels
// wide costs no more than the part of it that can be seen.
struct Steps {
    int64_t begin, end;
};
Steps CommonSteps(int64_t count, std::initializer_list<std::pair<int64_t, int64_t>> startsAndSizes) {
    Steps steps{0, count};
    for (const auto& [start, size] : startsAndSizes) {
        steps.begin = std::max(steps.begin, -start);
        steps.end = std::min(steps.end, size - start);
    }
    return steps;
}

// A copy of a piece of source, at least 2 x 2: a single row or column is doubled.
TBitmap32 PaddedPiece(const TBitmap32& source, int left, int top, int width, int height) {
    TBitmap32 piece(std::max(width, 2), std::max(height, 2));
    for (int j = 0; j < piece.Height(); ++j)
        for (int i = 0; i < piece.Width(); ++i)
            piece.Pixel(i, j) = source.Pixel(left + std::min(i, width - 1), top + std::min(j, height - 1));
    return piece;
}

void ScalePiece(const TBitmap32& source, int left, int top, int srcWidth, int srcHeight, int width, int height,
                bool filtered, TBitmap32& out) {
    if (filtered) {
        ResampleMitchell(PaddedPiece(source, left, top, srcWidth, srcHeight), out, width, height);
        return;
    }
    out.SetSize(width, height);
    StretchPixels(out, 0, 0, width, height, source, left, top, srcWidth, srcHeight);
}

struct NineSlice {
    TBitmap32& target;
    const TsMaskData& mask;
    const TBitmap32& source;
    const TBgSource& bg;
    bool cornerBlend;
    bool stretch;

    void Corner(int sx, int sy, int w, int h, int tx, int ty) const {
        if (w <= 0 || h <= 0) return;
        const TRect32 src{sx, sy, sx + w, sy + h};
        if (mask.MaskKind == 0)
            CopyKeyed(target, source, tx, cornerBlend, bg, kKeyColor, src, ty);
        else
            BlendMasked(TRect32{tx, ty, tx + w, ty + h}, src, target, mask, cornerBlend, bg, source);
    }

    void Tile(int sx, int sy, int w, int h, int tx, int ty) const {
        if (mask.MaskKind == 0) {
            CopyPixels(target, tx, ty, w, h, source, sx, sy);
            return;
        }
        static const TBgSource none;
        BlendMasked(TRect32{tx, ty, tx + w, ty + h}, TRect32{sx, sy, sx + w, sy + h}, target, mask, false, none,
                    source);
    }

    // An edge or the centre: source piece (sx, sy, sw, sh) over the target span.
    void Span(int sx, int sy, int sw, int sh, int tx, int ty, int tw, int th, bool centre) const {
        if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0) return;
        if (stretch) {
            if (mask.MaskKind == 0)
                StretchPixels(target, tx, ty, tw, th, source, sx, sy, sw, sh);
            else
                StretchMasked(tx, ty, tw, th, centre, mask.StateHeight(), source, target, sh, sw, sy, sx);
            return;
        }
        // Whole tiles while a whole one still leaves room, then one cut tile.
        TileArea(TRect32{tx, ty, tx + tw, ty + th}, sw, sh, target.Width(), target.Height(),
                 [&](int x, int y, int w, int h) { Tile(sx, sy, w, h, x, y); });
    }
};

}  // namespace

const TBitmap32* MaskSourceBitmap(const TsMaskData& mask) {
    if (mask.MaskBitmap) return mask.MaskBitmap.get();
    if (!mask.Owner) return nullptr;
    return &mask.Owner->MasterBitmap;
}

void CopyKeyed(TBitmap32& target, const TBitmap32& source, int32_t x, bool cornerBlend, const TBgSource& bg,
               int32_t keyColor, const TRect32& srcRect, int32_t y) {
    const uint32_t key = ColorToPixel(keyColor, 0);
    // A source rectangle sticking out on the low side moves the target with it,
    // so every copied pixel keeps its place.
    int64_t left = srcRect.Left, top = srcRect.Top;
    int64_t tx0 = x, ty0 = y;
    if (left < 0) tx0 -= left, left = 0;
    if (top < 0) ty0 -= top, top = 0;
    const int64_t right = std::min<int64_t>(srcRect.Right, source.Width());
    const int64_t bottom = std::min<int64_t>(srcRect.Bottom, source.Height());

    enum { kBlendTargetItself, kBlendBitmap, kKeepTarget, kFillColor } rule;
    if (cornerBlend && bg.HasBitmap && bg.Bitmap)
        rule = bg.Bitmap == &target ? kBlendTargetItself : kBlendBitmap;
    else if (bg.HasBitmap)
        rule = kKeepTarget;
    else
        rule = kFillColor;
    const uint32_t fill = ColorToPixel(bg.Color, 0);

    for (int64_t sy = top; sy < bottom; ++sy) {
        const int64_t ty = ty0 + (sy - top);
        if (ty < 0 || ty >= target.Height()) continue;
        const uint32_t* src = source.Row(static_cast<int>(sy));
        uint32_t* dst = target.Row(static_cast<int>(ty));
        for (int64_t sx = left; sx < right; ++sx) {
            const int64_t tx = tx0 + (sx - left);
            if (tx < 0 || tx >= target.Width()) continue;
            const uint32_t p = src[sx];
            uint32_t& d = dst[tx];
            if (p != key) {
                d = rule == kBlendTargetItself ? (p | 0xFF000000u) : p;
                continue;
            }
            if (rule == kFillColor) {
                d = fill;
            } else if (rule == kBlendBitmap) {
                const int64_t bx = tx + bg.OffsetX, by = ty + bg.OffsetY;
                if (bx >= 0 && by >= 0 && bx < bg.Bitmap->Width() && by < bg.Bitmap->Height())
                    d = bg.Bitmap->Pixel(static_cast<int>(bx), static_cast<int>(by));
            }
        }
    }
}

void BlendMasked(const TRect32& targetRect, const TRect32& srcRect, TBitmap32& target, const TsMaskData& mask,
                 bool cornerBlend, const TBgSource& bg, const TBitmap32& source) {
    int64_t w = std::min<int64_t>(targetRect.Width(), srcRect.Width());
    int64_t h = std::min<int64_t>(targetRect.Height(), srcRect.Height());
    int64_t tx = targetRect.Left, ty = targetRect.Top, sx = srcRect.Left, sy = srcRect.Top;
    const int64_t skipX = std::max<int64_t>({0, -tx, -sx});
    const int64_t skipY = std::max<int64_t>({0, -ty, -sy});
    tx += skipX, sx += skipX, w -= skipX;
    ty += skipY, sy += skipY, h -= skipY;
    w = std::min<int64_t>({w, target.Width() - tx, source.Width() - sx});
    h = std::min<int64_t>({h, target.Height() - ty, source.Height() - sy});
    if (w <= 0 || h <= 0) return;
    const int64_t maskOffset = std::min<int64_t>(mask.SrcRect.Height() / 2, source.Height() - (sy + h));
    if (maskOffset < 0 || sy + maskOffset < 0) return;

    for (int64_t j = 0; j < h; ++j) {
        const uint32_t* src = source.Row(static_cast<int>(sy + j)) + sx;
        const uint32_t* msk = source.Row(static_cast<int>(sy + j + maskOffset)) + sx;
        uint32_t* dst = target.Row(static_cast<int>(ty + j)) + tx;
        for (int64_t i = 0; i < w; ++i) {
            const uint32_t s = src[i], m = msk[i];
            uint32_t& d = dst[i];
            const bool isKey = s == kKeyPixel;
            if (bg.HasBitmap && cornerBlend) {
                if (!isKey) {
                    d = MaskBlend(m, d, s, 255);
                    continue;
                }
                const int64_t bx = tx + i + bg.OffsetX, by = ty + j + bg.OffsetY;
                if (bg.Bitmap && bx >= 0 && by >= 0 && bx < bg.Bitmap->Width() && by < bg.Bitmap->Height())
                    d = (bg.Bitmap->Pixel(static_cast<int>(bx), static_cast<int>(by)) & 0x00FFFFFFu) | 0xFF000000u;
                else
                    d |= 0xFF000000u;
            } else if (bg.HasBitmap) {
                d = MaskBlend(m, d, s, 255);
            } else if (isKey) {
                if (cornerBlend) d = ColorToPixel(bg.Color, Chan(static_cast<uint32_t>(bg.Color), 24));
            } else {
                d = MaskBlend(m, d, s, Chan(d, 24));
            }
        }
    }
}

void StretchMasked(int32_t x, int32_t y, int32_t width, int32_t height, bool centre, int32_t maskOffset,
                   const TBitmap32& source, TBitmap32& target, int32_t srcHeight, int32_t srcWidth, int32_t srcTop,
                   int32_t srcLeft) {
    if (x < 0 || y < 0 || width <= 0 || height <= 0) return;
    if (target.Width() < 2 || target.Height() < 2) return;
    if (maskOffset == 0) {
        StretchPixels(target, x, y, width, height, source, srcLeft, srcTop, srcWidth, srcHeight);
        return;
    }
    // The image piece and its mask piece must both lie in the source.
    if (srcWidth <= 0 || srcHeight <= 0 || srcLeft < 0 || srcTop < 0) return;
    if (int64_t{srcLeft} + srcWidth > source.Width() || int64_t{srcTop} + srcHeight > source.Height()) return;
    const int64_t maskTop = int64_t{srcTop} + maskOffset;
    if (maskTop < 0 || maskTop + srcHeight > source.Height()) return;
    if (int64_t{width} * height > kMaxStretchPixels) return;

    const int x1 = std::min(x + width, target.Width());
    const int y1 = std::min(y + height, target.Height());
    if (centre && srcWidth == 1 && srcHeight == 1) {
        const uint32_t s = source.Pixel(srcLeft, srcTop);
        const int e = Chan(source.Pixel(srcLeft, static_cast<int>(maskTop)), 16);
        if (e == 255) return;
        for (int ty = y; ty < y1; ++ty) {
            uint32_t* dst = target.Row(ty);
            for (int tx = x; tx < x1; ++tx) {
                uint32_t& d = dst[tx];
                d = e == 0 ? (s | 0xFF000000u) : WeightedColors(e, d, s, Chan(d, 24));
            }
        }
        return;
    }
    const bool shrunkOneWay = (width < srcWidth && height == srcHeight) || (width == srcWidth && height < srcHeight);
    const bool filtered = (shrunkOneWay || centre) && (width > 1 || height > 1);
    TBitmap32 image, maskPiece;
    ScalePiece(source, srcLeft, srcTop, srcWidth, srcHeight, width, height, filtered, image);
    ScalePiece(source, srcLeft, static_cast<int>(maskTop), srcWidth, srcHeight, width, height, filtered, maskPiece);
    for (int ty = y; ty < y1; ++ty) {
        uint32_t* dst = target.Row(ty);
        const uint32_t* img = image.Row(ty - y);
        const uint32_t* msk = maskPiece.Row(ty - y);
        for (int tx = x; tx < x1; ++tx) dst[tx] = MaskBlend(msk[tx - x], dst[tx], img[tx - x], 255);
    }
}

void PaintFrameMask(TBitmap32& target, const TRect32& rect, int state, const TsMaskData& mask, bool cornerBlend,
                    const TBgSource& bg) {
    if (state == 0 && (mask.PaintFlags & 2)) return;
    const int width = rect.Width(), height = rect.Height();
    if (width < 2 || height < 2 || !mask.Owner) return;
    const TBitmap32* source = MaskSourceBitmap(mask);
    if (!source || mask.FrameCount <= 0) return;

    int L = mask.MarginLeft, T = mask.MarginTop, R = mask.MarginRight, B = mask.MarginBottom;
    // A target too small for both strips shrinks them alike; the right and
    // bottom strips give up the odd pixel.
    if (width < L + R) {
        const int over = L + R - width, half = over / 2;
        L = std::max(0, L - half);
        R = std::max(0, R - half - over % 2);
    }
    if (height < T + B) {
        const int over = T + B - height, half = over / 2;
        T = std::max(0, T - half);
        B = std::max(0, B - half - over % 2);
    }
    const int k = std::max(0, std::min(state, mask.FrameCount - 1));
    const int fw = mask.StateWidth(), fh = mask.StateHeight();
    const int cw = fw - L - R, ch = fh - T - B;
    if (cw < 0 || ch < 0) return;
    const int sx = mask.SrcRect.Left + k * fw, sy = mask.SrcRect.Top;

    const NineSlice nine{target, mask, *source, bg, cornerBlend && mask.CornerKind > 0, (mask.PaintFlags & 1) != 0};
    const int rl = rect.Left, rt = rect.Top, rr = rect.Right, rb = rect.Bottom;
    const int spanW = (rr - R) - (rl + L), spanH = (rb - B) - (rt + T);
    nine.Corner(sx, sy, L, T, rl, rt);
    nine.Span(sx, sy + T, L, ch, rl, rt + T, L, spanH, false);
    nine.Span(sx + L, sy, cw, T, rl + L, rt, spanW, T, false);
    nine.Corner(sx, sy + fh - B, L, B, rl, rb - B);
    nine.Span(sx + L, sy + fh - B, cw, B, rl + L, rb - B, spanW, B, false);
    nine.Corner(sx + L + cw, sy + fh - B, R, B, rr - R, rb - B);
    nine.Corner(sx + L + cw, sy, R, T, rr - R, rt);
    nine.Span(sx + L + cw, sy + T, R, ch, rr - R, rt + T, R, spanH, false);
    if (mask.PaintFlags & 4) nine.Span(sx + L, sy + T, cw, ch, rl + L, rt + T, spanW, spanH, true);
}

void PaintMaskImage(TBitmap32& target, TPoint32 point, int state, const TBgSource& bg, const TsMaskData& mask,
                    int mode) {
    if (!mask.Owner) return;
    const int fw = mask.StateWidth(), fh = mask.StateHeight();
    if (fw <= 0 || fh <= 0) return;
    const int k = std::max(0, std::min(state, mask.FrameCount - 1));
    const int x0 = mask.SrcRect.Left + k * fw, y0 = mask.SrcRect.Top;
    const TRect32 piece{x0, y0, x0 + fw, y0 + fh};

    const TBitmap32* source = mask.MaskBitmap.get();
    if (source) {
        if (source->Width() < mask.SrcRect.Right || source->Height() < mask.SrcRect.Bottom) return;
        if (mask.MaskKind == 0) {
            // Key pixels of an own image stay transparent: they leave the target as it is.
            TBgSource keep;
            keep.HasBitmap = true;
            CopyKeyed(target, *source, point.X, false, keep, kKeyColor, piece, point.Y);
            return;
        }
    } else {
        if (mask.FrameCount == 0) return;
        source = &mask.Owner->MasterBitmap;
        if (mask.MaskKind == 0) {
            if (mode != miFaded) {
                CopyKeyed(target, *source, point.X, true, bg, kKeyColor, piece, point.Y);
                return;
            }
            // Faded: the image at half strength over what lies below.
            const Steps rows = CommonSteps(fh, {{point.Y, target.Height()}, {y0, source->Height()}});
            const Steps cols = CommonSteps(fw, {{point.X, target.Width()}, {x0, source->Width()}});
            for (int64_t j = rows.begin; j < rows.end; ++j) {
                const uint32_t* src = source->Row(static_cast<int>(y0 + j));
                uint32_t* dst = target.Row(static_cast<int>(point.Y + j));
                for (int64_t i = cols.begin; i < cols.end; ++i) {
                    const uint32_t s = src[x0 + i];
                    if (s == kKeyPixel) continue;
                    uint32_t& d = dst[point.X + i];
                    d = Pack(RoundDivEven(Chan(s, 0) + Chan(d, 0), 2), RoundDivEven(Chan(s, 8) + Chan(d, 8), 2),
                             RoundDivEven(Chan(s, 16) + Chan(d, 16), 2), Chan(d, 24));
                }
            }
            return;
        }
    }

    // Masked image: the mask band lies one state height below the image band.
    const int64_t maskTop = int64_t{y0} + fh;
    const Steps rows =
        CommonSteps(fh, {{point.Y, target.Height()}, {y0, source->Height()}, {maskTop, source->Height()}});
    const Steps cols = CommonSteps(fw, {{point.X, target.Width()}, {x0, source->Width()}});
    for (int64_t j = rows.begin; j < rows.end; ++j) {
        const uint32_t* src = source->Row(static_cast<int>(y0 + j));
        const uint32_t* msk = source->Row(static_cast<int>(maskTop + j));
        uint32_t* dst = target.Row(static_cast<int>(point.Y + j));
        for (int64_t i = cols.begin; i < cols.end; ++i) {
            const uint32_t s = src[x0 + i];
            uint32_t m = msk[x0 + i];
            if (s == kKeyPixel || Chan(m, 16) == 255) continue;
            if (mode == miFaded)
                m = Pack(std::min(Chan(m, 0) + 100, 255), std::min(Chan(m, 8) + 100, 255),
                         std::min(Chan(m, 16) + 100, 255), Chan(m, 24));
            uint32_t& d = dst[point.X + i];
            const int a = Chan(d, 24);
            d = MaskBlend(m, d, s, a + (((255 - a) * (255 - Chan(m, 16))) >> 8));
        }
    }
}

}  // namespace pakmole
