#include "skin/controls/adapters/vlComboBoxWnd.h"

#include <algorithm>

#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/PixelCopy.h"
#include "ui/GdiHandles.h"
#include "ui/Graphics.h"

namespace pakmole {
namespace {

// The box draws its sunken edge inside its own window: the skin's frame
// covers that band.
constexpr int kComboFrame = 3;

}  // namespace

TvlComboBoxWnd::~TvlComboBoxWnd() {
    // The list lets go of its window before the box's adapter goes.
    list_.reset();
}

bool TvlComboBoxWnd::ColorList(TMessage& m) {
    HWND listWindow = reinterpret_cast<HWND>(m.LParam);
    if (!list_ && listWindow && IsWindow(listWindow) && !TvlMainWnd::FromWindow(listWindow)) {
        list_ = std::make_unique<TvlComboListWnd>(listWindow, true, "EDIT", SkinManager(), nullptr);
        list_->SetComboBox(handle_);
        list_->Start();
    }
    if (dialogMode_ || !skinData_->Skinned()) return false;
    const TsGenState& props = skinData_->Section().Props[0];
    const COLORREF back = ColorToRGB(props.Color);
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, ColorToRGB(props.FontColor));
    SetBkColor(dc, back);
    if (!listBrush_ || listBrushColor_ != static_cast<int32_t>(back)) {
        listBrush_.Reset(CreateSolidBrush(back));
        listBrushColor_ = static_cast<int32_t>(back);
    }
    m.Result = reinterpret_cast<LRESULT>(listBrush_.Get());
    return true;
}

bool TvlComboBoxWnd::HasDropButton() const {
    const LONG kind = GetWindowLongA(handle_, GWL_STYLE) & 3;
    return kind == CBS_DROPDOWN || kind == CBS_DROPDOWNLIST;
}

RECT TvlComboBoxWnd::DropButtonRect() const {
    RECT window;
    GetWindowRect(handle_, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    const int size = GetSystemMetrics(SM_CXVSCROLL);
    if (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_RTLREADING) return RECT{2, 2, 2 + size, h - 2};
    return RECT{w - size - 2, 2, w - 2, h - 2};
}

int TvlComboBoxWnd::ButtonState() const {
    if (SendMessageA(handle_, CB_GETDROPPEDSTATE, 0, 0)) return 2;
    return (GetFocus() == handle_ || IsChild(handle_, GetFocus()) || IsHot() || skinData_->MouseOver) ? 1 : 0;
}

bool TvlComboBoxWnd::Simple() const { return (GetWindowLongA(handle_, GWL_STYLE) & 3) == CBS_SIMPLE; }

int TvlComboBoxWnd::SimpleFieldHeight() const {
    RECT window;
    GetWindowRect(handle_, &window);
    const int item = static_cast<int>(SendMessageA(handle_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    return std::min<int>(window.bottom - window.top, item + 8);
}

void TvlComboBoxWnd::PaintSimpleField() {
    // The list below the field is a window of its own, adapted when coloured.
    RefreshGeometry();
    simpleCache_.SetSize(width_, SimpleFieldHeight());
    if (simpleCache_.Empty()) return;
    if (DialogLook()) {
        PaintDialogField(simpleCache_, SkinManager()->Palette()[pcBorder]);
    } else {
        PaintControl(skinData_->PaintData(), ParentBackground(simpleCache_), true, simpleCache_,
                     TPoint32{positionInParent_.x, positionInParent_.y},
                     TRect32{0, 0, simpleCache_.Width(), simpleCache_.Height()}, LookState());
    }
    GdiFlush();
    const FrameDC dc(handle_);
    CopyRing(dc.Get(), simpleCache_, {kComboFrame, kComboFrame, kComboFrame, kComboFrame});
}

void TvlComboBoxWnd::PaintOver() {
    if (!Visible() || skinData_->PaintSuspended) return;
    if (!paramsApplied_) ApplySkinParams();
    if (Simple()) {
        PaintSimpleField();
        return;
    }
    skinData_->BackgroundStale = true;
    if (!PrepareCache(LookState())) return;
    const TBitmap32& cache = *skinData_->CacheBitmap;
    const FrameDC dc(handle_);
    borders_ = {kComboFrame, kComboFrame, kComboFrame, kComboFrame};
    PaintFrame(dc.Get());
    if (!HasDropButton()) return;
    const RECT r = DropButtonRect();
    TBitmap32 button(r.right - r.left, r.bottom - r.top);
    if (button.Empty()) return;
    CopyPixels(button, 0, 0, button.Width(), button.Height(), cache, r.left, r.top);
    PaintSkinPart(*SkinManager(), "COMBOBTN", "COMBOBOX", button, TRect32{0, 0, button.Width(), button.Height()},
                  ButtonState());
    GdiFlush();
    BitBlt(dc.Get(), r.left, r.top, button.Width(), button.Height(), Bitmap32DC(button), 0, 0, SRCCOPY);
}

void TvlComboBoxWnd::HandleMessage(TMessage& m) {
    if (!skinData_ || !ManagerActive() || destroyed_) {
        TvlEditWnd::HandleMessage(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
        TvlEditWnd::HandleMessage(m);
        if (!destroyed_) PaintOver();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONUP:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TvlEditWnd::HandleMessage(m);
        if (!destroyed_) InvalidateRect(handle_, nullptr, FALSE);
        return;
    case SKM_COMMAND:
        if (SkinCommandCode(m.WParam) == SKC_MOUSEENTER || SkinCommandCode(m.WParam) == SKC_MOUSELEAVE) {
            skinData_->MouseOver = SkinCommandCode(m.WParam) == SKC_MOUSEENTER;
            InvalidateRect(handle_, nullptr, FALSE);
            return;
        }
        break;
    case WM_CTLCOLORLISTBOX:
        if (ColorList(m)) return;
        break;
    case CN_COMMAND:
        if (HIWORD(m.WParam) == CBN_CLOSEUP) InvalidateRect(handle_, nullptr, FALSE);
        break;
    default:
        break;
    }
    TvlEditWnd::HandleMessage(m);
}

}  // namespace pakmole
