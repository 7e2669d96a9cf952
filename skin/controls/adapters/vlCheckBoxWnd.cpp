#include "skin/controls/adapters/vlCheckBoxWnd.h"

#include <algorithm>

#include "skin/controls/state/vlParentBg.h"
#include "skin/controls/state/vlWindowFont.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"

namespace pakmole {

namespace {

constexpr int kNoMaskSide = 16;

bool IsRadio(LONG style) {
    const LONG type = style & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace

TvlCheckBoxWnd::TvlCheckBoxWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                               TsCommonData* state)
    : TvlMainWnd(window, repaint, section.empty() ? "CHECKBOX" : section, manager, state),
      ownerDraw_((GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW) {}

const char* TvlCheckBoxWnd::GlyphName(LONG style, LRESULT buttonState) {
    // The indeterminate state wins over the check, for radio buttons as well.
    if (buttonState & BST_INDETERMINATE) return "BOXGRAYED";
    const bool checked = (buttonState & BST_CHECKED) != 0;
    if (IsRadio(style)) return checked ? "RADIOCHECKED" : "RADIOUNCHECKED";
    return checked ? "BOXCHECKED" : "BOXUNCHECKED";
}

int TvlCheckBoxWnd::LookState() const {
    const LRESULT state = SendMessageA(handle_, BM_GETSTATE, 0, 0);
    if (state & BST_PUSHED) return 2;
    if ((state & BST_FOCUS) || skinData_->MouseOver || IsHot()) return 1;
    return 0;
}

void TvlCheckBoxWnd::PaintGlyph(TBitmap32& cache, int state) {
    const TsSkinManager* manager = SkinManager();
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    const TsSkinModel& skin = manager->Model();
    const int index = skin.FindMask(skin.KnownIndexes.GlobalInfo, "GLOBALINFO",
                                    GlyphName(style, SendMessageA(handle_, BM_GETSTATE, 0, 0)));
    // Without the skin's glyph the place stays reserved, and empty.
    int w = kNoMaskSide, h = kNoMaskSide;
    const TsMaskData* mask = skin.IsValidMask(index) ? &skin.Masks[static_cast<std::size_t>(index)] : nullptr;
    if (mask) w = mask->StateWidth(), h = mask->StateHeight();
    const int left = (style & BS_LEFTTEXT) ? width_ - w : 0;
    const int top = (height_ - h) / 2;
    glyphRect_ = RECT{left, top, left + w, top + h};
    if (mask) PaintMaskImage(cache, TPoint32{left, top}, state, BgSourceOfBitmap(&cache, 0, 0), *mask, miNormal);
}

void TvlCheckBoxWnd::PaintCaption(TBitmap32& cache, int state) {
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    const bool multiLine = (style & BS_MULTILINE) != 0;
    const bool rtl = (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const int glyph = glyphRect_.right - glyphRect_.left;
    HDC dc = Bitmap32DC(cache);
    SelectedObject font(dc, WindowFont(handle_));
    SetBkMode(dc, TRANSPARENT);
    const UINT lines = multiLine ? DT_WORDBREAK : DT_SINGLELINE;
    RECT measure{0, 0, std::max(0, width_ - glyph - 2), 0};
    DrawTextLine(dc, caption_, measure, DT_CALCRECT | lines);
    const int textWidth = measure.right - measure.left, textHeight = measure.bottom - measure.top;
    const int top = std::max(0, (height_ - textHeight) / 2);
    RECT r{glyph + 4, top - 1, width_, height_ - top - 1};
    if (multiLine) OffsetRect(&r, -1, 0);
    UINT flags = lines;
    if (style & BS_LEFTTEXT) {
        if (rtl) {
            r = RECT{0, top - 1, width_ - glyph - 6, height_ - top - 1};
            flags |= DT_RTLREADING | (multiLine ? 0 : DT_RIGHT);
        } else {
            r = RECT{2, top - 1, width_ - glyph - 2, height_ - top - 1};
        }
    }
    const int textLeft = (flags & DT_RIGHT) ? r.right - textWidth : r.left;
    captionRect_ = RECT{textLeft, r.top, std::min<int>(textLeft + textWidth, r.right), r.top + textHeight};
    WriteSkinText(dc, &caption_, IsWindowEnabled(handle_) != FALSE, static_cast<uint8_t>(state != 0), *skinData_, flags,
                  r);
    if ((SendMessageA(handle_, BM_GETSTATE, 0, 0) & BST_FOCUS) && !caption_.empty()) {
        RECT focus = captionRect_;
        InflateRect(&focus, 1, 0);
        BrushHandle brush(CreateSolidBrush(ColorToRGB(clBtnFace)));
        FrameRect(dc, &focus, brush.Get());
    }
    GdiFlush();
}

void TvlCheckBoxWnd::RenderCache() {
    RefreshGeometry();
    const int state = LookState();
    skinData_->BackgroundStale = true;
    skinData_->BuildCache(state, [this, state](TBitmap32& cache, const TBgSource&) {
        PaintGlyph(cache, state);
        PaintCaption(cache, state);
    });
}

void TvlCheckBoxWnd::Paint(HDC dc) {
    if (skinData_->IsUpdating()) return;
    RenderCache();
    const TBitmap32* cache = skinData_->CacheBitmap.get();
    if (cache && !cache->Empty() && !skinData_->BackgroundStale)
        BitBlt(dc, 0, 0, width_, height_, Bitmap32DC(*cache), 0, 0, SRCCOPY);
}

void TvlCheckBoxWnd::Repaint() { RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void TvlCheckBoxWnd::WithoutRedraw(TMessage& m) {
    SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
    TvlMainWnd::HandleMessage(m);
    SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
}

void TvlCheckBoxWnd::HandleMessage(TMessage& m) {
    if (LeftToBase(m)) return;
    if (ownerDraw_) {
        if (m.Msg != WM_ERASEBKGND) {
            TvlMainWnd::HandleMessage(m);
            return;
        }
        RefreshGeometry();
        TBitmap32 behindPicture(width_, height_);
        PaintBehind(behindPicture, TRect32{0, 0, width_, height_}, ParentBehind(handle_, SkinManager()));
        BitBlt(reinterpret_cast<HDC>(m.WParam), 0, 0, width_, height_, Bitmap32DC(behindPicture), 0, 0, SRCCOPY);
        m.Result = 1;
        return;
    }
    if (PaintMessage(m, prPrint | prPaintHidden | prEraseHidden)) return;
    switch (m.Msg) {
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The platform draws these changes at once; the skin's look follows.
        if (!Visible()) break;
        if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) skinData_->HasFocus = m.Msg == WM_SETFOCUS;
        WithoutRedraw(m);
        Repaint();
        return;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE || !Visible()) break;
        WithoutRedraw(m);
        Repaint();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (!Visible()) break;
        WithoutRedraw(m);
        Repaint();
        return;
    case SKM_COMMAND:
        switch (SkinCommandCode(m.WParam)) {
        case SKC_MOUSEENTER:
        case SKC_MOUSELEAVE:
            skinData_->MouseOver = SkinCommandCode(m.WParam) == SKC_MOUSEENTER;
            Repaint();
            return;
        default:
            break;
        }
        break;
    case WM_NCHITTEST:
        TvlMainWnd::HandleMessage(m);
        if (IsWindowEnabled(handle_)) SetHot(true);
        return;
    case WM_MOUSEMOVE: {
        // A window without a component hears of the mouse leaving only when it asks.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&track);
        break;
    }
    case WM_MOUSELEAVE:
        SetHot(false);
        break;
    case WM_NCPAINT:
        m.Result = 0;
        return;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
