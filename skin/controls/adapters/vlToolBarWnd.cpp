#include "skin/controls/adapters/vlToolBarWnd.h"

#include <commctrl.h>

#include <vector>

#include "skin/controls/adapters/vlScrollWnd.h"
#include "skin/controls/state/vlWindowFont.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/Blend.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

TvlToolBarWnd::TvlToolBarWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                             TsCommonData* state)
    : TvlMainWnd(window, repaint, section.empty() ? SectionFor(GetWindowLongA(window, GWL_STYLE)) : section, manager,
                 state) {}

const char* TvlToolBarWnd::SectionFor(LONG style) { return (style & TBSTYLE_WRAPABLE) ? "BAR" : "CHECKBOX"; }

int TvlToolBarWnd::ButtonState(BYTE state, bool hot) {
    if (!(state & TBSTATE_ENABLED)) return 0;
    if (state & TBSTATE_PRESSED) return 2;
    return hot ? 1 : 0;
}

int TvlToolBarWnd::HotButton() const {
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(handle_, &cursor);
    if (GetCapture() != handle_ && WindowFromPoint([&] {
            POINT p = cursor;
            ClientToScreen(handle_, &p);
            return p;
        }()) != handle_)
        return -1;
    return static_cast<int>(SendMessageA(handle_, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&cursor)));
}

void TvlToolBarWnd::Paint(HDC dc) {
    RefreshGeometry();
    GetClientRect(handle_, &client_);
    border_ = (height_ - (client_.bottom - client_.top)) / 2;
    skinData_->BackgroundStale = true;
    if (!skinData_->BuildCache(0)) return;
    TsSkinManager& manager = *SkinManager();
    const TsSkinModel& skin = manager.Model();
    const int cw = client_.right - client_.left, ch = client_.bottom - client_.top;
    TBitmap32 picture(cw, ch);
    if (picture.Empty()) return;
    CopyPixels(picture, 0, 0, cw, ch, *skinData_->CacheBitmap, border_, border_);
    HDC pictureDC = Bitmap32DC(picture);
    SelectedObject font(pictureDC, WindowFont(handle_));
    SetBkMode(pictureDC, TRANSPARENT);
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(handle_, TB_GETIMAGELIST, 0, 0));
    const int hot = HotButton();
    const int divider = manager.FindMaskExact("DIVIDER", "BORDERSMASK");
    const int toolSection = manager.FindSection("TOOLBUTTON");
    const int count = static_cast<int>(SendMessageA(handle_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        RECT r{};
        if (!SendMessageA(handle_, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)) ||
            !SendMessageA(handle_, TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
            continue;
        if (button.fsState & TBSTATE_HIDDEN) continue;
        if (button.fsStyle & BTNS_SEP) {
            if (skin.IsValidMask(divider)) {
                const int mid = (r.left + r.right) / 2;
                const TBitmap32 under(picture);
                PaintFrameMask(picture, TRect32{mid - 2, r.top + 2, mid + 2, r.bottom - 2}, 0,
                               skin.Masks[static_cast<std::size_t>(divider)], false, BgSourceOfBitmap(&under, 0, 0));
            }
            continue;
        }
        const int state = ButtonState(button.fsState, i == hot);
        const TRect32 rect{r.left, r.top, r.right, r.bottom};
        const TBitmap32 before(picture);
        if (skin.IsValidSection(toolSection)) PaintSkinPart(manager, "TOOLBUTTON", "TOOLBUTTON", picture, rect, state);
        const int shift = state == 2 ? 1 : 0;
        int imageWidth = 0, imageHeight = 0;
        if (images && button.iBitmap >= 0 && ImageList_GetIconSize(images, &imageWidth, &imageHeight)) {
            ImageList_Draw(images, button.iBitmap, pictureDC, r.left + (r.right - r.left - imageWidth) / 2 + shift,
                           r.top + 4 + shift, ILD_TRANSPARENT);
        }
        if (button.fsStyle & BTNS_WHOLEDROPDOWN) {
            const int arrow = manager.FindMaskExact("SCROLLBTNBOTTOM", "GLYPHMASK");
            if (skin.IsValidMask(arrow)) {
                const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(arrow)];
                PaintMaskImage(picture, TPoint32{r.right - 2 - mask.StateWidth(), (r.top + r.bottom - mask.StateHeight()) / 2},
                               state, BgSourceOfBitmap(&picture, 0, 0), mask, miNormal);
            }
        }
        char text[260] = {};
        if (SendMessageA(handle_, TB_GETBUTTONTEXTA, static_cast<WPARAM>(button.idCommand),
                         reinterpret_cast<LPARAM>(text)) > 0) {
            const std::string caption(text);
            RECT textRect{r.left + shift, r.top + shift, r.right + shift, r.bottom - 2 + shift};
            WriteSectionText(pictureDC, &caption, (button.fsState & TBSTATE_ENABLED) != 0, &manager,
                             static_cast<uint8_t>(state != 0), toolSection,
                             DT_CENTER | DT_BOTTOM | DT_SINGLELINE, textRect);
        }
        GdiFlush();
        if (!(button.fsState & TBSTATE_ENABLED)) {
            // 40 percent of the button over the bar behind it: 60 percent (154 / 256) of the bar kept.
            const TBitmap32 drawn(picture);
            CopyPixels(picture, rect.Left, rect.Top, rect.Width(), rect.Height(), before, rect.Left, rect.Top);
            BlendOver(picture, drawn, 154, TPoint32{rect.Left, rect.Top}, rect);
        }
    }
    GdiFlush();
    BitBlt(dc, 0, 0, cw, ch, pictureDC, 0, 0, SRCCOPY);
}

void TvlToolBarWnd::HandleMessage(TMessage& m) {
    if (LeftToBase(m) || PaintMessage(m, prEraseHidden)) return;
    switch (m.Msg) {
    case WM_NCPAINT:
        if (!(GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) break;
        RefreshGeometry();
        skinData_->BackgroundStale = true;
        if (skinData_->BuildCache(0)) {
            FrameDC window(handle_);
            RECT client;
            GetClientRect(handle_, &client);
            const int b = (height_ - client.bottom) / 2;
            ExcludeClipRect(window.Get(), b, b, width_ - b, height_ - b);
            BitBlt(window.Get(), 0, 0, width_, height_, Bitmap32DC(*skinData_->CacheBitmap), 0, 0, SRCCOPY);
        }
        m.Result = 0;
        return;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        skinData_->BackgroundStale = true;
        TvlMainWnd::HandleMessage(m);
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
        return;
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&track);
        TvlMainWnd::HandleMessage(m);
        InvalidateRect(handle_, nullptr, FALSE);
        return;
    }
    case WM_MOUSELEAVE:
        SetHot(false);
        TvlMainWnd::HandleMessage(m);
        InvalidateRect(handle_, nullptr, FALSE);
        return;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
