// How the scroll-window adapter takes the scroll bars from the platform: the
// room for them, hit testing, the mouse on them, the repeat and hot timers.
#include "skin/controls/adapters/vlScrollWnd.h"

#include <algorithm>

#include "skin/manager/SkinCommands.h"

namespace pakmole {

TvlScrollWnd::TvlScrollWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
                           TsCommonData* state)
    : TvlMainWnd(window, repaint, defaultSection, manager, state) {
    for (int o = 0; o < 2; ++o) {
        TvlScrollBar& bar = Bar(o);
        bar.Orientation = o;
        bar.Owner = this;
    }
    ReadScrollInfo();
    leftScrollBar_ = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

TvlScrollWnd::~TvlScrollWnd() {
    if (!IsWindow(handle_)) return;
    KillTimer(handle_, kHotPartTimer);
    KillTimer(handle_, kFirstRepeatTimer);
    KillTimer(handle_, kRepeatTimer);
    if (GetCapture() == handle_ && (tracking_ || Bar(0).PressedPart != spNone || Bar(1).PressedPart != spNone))
        ReleaseCapture();
}

void TvlScrollWnd::Started() {
    // The platform's room for its own bars was worked out before we came:
    // have the frame computed again, now through our handling.
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TvlScrollWnd::ReadScrollInfo() {
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    for (int o = 0; o < 2; ++o) {
        TvlScrollBar& bar = Bar(o);
        bar.Info = SCROLLINFO{};
        bar.Info.cbSize = sizeof(SCROLLINFO);
        bar.Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
        if (!GetScrollInfo(handle_, bar.Code(), &bar.Info)) {
            bar.Info.nMin = bar.Info.nMax = bar.Info.nPos = bar.Info.nTrackPos = 0;
            bar.Info.nPage = 0;
        }
        bar.StyleFlag = (style & (o == 0 ? WS_HSCROLL : WS_VSCROLL)) ? 8 : 0;
    }
}

int TvlScrollWnd::Thickness(int o) const {
    const TvlScrollBar& bar = Bar(o);
    if (bar.ThicknessOverride >= 0) return bar.ThicknessOverride;
    return GetSystemMetrics(o == 0 ? SM_CYHSCROLL : SM_CXVSCROLL);
}

int TvlScrollWnd::ArrowLength(int o) const {
    const TvlScrollBar& bar = Bar(o);
    if (bar.ArrowOverride >= 0) return bar.ArrowOverride;
    return GetSystemMetrics(o == 0 ? SM_CXHSCROLL : SM_CYVSCROLL);
}

RECT TvlScrollWnd::BarRect(int o) const {
    if (!Bar(o).Shown) return RECT{};
    RECT window;
    GetWindowRect(handle_, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    const bool vertical = Bar(1).Shown, horizontal = Bar(0).Shown;
    if (o == 0) {
        RECT r{borders_[0], 0, w - borders_[1], h - borders_[3]};
        if (vertical && leftScrollBar_) r.left += Thickness(1);
        if (vertical && !leftScrollBar_) r.right -= Thickness(1);
        r.top = r.bottom - Thickness(0);
        return r;
    }
    RECT r{0, borders_[2], 0, h - borders_[3] - (horizontal ? Thickness(0) : 0)};
    if (leftScrollBar_) {
        r.left = borders_[0];
        r.right = r.left + Thickness(1);
    } else {
        r.right = w - borders_[1];
        r.left = r.right - Thickness(1);
    }
    return r;
}

RECT TvlScrollWnd::CornerRect() const {
    if (!Bar(0).Shown || !Bar(1).Shown) return RECT{};
    const RECT h = BarRect(0), v = BarRect(1);
    return RECT{v.left, h.top, v.right, h.bottom};
}

bool TvlScrollWnd::InGripCorner() const {
    HWND top = GetAncestor(handle_, GA_ROOT);
    if (!top || top == handle_) return false;
    RECT window, client;
    GetWindowRect(handle_, &window);
    GetClientRect(top, &client);
    MapWindowPoints(top, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return window.right == client.right && window.bottom == client.bottom;
}

TScrollBarLayout TvlScrollWnd::Layout(int o) const {
    const RECT r = BarRect(o);
    const int length = o == 0 ? r.right - r.left : r.bottom - r.top;
    TScrollBarLayout layout = LayoutScrollBar(Bar(o).State(), length, ArrowLength(o), Bar(o).MinThumb);
    // A dragged thumb is where the pointer put it, not where the position puts it.
    if (tracking_ && trackBar_ == o && layout.HasThumb) layout.ThumbStart = trackThumbStart_;
    return layout;
}

int TvlScrollWnd::AlongBar(int o, POINT screen) const {
    RECT window;
    GetWindowRect(handle_, &window);
    const RECT r = BarRect(o);
    return o == 0 ? screen.x - window.left - r.left : screen.y - window.top - r.top;
}

int TvlScrollWnd::PartAtScreen(int o, POINT screen) const {
    if (!Bar(o).Shown) return spNone;
    RECT window;
    GetWindowRect(handle_, &window);
    const RECT r = BarRect(o);
    const POINT p{screen.x - window.left, screen.y - window.top};
    if (!PtInRect(&r, p)) return spNone;
    return ScrollPartAt(Layout(o), AlongBar(o, screen));
}

bool TvlScrollWnd::ArrowDisabled(int o, int part) const {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(handle_, o == 0 ? OBJID_HSCROLL : OBJID_VSCROLL, &info)) return false;
    // States 1 and 5 are the first and the second arrow.
    return (info.rgstate[part == spFirstArrow ? 1 : 5] & STATE_SYSTEM_UNAVAILABLE) != 0;
}

void TvlScrollWnd::CallWithoutBarStyles(TMessage& m) {
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    const LONG bars = style & (WS_HSCROLL | WS_VSCROLL);
    if (!bars) {
        CallPrevWndProc(m);
        return;
    }
    restyling_ = true;
    SetWindowLongA(handle_, GWL_STYLE, style & ~bars);
    CallPrevWndProc(m);
    SetWindowLongA(handle_, GWL_STYLE, GetWindowLongA(handle_, GWL_STYLE) | bars);
    restyling_ = false;
}

void TvlScrollWnd::CalcSize(TMessage& m) {
    const LONG style = GetWindowLongA(handle_, GWL_STYLE);
    // The first rectangle is the window's on the way in and the client's on the way out.
    RECT* rect = reinterpret_cast<RECT*>(m.LParam);
    const RECT window = *rect;
    CallWithoutBarStyles(m);
    RECT& client = *rect;
    // The frame is painted from these with or without bars.
    borders_ = {client.left - window.left, window.right - client.right, client.top - window.top,
                window.bottom - client.bottom};
    if (!(style & (WS_HSCROLL | WS_VSCROLL))) {
        Bar(0).Shown = Bar(1).Shown = false;
        return;
    }
    TvlScrollBar& h = Bar(0);
    h.Shown = (style & WS_HSCROLL) && client.bottom - client.top >= Thickness(0);
    if (h.Shown) client.bottom -= Thickness(0);
    TvlScrollBar& v = Bar(1);
    v.Shown = (style & WS_VSCROLL) && client.right - client.left >= Thickness(1);
    if (v.Shown && leftScrollBar_) client.left += Thickness(1);
    if (v.Shown && !leftScrollBar_) client.right -= Thickness(1);
}

LRESULT TvlScrollWnd::HitTest(POINT screen) {
    RECT window;
    GetWindowRect(handle_, &window);
    const POINT p{screen.x - window.left, screen.y - window.top};
    for (int o = 0; o < 2; ++o) {
        if (!Bar(o).Shown) continue;
        const RECT r = BarRect(o);
        if (!PtInRect(&r, p)) continue;
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        const bool disabled = !IsWindowEnabled(handle_) ||
                              (GetScrollBarInfo(handle_, o == 0 ? OBJID_HSCROLL : OBJID_VSCROLL, &info) &&
                               (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE));
        if (disabled) return HTNOWHERE;
        return o == 0 ? HTHSCROLL : HTVSCROLL;
    }
    const RECT corner = CornerRect();
    if (PtInRect(&corner, p) && InGripCorner()) return HTBOTTOMRIGHT;
    return -1;
}

void TvlScrollWnd::Press(int o, POINT screen) {
    ReadScrollInfo();
    TvlScrollBar& bar = Bar(o);
    const TScrollBarLayout layout = Layout(o);
    const int along = AlongBar(o, screen);
    const int part = ScrollPartAt(layout, along);
    if (part == spNone) return;
    if ((part == spFirstArrow || part == spSecondArrow) && ArrowDisabled(o, part)) return;
    SetCapture(handle_);
    bar.PressedPart = part;
    if (part == spThumb) {
        tracking_ = true;
        trackBar_ = o;
        trackPos_ = bar.Info.nPos;
        clickOffset_ = along - layout.ThumbStart;
        trackThumbStart_ = layout.ThumbStart;
        PaintBars();
        return;
    }
    PaintBars();
    SendScroll(o, part);
    SetTimer(handle_, kFirstRepeatTimer, 300, nullptr);
}

void TvlScrollWnd::Track(POINT screen) {
    const int o = trackBar_;
    tracking_ = false;  // the layout of the position, not of the drag
    const TScrollBarLayout layout = Layout(o);
    tracking_ = true;
    if (!layout.HasThumb) return;
    trackThumbStart_ = std::clamp(AlongBar(o, screen) - clickOffset_, layout.TrackStart,
                                  layout.TrackStart + layout.TrackLength - layout.ThumbLength);
    PaintBars();
    const int position = ThumbPosition(Bar(o).State(), layout, trackThumbStart_);
    if (position == trackPos_) return;
    trackPos_ = position;
    SendScroll(o, SB_THUMBTRACK);
}

void TvlScrollWnd::Release() {
    KillTimer(handle_, kFirstRepeatTimer);
    KillTimer(handle_, kRepeatTimer);
    // Cleared before the capture goes: letting go of it comes back here.
    const std::array<int, 2> pressed{Bar(0).PressedPart, Bar(1).PressedPart};
    Bar(0).PressedPart = Bar(1).PressedPart = spNone;
    tracking_ = false;
    trackBar_ = -1;
    if (GetCapture() == handle_) ReleaseCapture();
    for (int o = 0; o < 2; ++o) {
        if (pressed[static_cast<std::size_t>(o)] == spNone) continue;
        if (pressed[static_cast<std::size_t>(o)] == spThumb) SendScroll(o, SB_THUMBPOSITION);
        SendScroll(o, SB_ENDSCROLL);
    }
    RefreshBars();
}

void TvlScrollWnd::SendScroll(int o, int code) {
    TvlScrollBar& bar = Bar(o);
    const LPARAM about = MAKELPARAM(code, bar.Message());
    const bool takenOver = SendMessageA(handle_, SKM_COMMAND, SkinCommandParam(SKC_BEFORESCROLL), about) == 1;
    const bool thumb = code == SB_THUMBTRACK || code == SB_THUMBPOSITION;
    int position = thumb ? trackPos_ : bar.Info.nPos;
    LPARAM scrollParam = 0;
    if (takenOver) {
        // The receiver keeps the scroll state: it reads the position from here.
        scrollParam = position;
    } else {
        ReadScrollInfo();
        if (code == SB_THUMBTRACK) {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_POS;
            info.nPos = trackPos_;
            SetScrollInfo(handle_, bar.Code(), &info, FALSE);
        }
        position = thumb ? trackPos_ : bar.Info.nPos;
    }
    SendMessageA(handle_, bar.Message(), MAKEWPARAM(code, std::clamp(position, 0, 0xFFFF)), scrollParam);
    SendMessageA(handle_, SKM_COMMAND, SkinCommandParam(SKC_AFTERSCROLL), about);
    RefreshBars();
}

void TvlScrollWnd::TickHot() {
    POINT cursor;
    GetCursorPos(&cursor);
    bool over = false, changed = false;
    for (int o = 0; o < 2; ++o) {
        TvlScrollBar& bar = Bar(o);
        const int part = PartAtScreen(o, cursor);
        RECT window;
        GetWindowRect(handle_, &window);
        RECT r = BarRect(o);
        OffsetRect(&r, window.left, window.top);
        if (bar.Shown && PtInRect(&r, cursor)) over = true;
        if (part != bar.HotPart) {
            bar.HotPart = part;
            changed = true;
        }
    }
    if (!over) {
        KillTimer(handle_, kHotPartTimer);
        hotTimer_ = false;
    }
    if (changed) PaintBars();
}

void TvlScrollWnd::TickRepeat() {
    POINT cursor;
    GetCursorPos(&cursor);
    for (int o = 0; o < 2; ++o) {
        const TvlScrollBar& bar = Bar(o);
        if (bar.PressedPart == spNone || bar.PressedPart == spThumb) continue;
        // Off the part the repeat pauses; back on it, it goes on.
        if (PartAtScreen(o, cursor) == bar.PressedPart) SendScroll(o, bar.PressedPart);
    }
}

void TvlScrollWnd::RefreshBars() {
    if (!Visible() || !skinData_ || skinData_->PaintSuspended) return;
    ReadScrollInfo();
    PaintBars();
}

void TvlScrollWnd::PaintNonClient(TMessage& m) {
    CallWithoutBarStyles(m);
    PaintBars();
}

void TvlScrollWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlMainWnd::HandleMessage(m);
        return;
    }
    const bool onBar = m.WParam == HTHSCROLL || m.WParam == HTVSCROLL;
    const POINT screen{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
    switch (m.Msg) {
    case WM_NCCALCSIZE:
        CalcSize(m);
        return;
    case WM_NCPAINT:
        if (!Visible()) break;
        PaintNonClient(m);
        m.Result = 0;
        return;
    case WM_NCHITTEST: {
        const LRESULT hit = HitTest(screen);
        if (hit < 0) break;
        m.Result = hit;
        return;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (m.Msg == WM_NCLBUTTONDOWN && m.WParam == HTBOTTOMRIGHT && InGripCorner()) {
            // The grip sizes the top-level window, not this one.
            HWND top = GetAncestor(handle_, GA_ROOT);
            if (GetWindowLongA(top, GWL_STYLE) & WS_THICKFRAME) SendMessageA(top, WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, m.LParam);
            m.Result = 0;
            return;
        }
        if (!onBar) break;
        Press(m.WParam == HTHSCROLL ? 0 : 1, screen);
        m.Result = 0;
        return;
    case WM_NCMOUSEMOVE:
        if (onBar && !hotTimer_) {
            hotTimer_ = true;
            SetTimer(handle_, kHotPartTimer, 20, nullptr);
            TickHot();
        }
        break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        if (!onBar) break;
        m.Result = 0;
        return;
    case WM_MOUSEMOVE:
        if (!tracking_) break;
        {
            POINT cursor;
            GetCursorPos(&cursor);
            Track(cursor);
        }
        m.Result = 0;
        return;
    case WM_LBUTTONUP:
        if (!tracking_ && Bar(0).PressedPart == spNone && Bar(1).PressedPart == spNone) break;
        Release();
        m.Result = 0;
        return;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press ends there.
        if (tracking_ || Bar(0).PressedPart != spNone || Bar(1).PressedPart != spNone) Release();
        break;
    case WM_TIMER:
        if (m.WParam == kHotPartTimer) {
            TickHot();
        } else if (m.WParam == kFirstRepeatTimer) {
            KillTimer(handle_, kFirstRepeatTimer);
            SetTimer(handle_, kRepeatTimer, 55, nullptr);
            TickRepeat();
        } else if (m.WParam == kRepeatTimer) {
            TickRepeat();
        } else {
            break;
        }
        m.Result = 0;
        return;
    case WM_STYLECHANGED:
        if (!restyling_ && m.WParam == static_cast<WPARAM>(GWL_EXSTYLE))
            leftScrollBar_ = (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
        break;
    case WM_SYSCOMMAND:
        if (m.WParam == 0xF077) {
            m.Result = 0;
            return;
        }
        break;
    case WM_MOUSEWHEEL:
    case CM_FOCUSCHANGED:
        TvlMainWnd::HandleMessage(m);
        if (!scrollPaintPaused_) RefreshBars();
        return;
    default:
        break;
    }
    TvlMainWnd::HandleMessage(m);
}

}  // namespace pakmole
