// The skinned button's picture. The edit's picture under the button is its
// background, so the button never shows a colour of its own where the
// section is clear (its normal look in most skins is the glyph alone).
#include "skin/controls/edits/sEditButton.h"

#include "skin/controls/edits/sCustomComboEdit.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/Blend.h"
#include "skin/render/ColorEffects.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/PixelCopy.h"

namespace pakmole {

bool TsEditButton::SkinPainted() const {
    if (!ownerEdit_ || IsDestroying() || !ownerEdit_->SkinData().Skinned()) return false;
    const TsSkinManager* manager = ownerEdit_->SkinData().ManagerInEffect();
    return manager && manager->Active();
}

void TsEditButton::PaintGlyph(TBitmap32& cache, int state) {
    const int blend = Blend();
    const bool gray = Grayed() && state == 0;
    if (blend <= 0 && !gray) {
        PaintContent(Bitmap32DC(cache), RECT{0, 0, cache.Width(), cache.Height()}, state);
        GdiFlush();
        return;
    }
    // The glyph goes onto a copy; graying and blending then work on the glyph
    // alone and leave the look under it as it is.
    TBitmap32 glyphed(cache);
    const TRect32 whole{0, 0, cache.Width(), cache.Height()};
    PaintContent(Bitmap32DC(glyphed), RECT{0, 0, cache.Width(), cache.Height()}, state);
    GdiFlush();
    if (gray) {
        TBitmap32 grayed(glyphed);
        GrayArea(grayed, whole);
        for (int y = 0; y < cache.Height(); ++y)
            for (int x = 0; x < cache.Width(); ++x)
                if (glyphed.Pixel(x, y) != cache.Pixel(x, y)) glyphed.Pixel(x, y) = grayed.Pixel(x, y);
    }
    // Blend is the glyph's transparency in percent: the look under it shows
    // through that much.
    if (blend > 0) BlendOver(glyphed, cache, 256 - std::min(blend, 100) * 256 / 100, TPoint32{0, 0}, whole);
    cache = glyphed;
}

const TBitmap32& TsEditButton::BuildCache(int state) {
    TBitmap32& cache = *skinData_->CacheBitmap;
    cache.SetSize(Width(), Height());
    if (cache.Empty() || !SkinPainted()) return cache;
    if (skinData_->SectionIndex < 0) skinData_->UpdateIndexes();
    const TBitmap32& editCache = *ownerEdit_->SkinData().CacheBitmap;
    const int offset = ownerEdit_->ClientOffset();
    const TPoint32 at{Left() + offset, Top() + offset};
    const TRect32 whole{0, 0, cache.Width(), cache.Height()};
    CopyPixels(cache, 0, 0, cache.Width(), cache.Height(), editCache, at.X, at.Y);
    // Read at the button's place in the edit: the painters add the position.
    const TBgSource behind = BgSourceOfBitmap(&editCache, 0, 0);
    if (skinData_->Skinned()) PaintControl(skinData_->PaintData(), behind, true, cache, at, whole, state);
    PaintGlyph(cache, state);
    if (!Enabled() || ownerEdit_->ReadOnly()) PaintDisabledBlended(cache, behind, at, 0);
    skinData_->BackgroundStale = false;
    return cache;
}

const TBitmap32* TsEditButton::CurrentPicture() {
    TsMaskEdit& edit = *ownerEdit_;
    if (edit.SkinData().BackgroundStale && !edit.BuildCache()) return nullptr;
    const int state = (!Enabled() || edit.ReadOnly()) ? 0 : StateIndex();
    const TBitmap32& cache = BuildCache(state);
    return cache.Empty() ? nullptr : &cache;
}

void TsEditButton::PaintSkinned(HDC dc, int x, int y) {
    const TBitmap32* picture = CurrentPicture();
    if (!picture) return;
    BitBlt(dc, x, y, picture->Width(), picture->Height(), Bitmap32DC(*picture), 0, 0, SRCCOPY);
}

void TsEditButton::PaintFadeFrame(const TBitmap32& frame) {
    if (!ownerEdit_->HandleAllocated() || frame.Empty()) return;
    HWND window = ownerEdit_->Handle();
    const HDC dc = GetDC(window);
    BitBlt(dc, Left(), Top(), frame.Width(), frame.Height(), Bitmap32DC(frame), 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
}

}  // namespace pakmole
