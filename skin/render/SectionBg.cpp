#include "skin/render/SectionBg.h"

#include <algorithm>
#include <cmath>

#include "skin/render/Blend.h"
#include "skin/render/Gradient.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/PixelMath.h"
#include "skin/render/Texture.h"

namespace pakmole {
namespace {

using namespace pixel;

constexpr int64_t kMaxPaintPixels = int64_t{1} << 26;

struct OwnLook {
    int32_t Color = 0;
    int Transparency = 0;
    int ImagePercent = 0;
    int GradientPercent = 0;
    const TsGradArray* Gradient = nullptr;
    TsTexture Texture;  // not Valid() when there is none
};

bool HasGradient(const OwnLook& look) { return look.Gradient && !look.Gradient->empty(); }

// The texture of a state: the control's own index, else the state's record,
// else the section's "PATTERN" record; one with a mask band is not a background
// texture. Failing all, a separate texture image of the section.
TsTexture FindStateTexture(const TsSkinModel& skin, int sectionIndex, const std::string& sectionName, int ownIndex,
                           const TsGenState& props) {
    int index = ownIndex >= 0 ? ownIndex : props.PatternMask;
    if (index < 0) index = skin.FindTexture(sectionIndex, sectionName, "PATTERN");
    if (skin.IsValidMask(index)) {
        const TsMaskData& record = skin.Masks[static_cast<std::size_t>(index)];
        if (record.MaskKind == 0) {
            TsTexture t = TextureOfMask(record);
            if (t.Valid()) return t;
        }
    }
    const int pattern = skin.FindPattern(sectionIndex, sectionName, "PATTERN");
    if (pattern >= 0 && static_cast<std::size_t>(pattern) < skin.Patterns.size() &&
        skin.Patterns[static_cast<std::size_t>(pattern)].Image)
        return TextureOfImage(*skin.Patterns[static_cast<std::size_t>(pattern)].Image);
    return {};
}

void FillGradientOrColor(TBitmap32& target, const TRect32& rect, const OwnLook& look) {
    if (HasGradient(look))
        PaintGradient(target, rect, *look.Gradient, 0);
    else
        FillColor(target, rect, look.Color);
}

// The section's own background; the parent shows only through key pixels of a
// masked texture.
void PaintOwn(TBitmap32& target, const TRect32& rect, const OwnLook& look, const TBgSource& parentBg) {
    const int IP = look.ImagePercent, GP = look.GradientPercent;
    const TsTexture& tex = look.Texture;
    if (IP + GP == 100 && GP >= 1 && GP <= 99 && tex.Valid() && !tex.Masked() && tex.DrawMode == 0 &&
        HasGradient(look) && (look.Gradient->front().GradMode == 0 || look.Gradient->front().GradMode == 1)) {
        // Gradient and tiled texture in one pass.
        PaintGradient(target, rect, *look.Gradient, 0);
        const TRect32 r = ClipToBitmap(rect, target);
        const int w = IP * 255 / 100;
        const int tw = tex.Rect.Width(), th = tex.Rect.Height();
        for (int y = r.Top; y < r.Bottom; ++y) {
            const int ty = tex.Rect.Top + (y - rect.Top) % th;
            if (ty < 0 || ty >= tex.Source->Height()) continue;
            uint32_t* row = target.Row(y);
            const uint32_t* trow = tex.Source->Row(ty);
            for (int x = r.Left; x < r.Right; ++x) {
                const int tx = tex.Rect.Left + (x - rect.Left) % tw;
                if (tx < 0 || tx >= tex.Source->Width()) continue;
                row[x] = WeightedColors(w, trow[tx], row[x], Chan(row[x], 24));
            }
        }
        return;
    }
    bool painted = false;
    if (IP > 0) {
        if (tex.Valid()) {
            const TRect32 rest = PaintTexture(target, rect, tex, parentBg);
            FillColor(target, rest, look.Color);
            painted = true;
        } else {
            FillColor(target, rect, look.Color);
        }
    }
    if (GP > 0) {
        if (painted) {
            TBitmap32 temp(std::max(rect.Width(), 0), std::max(rect.Height(), 0));
            FillGradientOrColor(temp, TRect32{0, 0, temp.Width(), temp.Height()}, look);
            BlendOver(target, temp, std::clamp(IP * 255 / 100, 0, 255), TPoint32{rect.Left, rect.Top},
                      TRect32{0, 0, temp.Width(), temp.Height()});
        } else {
            FillGradientOrColor(target, rect, look);
        }
    }
    // A partly transparent section over a known colour parent never gets here
    // without texture or gradient (its colour is mixed by the caller); with the
    // parent unknown there is no colour to mix with, so the section's own shows.
    if (GP + IP == 0) FillColor(target, rect, look.Color);
    if (GP + IP >= 1 && GP + IP <= 99) ColorOver(target, rect, GP + IP, look.Color);
}

// The parent's image (or colour) under rect; nothing when target is the
// parent's bitmap itself.
void ShowParent(TBitmap32& target, const TRect32& rect, const TBgSource& bg, TPoint32 offset) {
    const int64_t ox = int64_t{bg.OffsetX} + offset.X, oy = int64_t{bg.OffsetY} + offset.Y;
    if (bg.HasBitmap) {
        if (bg.Bitmap && bg.Bitmap != &target)
            CopyPixels(target, rect.Left, rect.Top, rect.Width(), rect.Height(), *bg.Bitmap, static_cast<int>(ox),
                       static_cast<int>(oy));
        return;
    }
    FillColor(target, rect, bg.Color);
    if (!bg.Bitmap || bg.Bitmap == &target) return;
    // Only the border band given by the insets is valid in the parent's bitmap.
    const TBitmap32& p = *bg.Bitmap;
    const TRect32 r = ClipToBitmap(rect, target);
    const int64_t inL = bg.Insets[0], inT = bg.Insets[1], inR = p.Width() - int64_t{bg.Insets[2]},
                  inB = p.Height() - int64_t{bg.Insets[3]};
    for (int y = r.Top; y < r.Bottom; ++y) {
        const int64_t py = oy + (y - rect.Top);
        if (py < 0 || py >= p.Height()) continue;
        for (int x = r.Left; x < r.Right; ++x) {
            const int64_t px = ox + (x - rect.Left);
            if (px < 0 || px >= p.Width()) continue;
            if (px >= inL && py >= inT && px < inR && py < inB) continue;
            target.Pixel(x, y) = p.Pixel(static_cast<int>(px), static_cast<int>(py));
        }
    }
}

}  // namespace

void PaintSectionBg(int sectionIndex, const std::string& sectionName, const TBgSource& parentBg, int32_t customColor,
                    int hotTextureIndex, int textureIndex, const TsSkinModel& skin, TBitmap32& target,
                    TPoint32 offset, const TRect32& rect, int state) {
    if (!skin.IsValidSection(sectionIndex) || target.Empty()) return;
    // Temporary bitmaps take the rectangle's size; no control is this large.
    if (int64_t{std::max(rect.Width(), 0)} * std::max(rect.Height(), 0) > kMaxPaintPixels) return;
    const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(sectionIndex)];
    const int k = std::clamp(std::min(state, section.States - 1), 0, 1);
    const TsGenState& props = section.Props[static_cast<std::size_t>(k)];

    OwnLook look;
    if (customColor == kKeyColor) {
        look.Color = props.Color;
        look.Transparency = std::clamp(props.Transparency, 0, 100);
        if (look.Transparency != 100) {
            look.ImagePercent = props.ImagePercent;
            look.GradientPercent = props.GradientPercent;
            look.Gradient = props.Gradient.get();
            if (look.ImagePercent > 0) {
                const int own = k == 0 ? textureIndex : hotTextureIndex;
                look.Texture = FindStateTexture(skin, sectionIndex, sectionName, own, props);
            }
        }
    } else {
        look.Color = customColor;
    }

    const int T = look.Transparency, IP = look.ImagePercent, GP = look.GradientPercent;
    const bool parentKnown = parentBg.HasBitmap || parentBg.Color != kKeyColor;
    if (parentKnown && T == 100) {
        ShowParent(target, rect, parentBg, offset);
    } else if (parentKnown && T > 0 && T < 100 && (parentBg.HasBitmap || GP + IP > 0)) {
        TBitmap32 temp(std::max(rect.Width(), 0), std::max(rect.Height(), 0));
        const TRect32 whole{0, 0, temp.Width(), temp.Height()};
        PaintOwn(temp, whole, look, parentBg);
        if (parentBg.HasBitmap)
            ShowParent(target, rect, parentBg, offset);
        else
            FillColor(target, rect, parentBg.Color);
        // round(T * 2.55) taken exactly (50 gives 127.5, so 128), not through a
        // binary 2.55 that falls just short of the half.
        BlendOver(target, temp, RoundDivEven(int64_t{T} * 255, 100), TPoint32{rect.Left, rect.Top}, whole);
    } else if (parentKnown && T > 0 && T < 100) {
        FillColor(target, rect, Mix(parentBg.Color, look.Color, T / 100.0));
    } else {
        PaintOwn(target, rect, look, parentBg);
    }

    // A masked decoration of the control in the normal state, over everything.
    if (state == 0) {
        const int index = textureIndex >= 0 ? textureIndex : hotTextureIndex;
        if (skin.IsValidMask(index)) {
            const TsMaskData& record = skin.Masks[static_cast<std::size_t>(index)];
            if (record.MaskKind > 0 && record.PaintFlags == 10) {
                TBgSource moved = parentBg;
                moved.OffsetX = static_cast<int32_t>(int64_t{parentBg.OffsetX} + offset.X - rect.Left);
                moved.OffsetY = static_cast<int32_t>(int64_t{parentBg.OffsetY} + offset.Y - rect.Top);
                PaintTexture(target, rect, TextureOfMask(record), moved);
            }
        }
    }
}

}  // namespace pakmole
