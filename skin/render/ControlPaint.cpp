#include "skin/render/ControlPaint.h"

#include <algorithm>

#include "skin/render/Blend.h"
#include "skin/render/ColorEffects.h"
#include "skin/render/PixelMath.h"
#include "skin/render/SectionBg.h"

namespace pakmole {

using namespace pixel;

void PaintControl(const TsControlPaintData& control, const TBgSource& parentBg, bool cornerBlend, TBitmap32& target,
                  TPoint32 offset, const TRect32& rect, int state) {
    if (!control.Skin || target.Empty()) return;
    const TsSkinModel& skin = *control.Skin;
    if (!skin.IsValidSection(control.SectionIndex)) return;
    if (rect.Right <= 0 || rect.Bottom <= 0 || rect.Left >= target.Width() || rect.Top >= target.Height()) return;
    const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(control.SectionIndex)];
    state = std::max(0, std::min(state, section.States - 1));

    PaintSectionBg(control.SectionIndex, section.SectionName, parentBg, control.CustomColor ? control.Color : kKeyColor,
                   control.HotTextureIndex, control.TextureIndex, skin, target, offset, rect, state);

    // Corner images read their background from the cache itself.
    const TBgSource self = BgSourceOfBitmap(&target, 0, 0);
    const auto corner = [&](int index, bool right, bool bottom) {
        if (!skin.IsValidMask(index)) return;
        const TsMaskData& m = skin.Masks[static_cast<std::size_t>(index)];
        const TPoint32 at{right ? rect.Right - m.StateWidth() : rect.Left,
                          bottom ? rect.Bottom - m.StateHeight() : rect.Top};
        PaintMaskImage(target, at, state, self, m, miNormal);
    };
    corner(section.CornerTopLeft, false, false);
    corner(section.CornerTopRight, true, false);
    corner(section.CornerBottomLeft, false, true);
    corner(section.CornerBottomRight, true, true);

    const TsGenState& props = section.Props[static_cast<std::size_t>(std::min(state, 1))];
    const bool frame = skin.IsValidMask(control.FrameMaskIndex) &&
                       !(state == 0 && (skin.Masks[static_cast<std::size_t>(control.FrameMaskIndex)].PaintFlags & 2));
    if (frame)
        PaintFrameMask(target, rect, state, skin.Masks[static_cast<std::size_t>(control.FrameMaskIndex)], cornerBlend,
                       parentBg);
    else if (props.Transparency != 0)
        return;
    ShiftHueArea(target, rect, control.HUEOffset);
    ChangeSaturationArea(target, rect, control.Saturation);
}

void PaintDisabledGrayed(TBitmap32& cache) { GrayArea(cache, TRect32{0, 0, cache.Width(), cache.Height()}); }

void PaintDisabledBlended(TBitmap32& cache, const TBgSource& parentBg, TPoint32 controlPos, int32_t fallbackColor) {
    if (parentBg.HasBitmap && parentBg.Bitmap) {
        const TBitmap32& p = *parentBg.Bitmap;
        const int64_t ox = int64_t{parentBg.OffsetX} + controlPos.X, oy = int64_t{parentBg.OffsetY} + controlPos.Y;
        // round(p - (p - d) * 0.4) = round((3p + 2d) / 5): never a tie, exact in integers.
        const auto blend = [](int pc, int dc) { return RoundDivEven(3 * pc + 2 * dc, 5); };
        for (int y = 0; y < cache.Height(); ++y) {
            const int64_t py = oy + y;
            if (py < 0 || py >= p.Height()) continue;
            uint32_t* row = cache.Row(y);
            for (int x = 0; x < cache.Width(); ++x) {
                const int64_t px = ox + x;
                if (px < 0 || px >= p.Width()) continue;
                const uint32_t pp = p.Pixel(static_cast<int>(px), static_cast<int>(py));
                if (pp == kKeyPixel) continue;
                const uint32_t d = row[x];
                row[x] = Pack(blend(Chan(pp, 0), Chan(d, 0)), blend(Chan(pp, 8), Chan(d, 8)),
                              blend(Chan(pp, 16), Chan(d, 16)), Chan(d, 24));
            }
        }
        return;
    }
    const int32_t color = parentBg.Color == kKeyColor ? fallbackColor : parentBg.Color;
    ColorOver(cache, TRect32{0, 0, cache.Width(), cache.Height()}, 50, color);
}

int32_t ChildBgColor(const TsGeneralData& section, std::optional<int32_t> parentColor, int32_t ownColor) {
    const int T = section.Props[0].Transparency;
    const int32_t c = section.Props[0].Color;
    if (T == 0) return c;
    const int32_t p = parentColor.value_or(ownColor);
    if (T == 100) return p;
    // The percent is used as a weight out of 256.
    const uint32_t uc = static_cast<uint32_t>(c), up = static_cast<uint32_t>(p);
    uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int cx = Chan(uc, shift), px = Chan(up, shift);
        result |= static_cast<uint32_t>(std::clamp(cx + ((T * (px - cx)) >> 8), 0, 255)) << shift;
    }
    return static_cast<int32_t>(result);
}

}  // namespace pakmole
