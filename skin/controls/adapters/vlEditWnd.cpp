#include "skin/controls/adapters/vlEditWnd.h"

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/SkinText_win.h"
#include "ui/CustomEdit.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"

namespace pakmole {

TvlEditWnd::TvlEditWnd(HWND window, bool repaint, const std::string& defaultSection, TsSkinManager* manager,
                       TsCommonData* state)
    : TvlScrollWnd(window, repaint, defaultSection.empty() ? std::string("EDIT") : defaultSection, manager, state) {
    if (skinData_->ControlKind == ckPlain || skinData_->ControlKind == ckAdapterItem)
        skinData_->ControlKind = ckEditAdapter;
    singleLine_ = dynamic_cast<TCustomEdit*>(OwnerControl()) && !(GetWindowLongA(window, GWL_STYLE) & ES_MULTILINE);
}

TvlEditWnd::~TvlEditWnd() {
    // The base lets go of the window when only its own (empty) restore is left to call.
    if (!destroyed_ && IsWindow(handle_)) RestoreOriginalParams();
}

void TvlEditWnd::CaptureOriginalParams() {
    TControl* control = OwnerControl();
    if (!control) return;
    originalColor_ = control->Color();
    originalFontColor_ = control->Font().Color();
    captured_ = true;
}

void TvlEditWnd::RestoreOriginalParams() {
    // Cleared first: the colour and font changes below come back through
    // our handling, which must not put the skin's colours back.
    paramsApplied_ = false;
    TControl* control = OwnerControl();
    if (control && captured_ && !control->IsDestroying()) {
        control->SetColor(originalColor_);
        control->Font().SetColor(originalFontColor_);
    }
    if (IsWindow(handle_)) RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

int TvlEditWnd::LookState() const {
    if (!skinData_->Skinned() || skinData_->Section().States < 2) return 0;
    return (GetFocus() == handle_ || IsHot() || skinData_->MouseOver) ? 1 : 0;
}

void TvlEditWnd::ApplySkinParams() {
    // Our own restyling around the platform's frame calculation changes nothing of the look.
    if (Restyling()) return;
    paramsApplied_ = true;
    if (!skinData_->Skinned()) return;
    const TsGenState& props = skinData_->Section().Props[static_cast<std::size_t>(LookState())];
    TControl* control = OwnerControl();
    if (!control) {
        // A window without a component: its painter asks for these.
        appliedColor_ = dialogMode_ ? clWindow : props.Color;
        frameColor_ = SkinManager()->Palette()[pcBorder];
        return;
    }
    if (!skinData_->CustomColor && control->Color() != props.Color) control->SetColor(props.Color);
    appliedColor_ = control->Color();
    if (!skinData_->CustomFont) {
        // The hot record carries the hot font colour.
        if (control->Font().Color() != props.FontColor) control->Font().SetColor(props.FontColor);
    }
}

bool TvlEditWnd::ShowsCache() const { return singleLine_ && !IsWindowEnabled(handle_); }

void TvlEditWnd::PaintCacheContent(TBitmap32& cache) {
    if (!dynamic_cast<TCustomEdit*>(OwnerControl()) || IsWindowEnabled(handle_)) return;
    // A disabled edit's text is the cache's: the platform would paint it on its own grey.
    ReadCaption();  // typed text arrives without WM_SETTEXT
    std::string text = Caption();
    if (const auto mask = static_cast<char>(SendMessageA(handle_, EM_GETPASSWORDCHAR, 0, 0)))
        text.assign(text.size(), mask);
    const DWORD margins = static_cast<DWORD>(SendMessageA(handle_, EM_GETMARGINS, 0, 0));
    RECT r{borders_[0] + LOWORD(margins), borders_[2], cache.Width() - borders_[1] - HIWORD(margins),
           cache.Height() - borders_[3]};
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) format |= DT_RTLREADING;
    const HDC dc = Bitmap32DC(cache);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
    const SelectedObject selected(dc, font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    GdiFlush();
    WriteSectionText(dc, &text, false, SkinManager(), 0, skinData_->SectionIndex, format, r);
    GdiFlush();
}

void TvlEditWnd::PaintFrame(HDC dc) {
    PrepareCache(LookState());
    if (!skinData_->CacheBitmap || skinData_->CacheBitmap->Empty()) return;
    CopyRing(dc, *skinData_->CacheBitmap, borders_);
}

void TvlEditWnd::CopyRing(HDC dc, const TBitmap32& picture, const std::array<int, 4>& widths) {
    const HDC source = Bitmap32DC(picture);
    const int w = picture.Width(), h = picture.Height();
    const int left = widths[0], right = widths[1], top = widths[2], bottom = widths[3];
    BitBlt(dc, 0, 0, w, top, source, 0, 0, SRCCOPY);
    BitBlt(dc, 0, h - bottom, w, bottom, source, 0, h - bottom, SRCCOPY);
    BitBlt(dc, 0, top, left, h - top - bottom, source, 0, top, SRCCOPY);
    BitBlt(dc, w - right, top, right, h - top - bottom, source, w - right, top, SRCCOPY);
}

void TvlEditWnd::PaintClientFromCache(HDC dc) {
    PrepareCache(LookState());
    if (!skinData_->CacheBitmap || skinData_->CacheBitmap->Empty()) return;
    RECT client;
    GetClientRect(handle_, &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, Bitmap32DC(*skinData_->CacheBitmap), borders_[0], borders_[2],
           SRCCOPY);
}

void TvlEditWnd::PaintNonClient(TMessage&) {
    if (skinData_->PaintSuspended) return;
    if (!paramsApplied_) ApplySkinParams();
    const FrameDC dc(handle_);
    PaintFrame(dc.Get());
    PaintBars(dc.Get());
}

void TvlEditWnd::Print(HDC dc) {
    if (!paramsApplied_) ApplySkinParams();
    PaintFrame(dc);
    PaintBars(dc);
    RECT client;
    GetClientRect(handle_, &client);
    // The client area drawn where it lies in the window, within its bounds.
    const int saved = SaveDC(dc);
    POINT origin;
    OffsetViewportOrgEx(dc, borders_[0] + (LeftScrollBar() && Bar(1).Shown ? Thickness(1) : 0), borders_[2], &origin);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    BrushHandle field(CreateSolidBrush(ColorToRGB(appliedColor_)));
    FillRect(dc, &client, field.Get());
    SendMessageA(handle_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(handle_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    RestoreDC(dc, saved);
}

void TvlEditWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlScrollWnd::HandleMessage(m);
        return;
    }
    switch (m.Msg) {
    case WM_ERASEBKGND:
        if (!ShowsCache()) break;
        m.Result = 1;
        return;
    case WM_PAINT:
        if (!ShowsCache() || skinData_->PaintSuspended) break;
        if (m.WParam) {
            PaintClientFromCache(reinterpret_cast<HDC>(m.WParam));
        } else {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(handle_, &ps);
            PaintClientFromCache(dc);
            EndPaint(handle_, &ps);
        }
        m.Result = 0;
        return;
    case WM_PRINT:
        if (!m.WParam || skinData_->PaintSuspended) break;
        Print(reinterpret_cast<HDC>(m.WParam));
        m.Result = 0;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TvlScrollWnd::HandleMessage(m);
        if (destroyed_) return;
        skinData_->BackgroundStale = true;
        // The hot look changes the field's colours as well as the frame.
        if (paramsApplied_) ApplySkinParams();
        RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    case WM_SIZE:
        TvlScrollWnd::HandleMessage(m);
        skinData_->BackgroundStale = true;
        RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case EM_LINESCROLL:
    case EM_SCROLL:
    case EM_SCROLLCARET:
    case EM_REPLACESEL:
        // The platform moves its scroll state on these: the bars follow.
        TvlScrollWnd::HandleMessage(m);
        if (!destroyed_ && m.Msg != WM_MOUSEMOVE) RefreshBars();
        return;
    default:
        break;
    }
    TvlScrollWnd::HandleMessage(m);
}

}  // namespace pakmole
