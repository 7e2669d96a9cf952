#include "skin/data/SkinColorAdjust.h"

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "skin/data/ColorAdjust.h"
#include "skin/data/GradientParser.h"
#include "skin/data/SkinImage.h"
#include "skin/data/SkinModel.h"

namespace pakmole {
namespace {

using PixelFn = std::function<uint32_t(uint32_t)>;
using ColorFn = std::function<int32_t(int32_t)>;

bool IsGrey(uint32_t p) {
    const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return r == g && g == b;
}

void AdjustBitmap(TBitmap32& bitmap, const PixelFn& fn) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x)
            if (row[x] != kKeyPixel && !IsGrey(row[x])) row[x] = fn(row[x]);
    }
}

// The records' own pictures, each once however many records share it.
void AdjustEachPicture(TsSkinModel& model, const PixelFn& fn, std::unordered_set<const TBitmap32*> done) {
    for (TsMaskData& m : model.Masks)
        if (m.MaskBitmap && done.insert(m.MaskBitmap.get()).second) AdjustBitmap(*m.MaskBitmap, fn);
}

void AdjustUnlessNone(int32_t& color, const ColorFn& fn) {
    if (color != -1) color = fn(color);
}

void AdjustGradient(TsGradArray& gradient, std::size_t count, const ColorFn& fn) {
    count = std::min(count, gradient.size());
    for (std::size_t i = 0; i < count; ++i) {
        gradient[i].GradStart = fn(gradient[i].GradStart);
        gradient[i].GradEnd = fn(gradient[i].GradEnd);
    }
}

// Every colour value a recolouring touches, in the model.
void AdjustColorValues(TsSkinModel& model, const ColorFn& fn) {
    for (TsGeneralData& s : model.Sections) {
        s.Color = fn(s.Color);
        s.HotColor = fn(s.HotColor);
        s.GlowColor = fn(s.GlowColor);
        s.HotGlowColor = fn(s.HotGlowColor);
        for (int32_t* c : {&s.FontColor, &s.TCLeft, &s.TCTop, &s.TCRight, &s.TCBottom, &s.HotFontColor, &s.HotTCLeft,
                           &s.HotTCTop, &s.HotTCRight, &s.HotTCBottom})
            AdjustUnlessNone(*c, fn);
        for (TsGenState& state : s.Props)
            for (int32_t* c : {&state.Color, &state.GlowColor, &state.FontColor, &state.TCLeft, &state.TCTop,
                               &state.TCRight, &state.TCBottom})
                AdjustUnlessNone(*c, fn);
        // The state records share these arrays, so each is changed once here.
        if (s.Gradient) AdjustGradient(*s.Gradient, GradientWords(s.GradientData).size() / 5, fn);
        if (s.HotGradient) AdjustGradient(*s.HotGradient, s.HotGradient->size(), fn);
    }
    model.SkinData.Shadow1Color = fn(model.SkinData.Shadow1Color);
    for (int i : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27})
        model.Palette[static_cast<std::size_t>(i)] = fn(model.Palette[static_cast<std::size_t>(i)]);
}

struct SavedIcon {
    int Index;
    TRect32 Rect;
    std::vector<uint32_t> Pixels;
};

TRect32 ClipToBitmap(const TRect32& r, const TBitmap32& bitmap) {
    return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, bitmap.Width()),
            std::min(r.Bottom, bitmap.Height())};
}

}  // namespace

void AdjustSkinHue(TsSkinModel& model, int offset) {
    if (offset == 0) return;
    const int keepHue = model.SkinData.TitleIconsKeepHue;
    std::vector<SavedIcon> saved;
    std::vector<int> excluded;
    if (keepHue != 0) {
        std::vector<std::string> names = {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE"};
        if (keepHue == 1)
            names.insert(names.end(),
                         {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"});
        for (const std::string& name : names) {
            const int index = model.FindMaskExact("GLOBALINFO", name);
            if (model.IsValidMask(index) && !model.Masks[static_cast<std::size_t>(index)].MaskBitmap) {
                SavedIcon icon{index, ClipToBitmap(model.Masks[static_cast<std::size_t>(index)].SrcRect,
                                                   model.MasterBitmap), {}};
                for (int y = icon.Rect.Top; y < icon.Rect.Bottom; ++y)
                    for (int x = icon.Rect.Left; x < icon.Rect.Right; ++x)
                        icon.Pixels.push_back(model.MasterBitmap.Pixel(x, y));
                saved.push_back(std::move(icon));
            } else {
                excluded.push_back(index);
            }
            const int glow = model.FindMaskExact("GLOBALINFO", name + "GLOW" + "0");
            if (model.IsValidMask(glow) && model.Masks[static_cast<std::size_t>(glow)].MaskBitmap)
                excluded.push_back(glow);
        }
    }

    const PixelFn pixelFn = [offset](uint32_t p) { return ShiftHue(offset, p); };
    AdjustBitmap(model.MasterBitmap, pixelFn);
    for (const SavedIcon& icon : saved) {
        if (!model.IsValidMask(icon.Index)) continue;
        std::size_t i = 0;
        for (int y = icon.Rect.Top; y < icon.Rect.Bottom; ++y)
            for (int x = icon.Rect.Left; x < icon.Rect.Right; ++x) model.MasterBitmap.Pixel(x, y) = icon.Pixels[i++];
    }
    // An icon that keeps its hue must not keep it for the other records
    // sharing its picture, nor lose it through them: it gets its own copy.
    std::unordered_set<const TBitmap32*> keep;
    for (int index : excluded) {
        if (!model.IsValidMask(index)) continue;
        auto& bitmap = model.Masks[static_cast<std::size_t>(index)].MaskBitmap;
        if (bitmap && bitmap.use_count() > 1) bitmap = std::make_shared<TBitmap32>(*bitmap);
        keep.insert(bitmap.get());
    }
    AdjustEachPicture(model, pixelFn, keep);
    AdjustColorValues(model, [offset](int32_t c) { return ShiftHueColor(offset, c); });
}

void AdjustSkinSaturation(TsSkinModel& model, int amount) {
    if (amount == 0) return;
    amount %= 101;
    if (amount == 0) return;
    const PixelFn pixelFn = [amount](uint32_t p) { return ChangeSaturation(amount, p); };
    AdjustBitmap(model.MasterBitmap, pixelFn);
    AdjustEachPicture(model, pixelFn, {});
    AdjustColorValues(model, [amount](int32_t c) {
        return static_cast<int32_t>(ChangeSaturation(amount, static_cast<uint32_t>(c)));
    });
}

}  // namespace pakmole
