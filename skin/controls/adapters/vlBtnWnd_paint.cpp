// The button adapter's picture: state, skin section, caption and the
// disabled blend, composed in the cache and copied to the window in one go.
#include "skin/controls/adapters/vlBtnWnd.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/Blend.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/SkinText_win.h"
#include "skin/render/WindowAnimation_win.h"
#include "ui/GdiHandles.h"
#include "ui/WinControl.h"

namespace pakmole {

bool TvlBtnWnd::IsDefaultButton() const {
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    // A raw dialog button keeps the default flag in bit 0 of its style.
    if (!OwnerControl()) return (style & 1) != 0;
    return (style & 0x0F) == BS_DEFPUSHBUTTON;
}

int TvlBtnWnd::StateIndex() const {
    if (Pushed()) return 2;
    if (!IsWindowEnabled(handle_)) return 0;
    if (GetFocus() == handle_ || IsHot() || skinData_->MouseOver) return 1;
    if (IsDefaultButton()) return 1;
    return 0;
}

HFONT TvlBtnWnd::CaptionFont() {
    if (TControl* control = OwnerControl()) return control->Font().Handle();
    if (auto font = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0))) return font;
    if (!messageFont_) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        messageFont_.Reset(CreateFontIndirectA(&metrics.lfMessageFont));
    }
    return messageFont_.Get();
}

int TvlBtnWnd::GetCaptionWidthLimit() const {
    if (caption_.empty()) return 0;
    const SIZE glyph = GetGlyphSize();
    if (glyph.cx == 0) return width_ + 1;
    return std::max<int>(0, width_ - static_cast<int>(glyph.cx));
}

SIZE TvlBtnWnd::MeasureCaption(HDC dc) {
    UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_CENTER;
    if (GetWindowLongA(handle_, GWL_STYLE) & BS_MULTILINE) flags |= DT_WORDBREAK;
    RECT r{0, 0, GetCaptionWidthLimit() + 2, 0};
    DrawTextLine(dc, caption_, r, flags);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT TvlBtnWnd::GetCaptionRect(HDC dc) {
    const SIZE text = MeasureCaption(dc);
    const int dx = (width_ - text.cx) / 2, dy = (height_ - text.cy) / 2;
    RECT r{dx - 1, dy, width_ - dx + 2, height_ - dy};
    // The pressed look moves the caption one pixel right and down.
    if (Pushed()) OffsetRect(&r, 1, 1);
    return r;
}

void TvlBtnWnd::PaintText(HDC dc, RECT rect, int state, UINT flags) {
    WriteSkinText(dc, &caption_, IsWindowEnabled(handle_) != FALSE, static_cast<uint8_t>(state != 0), *skinData_,
                  flags, rect);
}

void TvlBtnWnd::PaintCaption(TBitmap32& cache, int state) {
    HDC dc = Bitmap32DC(cache);
    SelectedObject font(dc, CaptionFont());
    RECT rect = GetCaptionRect(dc);
    SetBkMode(dc, TRANSPARENT);
    UINT flags = DT_CENTER | DT_EXPANDTABS;
    if (GetWindowLongA(handle_, GWL_STYLE) & BS_MULTILINE) flags |= DT_WORDBREAK;
    if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
    PaintText(dc, rect, state, flags);
    if (IsWindowEnabled(handle_) && (SendMessageA(handle_, BM_GETSTATE, 0, 0) & BST_FOCUS) && !caption_.empty() &&
        skinData_->Skinned() && skinData_->Section().ShowFocus) {
        InflateRect(&rect, 1, 1);
        BrushHandle brush(CreateSolidBrush(ColorToRGB(clBtnFace)));
        FrameRect(dc, &rect, brush.Get());
    }
    GdiFlush();
}

void TvlBtnWnd::RenderCache() {
    RefreshGeometry();
    const int state = StateIndex();
    skinData_->BackgroundStale = true;
    skinData_->BuildCache(state, [this, state](TBitmap32& cache, const TBgSource& parentBg) {
        PaintCaption(cache, state);
        PaintGlyph(cache, state);
        if (IsWindowEnabled(handle_)) return;
        // 40 percent of the button over what lies behind it.
        if (parentBg.HasBitmap && parentBg.Bitmap)
            PaintDisabledBlended(cache, parentBg, TPoint32{positionInParent_.x, positionInParent_.y}, 0);
        else
            ColorOver(cache, TRect32{0, 0, cache.Width(), cache.Height()}, 40, parentBg.Color);
    });
}

void TvlBtnWnd::Paint(HDC target) {
    RefreshGeometry();
    PAINTSTRUCT ps{};
    const bool painting = target == nullptr;
    // A WM_PRINT or a DC handed in paints there; a plain WM_PAINT validates the window.
    HDC dc = painting ? BeginPaint(handle_, &ps) : target;
    // While a window animation shows its picture, the window under it is not
    // drawn (a print still is).
    const bool animating = painting && AnimationInProgress();
    skinData_->PaintSuspended = skinData_->IsUpdating() && !animating;
    if (!skinData_->PaintSuspended && !animating) {
        skinData_->BackgroundStale = true;
        RenderCache();
        if (skinData_->CacheBitmap && !skinData_->CacheBitmap->Empty())
            BitBlt(dc, 0, 0, width_, height_, Bitmap32DC(*skinData_->CacheBitmap), 0, 0, SRCCOPY);
    }
    if (painting) EndPaint(handle_, &ps);
}

}  // namespace pakmole
