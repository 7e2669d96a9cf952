// The skin's scroll bars: the track in two halves split at the thumb's
// centre, the arrows and the thumb, each part in its state (1 hot, 2
// pressed) with its section's glyph centred on it, composed in a bitmap
// and copied to the window in one go.
#include "skin/controls/adapters/vlScrollWnd.h"

#include <string>

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/BgQuery_win.h"
#include "skin/render/Blend.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/PixelMath.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"

namespace pakmole {
namespace {

struct BarSections {
    const char* TrackBefore;
    const char* TrackAfter;
    const char* FirstArrow;
    const char* SecondArrow;
    const char* Thumb;
};

constexpr BarSections kSections[2] = {
    {"SCROLLBAR1H", "SCROLLBAR2H", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLSLIDERH"},
    {"SCROLLBAR1V", "SCROLLBAR2V", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLSLIDERV"},
};

int PartState(const TvlScrollBar& bar, int part) {
    if (bar.PressedPart == part) return 2;
    return bar.HotPart == part ? 1 : 0;
}

}  // namespace

void PaintSkinPart(const TsSkinManager& manager, const char* name, const char* glyphSection, TBitmap32& target,
                   const TRect32& rect, int state) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return;
    const TsSkinModel& skin = manager.Model();
    const int index = manager.FindSection(name);
    if (!skin.IsValidSection(index)) return;
    TsControlPaintData data;
    data.Skin = &skin;
    data.SectionIndex = index;
    data.FrameMaskIndex = skin.Sections[static_cast<std::size_t>(index)].FrameMask;
    data.TextureIndex = manager.FindTexture(index, name, "PATTERN");
    data.HotTextureIndex = manager.FindTexture(index, name, "HOTPATTERN");
    TBitmap32 piece(rect.Width(), rect.Height());
    PaintControl(data, BgSourceOfBitmap(&target, 0, 0), true, piece, TPoint32{rect.Left, rect.Top},
                 TRect32{0, 0, piece.Width(), piece.Height()}, state);
    const int glyph = std::string(glyphSection) == name ? manager.FindMask(index, name, "GLYPHMASK")
                                                        : manager.FindMaskExact(glyphSection, "GLYPHMASK");
    if (skin.IsValidMask(glyph)) {
        const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(glyph)];
        const TPoint32 at{(piece.Width() - mask.StateWidth()) / 2, (piece.Height() - mask.StateHeight()) / 2};
        PaintMaskImage(piece, at, state, BgSourceOfBitmap(&piece, 0, 0), mask, miNormal);
    }
    CopyPixels(target, rect.Left, rect.Top, rect.Width(), rect.Height(), piece, 0, 0);
}

void PaintDialogField(TBitmap32& picture, int32_t border) {
    const int w = picture.Width(), h = picture.Height();
    FillColor(picture, TRect32{0, 0, w, h}, static_cast<int32_t>(ColorToRGB(border)));
    FillColor(picture, TRect32{1, 1, w - 1, h - 1}, static_cast<int32_t>(ColorToRGB(clWindow)));
}

TBgSource TvlScrollWnd::ParentBackground(const TBitmap32& piece) const {
    TBgQuery query;
    query.DC = Bitmap32DC(piece);
    query.ClipRect = RECT{0, 0, piece.Width(), piece.Height()};
    GetParentBg(query, GetParent(handle_), false, SkinManager());
    return BgSourceOfQuery(query);
}

bool TvlScrollWnd::DialogLook() const {
    return dialogMode_ && SkinManager()->Palette()[pcBorder] != pixel::kKeyColor;
}

bool TvlScrollWnd::PrepareCache(int state) {
    RefreshGeometry();
    if (DialogLook() && skinData_->Skinned() && skinData_->CacheBitmap) {
        // Inside the platform's dialogs a field is the system's window
        // colour in the skin's border colour.
        if (!skinData_->BackgroundStale) return true;
        TBitmap32& cache = *skinData_->CacheBitmap;
        cache.SetSize(width_, height_);
        if (cache.Empty()) return false;
        PaintDialogField(cache, SkinManager()->Palette()[pcBorder]);
        PaintCacheContent(cache);
        GdiFlush();
        skinData_->BackgroundStale = false;
        return true;
    }
    return skinData_->BuildCache(state, [this](TBitmap32& cache, const TBgSource& parentBg) {
        PaintCacheContent(cache);
        ClearFrameCorners(cache, parentBg);
    });
}

void TvlScrollWnd::ClearFrameCorners(TBitmap32& cache, const TBgSource& parentBg) const {
    const TsSkinModel& skin = SkinManager()->Model();
    if (!skin.IsValidMask(skinData_->FrameMaskIndex)) return;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(skinData_->FrameMaskIndex)];
    const int w = cache.Width(), h = cache.Height();
    const int l = mask.MarginLeft, t = mask.MarginTop, r = mask.MarginRight, b = mask.MarginBottom;
    const TRect32 squares[4] = {{0, 0, l, t}, {w - r, 0, w, t}, {0, h - b, l, h}, {w - r, h - b, w, h}};
    const TBitmap32* behind = parentBg.HasBitmap ? parentBg.Bitmap : nullptr;
    for (const TRect32& square : squares) {
        const TRect32 clipped = ClipToBitmap(square, cache);
        for (int y = clipped.Top; y < clipped.Bottom; ++y)
            for (int x = clipped.Left; x < clipped.Right; ++x) {
                if ((cache.Pixel(x, y) & 0xFFFFFF) != (pixel::kKeyPixel & 0xFFFFFF)) continue;
                const int px = parentBg.OffsetX + positionInParent_.x + x, py = parentBg.OffsetY + positionInParent_.y + y;
                if (behind && px >= 0 && py >= 0 && px < behind->Width() && py < behind->Height())
                    cache.Pixel(x, y) = behind->Pixel(px, py);
                else
                    FillColor(cache, TRect32{x, y, x + 1, y + 1}, parentBg.Color);
            }
    }
}

void TvlScrollWnd::PaintBars(HDC dc) {
    if (!Visible() || !ManagerActive() || skinData_->PaintSuspended) return;
    const TsSkinManager& manager = *SkinManager();
    const FrameDC target(handle_, dc);
    dc = target.Get();
    const int32_t behind = static_cast<int32_t>(ColorToRGB(skinData_->GetBgColor()));
    for (int o = 0; o < 2; ++o) {
        const TvlScrollBar& bar = Bar(o);
        if (!bar.Shown) continue;
        const RECT r = BarRect(o);
        TBitmap32 picture(r.right - r.left, r.bottom - r.top);
        if (picture.Empty()) continue;
        FillColor(picture, TRect32{0, 0, picture.Width(), picture.Height()}, behind);
        const TScrollBarLayout l = Layout(o);
        const int thickness = o == 0 ? picture.Height() : picture.Width();
        const auto span = [o, thickness](int start, int end) {
            return o == 0 ? TRect32{start, 0, end, thickness} : TRect32{0, start, thickness, end};
        };
        const int trackEnd = l.TrackStart + l.TrackLength;
        const int split = l.HasThumb ? l.ThumbStart + l.ThumbLength / 2 : trackEnd;
        const BarSections& names = kSections[o];
        const auto part = [&](const char* name, TRect32 rect, int state) {
            PaintSkinPart(manager, name, name, picture, rect, state);
        };
        part(names.TrackBefore, span(l.TrackStart, split), PartState(bar, spPageBefore));
        part(names.TrackAfter, span(split, trackEnd), PartState(bar, spPageAfter));
        part(names.FirstArrow, span(0, l.ArrowLength), PartState(bar, spFirstArrow));
        part(names.SecondArrow, span(l.Length - l.ArrowLength, l.Length), PartState(bar, spSecondArrow));
        if (l.HasThumb) part(names.Thumb, span(l.ThumbStart, l.ThumbStart + l.ThumbLength), PartState(bar, spThumb));
        GdiFlush();
        BitBlt(dc, r.left, r.top, picture.Width(), picture.Height(), Bitmap32DC(picture), 0, 0, SRCCOPY);
    }
    if (Bar(0).Shown && Bar(1).Shown) PaintCorner(dc);
}

void TvlScrollWnd::PaintCorner(HDC dc) {
    const RECT corner = CornerRect();
    TBitmap32 piece(corner.right - corner.left, corner.bottom - corner.top);
    if (piece.Empty()) return;
    // The square between the bars shows what lies behind the window.
    RefreshGeometry();
    const TBgSource behind = ParentBackground(piece);
    if (behind.HasBitmap && behind.Bitmap)
        CopyPixels(piece, 0, 0, piece.Width(), piece.Height(), *behind.Bitmap,
                   behind.OffsetX + positionInParent_.x + corner.left, behind.OffsetY + positionInParent_.y + corner.top);
    else
        FillColor(piece, TRect32{0, 0, piece.Width(), piece.Height()}, behind.Color);
    const TsSkinModel& skin = SkinManager()->Model();
    const int grip = skin.KnownIndexes.GripImage;
    if (InGripCorner() && skin.IsValidMask(grip)) {
        const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(grip)];
        const TPoint32 at{piece.Width() - mask.StateWidth(), piece.Height() - mask.StateHeight()};
        PaintMaskImage(piece, at, 0, BgSourceOfBitmap(&piece, 0, 0), mask, miNormal);
    }
    GdiFlush();
    BitBlt(dc, corner.left, corner.top, piece.Width(), piece.Height(), Bitmap32DC(piece), 0, 0, SRCCOPY);
}

}  // namespace pakmole
