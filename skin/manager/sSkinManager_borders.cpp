// The extended window border: the skin's "EXBORDER" mask, or the built-in
// shadow images when the skin has none.
#include <optional>

#include "skin/data/SkinImage.h"
#include "skin/manager/ResourceBytes.h"
#include "skin/manager/sSkinManager.h"

namespace pakmole {
namespace {

constexpr int kShadowInset = 9;

// Pure white marks the window's own area in border images of older skins
// and in the built-in shadows.
void ClearPureWhite(TBitmap32& bitmap) {
    for (uint32_t& p : bitmap.Pixels())
        if ((p & 0xFFFFFFu) == 0xFFFFFFu) p = 0;
}

TBitmap32 LoadShadow(const char* name) {
    const auto bytes = ReadResourceBytes(name);
    if (!bytes) return TBitmap32();
    try {
        TDecodedImage image = DecodeSkinImage(*bytes, name);
        ClearPureWhite(image.Bitmap);
        // Drawn with alpha like the images of a current skin.
        PrepareSkinPng(image.Bitmap, 8.0);
        return std::move(image.Bitmap);
    } catch (const std::exception&) {
        // A program built without readable shadows draws its borders without them.
        return TBitmap32();
    }
}

struct BuiltInShadows {
    TBitmap32 Active = LoadShadow("vlSHDA");
    TBitmap32 Inactive = LoadShadow("vlSHDI");
};

const BuiltInShadows& Shadows() {
    static const BuiltInShadows shadows;
    return shadows;
}

TBitmap32 Copy(const TBitmap32& source) {
    TBitmap32 copy(source.Width(), source.Height());
    copy.Pixels() = source.Pixels();
    return copy;
}

// One state image of a mask; the parts outside the source stay transparent.
TBitmap32 CutState(const TBitmap32& source, const TsMaskData& mask, int state) {
    const int w = mask.StateWidth(), h = mask.StateHeight();
    if (w <= 0 || h <= 0) return TBitmap32();
    TBitmap32 image(w, h);
    const int left = mask.SrcRect.Left + state * w, top = mask.SrcRect.Top;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (source.Contains(left + x, top + y)) image.Pixel(x, y) = source.Pixel(left + x, top + y);
    return image;
}

}  // namespace

void TsSkinManager::RebuildKnownIndexes() {
    model_.RebuildKnownIndexes();
    PrepareExtendedBorders();
}

void TsSkinManager::PrepareExtendedBorders() {
    extBorders_.Left = extBorders_.Top = extBorders_.Right = extBorders_.Bottom = 0;
    if (!ExtendedBorders() || !active_) return;
    const int index = model_.KnownIndexes.ExtBorderMask;
    if (!model_.IsValidMask(index)) {
        extBorders_.Active = Copy(Shadows().Active);
        extBorders_.Inactive = Copy(Shadows().Inactive);
        extBorders_.Left = extBorders_.Top = extBorders_.Right = extBorders_.Bottom = kShadowInset;
        return;
    }
    const TsSkinData& data = model_.SkinData;
    if (data.BorderMode != 0) {
        extBorders_.Left = extBorders_.Top = extBorders_.Right = extBorders_.Bottom = data.FormOffset;
    } else {
        extBorders_.Left = model_.MaskMarginLeft(index) - data.FormOffset;
        extBorders_.Top = model_.MaskMarginTop(index) - data.FormOffset;
        extBorders_.Right = model_.MaskMarginRight(index) - data.FormOffset;
        extBorders_.Bottom = model_.MaskMarginBottom(index) - data.FormOffset;
    }
    const TsMaskData& mask = model_.Masks[static_cast<std::size_t>(index)];
    const TBitmap32& source = mask.MaskBitmap ? *mask.MaskBitmap : model_.MasterBitmap;
    extBorders_.Active = CutState(source, mask, 0);
    extBorders_.Inactive = mask.FrameCount == 1 ? Copy(extBorders_.Active) : CutState(source, mask, 1);
    if (data.Version < 7.6) {
        ClearPureWhite(extBorders_.Active);
        ClearPureWhite(extBorders_.Inactive);
    }
}

}  // namespace pakmole
