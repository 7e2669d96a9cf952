// The skinned edit's picture: one cache holds the whole window (frame, field
// and text); without the focus it is all the window shows, with the focus the
// platform draws the text and caret and only the frame ring comes from it.
#include "skin/controls/edits/sMaskEdit.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"
#include "ui/WinControl.h"

namespace pakmole {

namespace {

// The frame ring copied over the platform's own painting of a focused edit.
constexpr int kFrameRing = 2;

void CopyRing(HDC target, HDC source, int width, int height, int ring) {
    BitBlt(target, 0, 0, width, ring, source, 0, 0, SRCCOPY);
    BitBlt(target, 0, height - ring, width, ring, source, 0, height - ring, SRCCOPY);
    BitBlt(target, 0, ring, ring, height - 2 * ring, source, 0, ring, SRCCOPY);
    BitBlt(target, width - ring, ring, ring, height - 2 * ring, source, width - ring, ring, SRCCOPY);
}

}  // namespace

bool TsMaskEdit::BuildCache() {
    return skinData_->BuildCache(IsHotLook() ? 1 : 0, [this](TBitmap32&, const TBgSource&) { DrawEditText(); });
}

void TsMaskEdit::DrawEditText() {
    const std::string text = DisplayText();
    if (text.empty() || !skinData_->CacheBitmap) return;
    const TBitmap32& cache = *skinData_->CacheBitmap;
    const int border = BorderWidth();
    const bool flat = BorderStyle() == TBorderStyle::bsSingle && !Ctl3D();
    RECT area{border + (flat ? 2 : 0), border, cache.Width() - border - ButtonAreaWidth(), cache.Height() - border};
    // Where the platform writes the text once the edit has the focus (its
    // formatting rectangle with the font's margins): the text stays put
    // when the focus comes and goes.
    RECT formatting{};
    if (HandleAllocated()) SendMessageA(handle_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatting));
    if (formatting.right > formatting.left) {
        const int offset = ClientOffset();
        area.left = formatting.left + offset;
        area.top = formatting.top + offset;
    }
    HDC dc = Bitmap32DC(cache);
    SelectedObject font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    WriteSkinText(dc, &text, Enabled(), static_cast<uint8_t>(IsHotLook() ? 1 : 0), *skinData_,
                  DT_NOPREFIX | DT_SINGLELINE | DT_TOP | TextAlignment(), area);
    GdiFlush();
}

void TsMaskEdit::PaintFrame(HDC dc) {
    if (!Parent() || !Visible() || !Parent()->Visible() || !HandleAllocated() || BorderWidth() == 0 ||
        skinData_->PaintSuspended)
        return;
    if (skinData_->BackgroundStale && !BuildCache()) return;
    const TBitmap32& cache = *skinData_->CacheBitmap;
    if (cache.Empty()) return;
    FrameDC target(handle_, dc);
    CopyRing(target.Get(), Bitmap32DC(cache), cache.Width(), cache.Height(), kFrameRing);
}

void TsMaskEdit::PaintFromCache(HDC dc) {
    if (skinData_->BackgroundStale || !skinData_->PartlyVisible) {
        skinData_->BackgroundStale = true;
        if (!BuildCache()) {
            skinData_->PaintSuspended = true;
            return;
        }
    }
    const TBitmap32& cache = *skinData_->CacheBitmap;
    if (cache.Empty()) return;
    FrameDC target(handle_, dc);
    BitBlt(target.Get(), 0, 0, cache.Width(), cache.Height(), Bitmap32DC(cache), 0, 0, SRCCOPY);
    const int offset = ClientOffset();
    PaintChildCaches(target.Get(), offset, offset);
}

void TsMaskEdit::HandlePaint(TMessage& m) {
    if (!SkinActive() || !HandleAllocated()) {
        TMaskEdit::WndProc(m);
        return;
    }
    switch (m.Msg) {
    case WM_NCPAINT:
        PaintFrame(nullptr);
        m.Result = 0;
        return;
    case WM_ERASEBKGND:
        if (skinData_->PaintSuspended) {
            m.Result = 1;
            return;
        }
        TMaskEdit::WndProc(m);
        return;
    case WM_PRINT:
        PaintFromCache(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    default:
        break;
    }
    // WM_PAINT.
    if (GetFocus() == handle_) {
        TMaskEdit::WndProc(m);
        PaintFrame(nullptr);
        return;
    }
    PAINTSTRUCT ps{};
    const bool own = m.WParam == 0;
    if (own) BeginPaint(handle_, &ps);
    skinData_->PaintSuspended = false;
    PaintFromCache(nullptr);
    if (own) EndPaint(handle_, &ps);
    m.Result = 0;
}

}  // namespace pakmole
