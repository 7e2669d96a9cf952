#include "skin/controls/adapters/vlListViewWnd.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/adapters/vlScrollWnd.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/BgSource.h"
#include "skin/render/Blend.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/SkinText_win.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"

namespace pakmole {

namespace {

bool IsHeaderWindow(HWND window) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == WC_HEADERA;
}

}  // namespace

// The header, subclassed like any adapted window; it paints every column
// itself and keeps the hot and pressed column.
class TvlListViewWnd::THeaderWnd : public TvlMainWnd {
public:
    THeaderWnd(HWND header, HWND list, TsSkinManager* manager)
        : TvlMainWnd(header, true, "COLHEADER", manager, nullptr), list_(list) {}
    std::string ClassName() const override { return "TvlHeaderWnd"; }

    void HandleMessage(TMessage& m) override {
        if (destroyed_ || !ManagerActive()) {
            TvlMainWnd::HandleMessage(m);
            return;
        }
        switch (m.Msg) {
        case WM_ERASEBKGND:
            m.Result = 1;
            return;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = m.WParam ? reinterpret_cast<HDC>(m.WParam) : BeginPaint(handle_, &ps);
            Paint(dc);
            if (!m.WParam) EndPaint(handle_, &ps);
            m.Result = 0;
            return;
        }
        case WM_MOUSEMOVE: {
            TvlMainWnd::HandleMessage(m);
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
            TrackMouseEvent(&track);
            SetHotColumn(ColumnAt(LOWORD(m.LParam), HIWORD(m.LParam)));
            return;
        }
        case WM_MOUSELEAVE:
            TvlMainWnd::HandleMessage(m);
            SetHotColumn(-1);
            return;
        case WM_LBUTTONDOWN:
            pressed_ = ColumnAt(LOWORD(m.LParam), HIWORD(m.LParam));
            InvalidateRect(handle_, nullptr, FALSE);
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (pressed_ >= 0) {
                pressed_ = -1;
                InvalidateRect(handle_, nullptr, FALSE);
            }
            break;
        default:
            break;
        }
        TvlMainWnd::HandleMessage(m);
    }

    // The pointer went over the list itself.
    void Clear() {
        if (hot_ < 0 && pressed_ < 0) return;
        hot_ = pressed_ = -1;
        InvalidateRect(handle_, nullptr, FALSE);
    }
    int Hot() const { return hot_; }
    int Pressed() const { return pressed_; }

private:
    int ColumnAt(int x, int y) const {
        HDHITTESTINFO hit{};
        hit.pt = POINT{static_cast<short>(x), static_cast<short>(y)};
        const int item = static_cast<int>(SendMessageA(handle_, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        return (hit.flags & HHT_ONHEADER) ? item : -1;
    }
    void SetHotColumn(int column) {
        if (column == hot_) return;
        hot_ = column;
        InvalidateRect(handle_, nullptr, FALSE);
    }
    void Paint(HDC dc) {
        TsSkinManager& manager = *SkinManager();
        RECT client;
        GetClientRect(handle_, &client);
        TBitmap32 picture(client.right, client.bottom);
        if (picture.Empty()) return;
        COLORREF listColor = static_cast<COLORREF>(SendMessageA(list_, LVM_GETBKCOLOR, 0, 0));
        if (listColor == CLR_NONE) listColor = GetSysColor(COLOR_WINDOW);
        FillColor(picture, TRect32{0, 0, picture.Width(), picture.Height()}, static_cast<int32_t>(listColor));
        const char* section = "COLHEADER";
        int sectionIndex = manager.FindSection(section);
        if (sectionIndex < 0) sectionIndex = manager.FindSection(section = "BUTTON");
        const int count = static_cast<int>(SendMessageA(handle_, HDM_GETITEMCOUNT, 0, 0));
        const HDC pictureDC = Bitmap32DC(picture);
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
        const SelectedObject selected(pictureDC, font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        const bool enabled = IsWindowEnabled(handle_) != FALSE;
        for (int i = 0; i < count; ++i) {
            RECT r;
            if (!SendMessageA(handle_, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) continue;
            const int state = i == pressed_ ? 2 : i == hot_ ? 1 : 0;
            // No glyph of its own: the header's picture is the section alone.
            PaintSkinPart(manager, section, "", picture, TRect32{r.left, r.top, r.right, r.bottom}, state);
            char text[260] = "";
            HDITEMA item{};
            item.mask = HDI_TEXT | HDI_FORMAT;
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendMessageA(handle_, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
            RECT textRect{r.left + 6, r.top, r.right - 6, r.bottom};
            UINT format = DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS;
            if (item.fmt & HDF_RIGHT)
                format |= DT_RIGHT;
            else if (item.fmt & HDF_CENTER)
                format |= DT_CENTER;
            if (state == 2) OffsetRect(&textRect, 1, 1);
            const std::string caption = text;
            GdiFlush();
            WriteSectionText(pictureDC, &caption, enabled, &manager, state == 1 ? 1 : 0, sectionIndex, format,
                             textRect);
            GdiFlush();
            PaintSortArrow(manager, picture, pictureDC, item.fmt, caption, textRect, format);
        }
        GdiFlush();
        BitBlt(dc, 0, 0, picture.Width(), picture.Height(), pictureDC, 0, 0, SRCCOPY);
    }

    // Six pixels right of the text, centred in height.
    void PaintSortArrow(TsSkinManager& manager, TBitmap32& picture, HDC pictureDC, int fmt, const std::string& text,
                        const RECT& textRect, UINT format) {
        const char* arrowSection = (fmt & HDF_SORTDOWN) ? "SCROLLBTNBOTTOM" : (fmt & HDF_SORTUP) ? "SCROLLBTNTOP" : nullptr;
        if (!arrowSection) return;
        const int maskIndex = manager.FindMaskExact(arrowSection, "GLYPHMASK");
        if (!manager.Model().IsValidMask(maskIndex)) return;
        const TsMaskData& mask = manager.Model().Masks[static_cast<std::size_t>(maskIndex)];
        RECT measured = textRect;
        DrawTextA(pictureDC, text.c_str(), static_cast<int>(text.size()), &measured,
                  (format & ~DT_VCENTER) | DT_CALCRECT);
        int left = textRect.left;
        const int width = measured.right - measured.left;
        if (format & DT_RIGHT)
            left = textRect.right - width;
        else if (format & DT_CENTER)
            left = (textRect.left + textRect.right - width) / 2;
        const TPoint32 at{left + width + 6, (textRect.top + textRect.bottom - mask.StateHeight()) / 2};
        PaintMaskImage(picture, at, 0, BgSourceOfBitmap(&picture, 0, 0), mask, miNormal);
    }

    HWND list_;
    int hot_ = -1;
    int pressed_ = -1;
};

TvlListViewWnd::TvlListViewWnd(HWND window, bool repaint, const std::string& section, TsSkinManager* manager,
                               TsCommonData* state)
    : TvlEditWnd(window, repaint, section.empty() ? std::string("EDIT") : section, manager, state) {}

TvlListViewWnd::~TvlListViewWnd() = default;

void TvlListViewWnd::Started() {
    TvlEditWnd::Started();
    if (HWND header = FindWindowExA(handle_, nullptr, WC_HEADERA, nullptr)) AttachHeader(header);
}

void TvlListViewWnd::AttachHeader(HWND header) {
    if (header_ && header_->Handle() == header && !header_->Destroyed()) return;
    header_ = std::make_unique<THeaderWnd>(header, handle_, SkinManager());
    header_->Start();
    InvalidateRect(header, nullptr, TRUE);
}

HWND TvlListViewWnd::Header() const { return header_ && !header_->Destroyed() ? header_->Handle() : nullptr; }
int TvlListViewWnd::HotColumn() const { return header_ ? header_->Hot() : -1; }
int TvlListViewWnd::PressedColumn() const { return header_ ? header_->Pressed() : -1; }

int TvlListViewWnd::ScrollUnit(int orientation) const {
    const LONG view = GetWindowLongA(handle_, GWL_STYLE) & LVS_TYPEMASK;
    // The list's own positions count columns in the list view and rows in
    // the report view; elsewhere they are pixels already.
    const bool columns = view == LVS_LIST && orientation == 0;
    const bool rows = view == LVS_REPORT && orientation == 1;
    if (!columns && !rows) return 1;
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessageA(handle_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item))) return 1;
    return std::max<int>(1, columns ? item.right - item.left : item.bottom - item.top);
}

void TvlListViewWnd::ScrollToTracked(int orientation, int position) {
    const int current = GetScrollPos(handle_, orientation == 0 ? SB_HORZ : SB_VERT);
    const int by = (position - current) * ScrollUnit(orientation);
    if (by == 0) return;
    SendMessageA(handle_, LVM_SCROLL, orientation == 0 ? by : 0, orientation == 1 ? by : 0);
}

void TvlListViewWnd::HandleMessage(TMessage& m) {
    if (!destroyed_ && skinData_ && ManagerActive()) {
        // A dragged thumb: the list keeps its own scroll state (its origin
        // follows its position), so it is scrolled by the change instead of
        // having its position set under it.
        if (m.Msg == SKM_COMMAND && SkinCommandCode(m.WParam) == SKC_BEFORESCROLL &&
            LOWORD(m.LParam) == SB_THUMBTRACK) {
            m.Result = 1;
            return;
        }
        if ((m.Msg == WM_HSCROLL || m.Msg == WM_VSCROLL) && LOWORD(m.WParam) == SB_THUMBTRACK) {
            // Our bars pass the whole position in lParam; the word in wParam
            // holds it up to 0xFFFF (and is all a sender without lParam gives).
            const int position = m.LParam > 0xFFFF ? static_cast<int>(m.LParam) : HIWORD(m.WParam);
            ScrollToTracked(m.Msg == WM_HSCROLL ? 0 : 1, position);
            m.Result = 0;
            return;
        }
    }
    if (!destroyed_) {
        if (m.Msg == WM_NCHITTEST && header_) header_->Clear();
        // A list switched to the report view makes its header only then.
        if (m.Msg == WM_PARENTNOTIFY && LOWORD(m.WParam) == WM_CREATE &&
            IsHeaderWindow(reinterpret_cast<HWND>(m.LParam)))
            AttachHeader(reinterpret_cast<HWND>(m.LParam));
    }
    TvlEditWnd::HandleMessage(m);
}

}  // namespace pakmole
