// The skinned dialog's picture: the "DIALOG" section over the whole window,
// the caption strip, icon, caption text and title buttons, composed once
// into the cache, copied to the frame and, for the client area, on erase;
// and the window region cut from the key-coloured corners.
#include <algorithm>

#include "skin/controls/dialogs/vlDialogWnd.h"
#include "skin/controls/frame/sFramePaint.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/SkinText_win.h"

namespace pakmole {

TvlDialogStyle TvlDialogWnd::Style() const {
    const bool noClose = (GetClassLongA(handle_, GCL_STYLE) & CS_NOCLOSE) != 0;
    return DialogStyleOf(static_cast<uint32_t>(capturedStyle_), static_cast<uint32_t>(capturedExStyle_), noClose,
                         IsIconic(handle_) != FALSE, IsZoomed(handle_) != FALSE);
}

void TvlDialogWnd::UpdateLayout() {
    TsSkinManager* manager = SkinManager();
    if (!manager) return;
    const TsSkinModel& model = manager->Model();
    // A skin without a dialog title strip gives dialogs the forms' one.
    titleIndex_ = manager->FindSection("DIALOGTITLE");
    if (titleIndex_ < 0 || kind_ == TvlBorderKind::bkSingle || kind_ == TvlBorderKind::bkSizeable)
        titleIndex_ = manager->FindSection("FORMTITLE");
    captionIndex_ = manager->FindSection("CAPTION");
    RefreshGeometry();
    const TvlDialogStyle style = Style();
    const TsFrameFacts facts = DialogFrameFacts(style, kind_, width_, height_, GetSystemMetrics(SM_CXFRAME),
                                                GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYCAPTION));
    captionFacts_ = TvlDialogCaptionFacts{width_, facts.FrameWidth, facts.CaptionHeight, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), hasIcon_};
    layout_ = DialogCaptionLayout(style, kind_, captionFacts_, TitleMetricsOf(model), TitleMasksOf(model));
}

const TBitmap32* TvlDialogWnd::WindowImage() {
    if (!ManagerActive() || !RenderFrame()) return nullptr;
    return skinData_->CacheBitmap.get();
}

bool TvlDialogWnd::RenderFrame() {
    if (!skinData_->Skinned()) return false;
    auto& image = skinData_->CacheBitmap;
    RefreshGeometry();
    if (!skinData_->BackgroundStale && image && image->Width() == width_ && image->Height() == height_) return true;
    UpdateLayout();
    if (width_ <= 0 || height_ <= 0) return false;
    TsSkinManager& manager = *SkinManager();
    if (!image) image = std::make_unique<TBitmap32>();
    image->SetSize(width_, height_);
    TBgSource behind;
    behind.Color = manager.Palette()[pcMainColor];
    const int state = std::min(formActive_ ? 1 : 0, std::max(0, skinData_->Section().States - 1));
    PaintControl(skinData_->PaintData(), behind, false, *image, TPoint32{0, 0}, TRect32{0, 0, width_, height_}, state);
    PaintTitleStrip(*image, manager.Model(), titleIndex_, layout_.StripBottom, formActive_);
    if (layout_.IconShown) PaintIcon(*image);
    PaintCaption(*image);
    stripBg_ = TBitmap32(width_, std::max(1, layout_.StripBottom));
    CopyPixels(stripBg_, 0, 0, stripBg_.Width(), stripBg_.Height(), *image, 0, 0);
    for (int i = 0; i < tbCount; ++i) PaintButton(*image, i);
    skinData_->BackgroundStale = false;
    return true;
}

void TvlDialogWnd::PaintIcon(TBitmap32& image) {
    HICON icon = icon_.Get() ? icon_.Get() : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    PaintOpaqueIcon(image, layout_.IconRect, icon);
}

void TvlDialogWnd::PaintCaption(TBitmap32& image) {
    HDC dc = Bitmap32DC(image);
    if (!dc) return;
    if (!titleFont_) titleFont_.Reset(CreateCaptionFont());
    TsCaptionLine line = CaptionLineOf(dc, caption_, titleFont_.Get(), layout_);
    // Centred in the text rectangle, which starts 2 below the window's top.
    const LONG height = line.Rect.bottom - line.Rect.top;
    line.Rect.top = layout_.TextRect.Top + (layout_.TextRect.Height() - height) / 2;
    line.Rect.bottom = line.Rect.top + height;
    if (capturedExStyle_ & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) line.Flags |= DT_RIGHT | DT_RTLREADING;
    line.TitleIndex = titleIndex_;
    line.CaptionIndex = captionIndex_;
    line.Active = formActive_;
    line.Enabled = true;
    PaintCaptionLine(image, *SkinManager(), line);
}

void TvlDialogWnd::PaintButton(TBitmap32& image, int button) {
    const TsTitleButtonPlace& b = layout_.Buttons[static_cast<std::size_t>(button)];
    if (!b.Shown) return;
    const TRect32 r = b.Rect;
    CopyPixels(image, r.Left, r.Top, r.Width(), r.Height(), stripBg_, r.Left, r.Top);
    const int state = buttonState_[static_cast<std::size_t>(button)];
    const bool faded = (!formActive_ && state == 0) || !ButtonEnabled(button);
    PaintTitleMask(image, TPoint32{r.Left, r.Top}, SkinManager()->Model(), b.MaskName, state, faded,
                   BgSourceOfBitmap(&stripBg_, 0, 0));
}

void TvlDialogWnd::RepaintFrame() {
    if (!Visible() || !RenderFrame()) return;
    CopyNonClientArea(handle_, *skinData_->CacheBitmap);
}

void TvlDialogWnd::RepaintButton(int button) {
    if (button < 0 || !Visible() || !RenderFrame()) return;
    TBitmap32& image = *skinData_->CacheBitmap;
    PaintButton(image, button);
    const TRect32 r = layout_.Buttons[static_cast<std::size_t>(button)].Rect;
    FrameDC dc(handle_);
    BitBlt(dc.Get(), r.Left, r.Top, r.Width(), r.Height(), Bitmap32DC(image), r.Left, r.Top, SRCCOPY);
}

void TvlDialogWnd::UpdateRegion() {
    if (!regionStale_) return;
    const bool framed = kind_ != TvlBorderKind::bkNone || (capturedStyle_ & WS_THICKFRAME);
    // A window that paints its own shape says so and keeps it.
    if (!framed || SendMessageA(handle_, 0xBC4D, 0x41A2, 0) == 0x41A2) return;
    TsSkinManager* manager = SkinManager();
    if (!manager) return;
    regionStale_ = false;
    RefreshGeometry();
    RegionHandle region(CreateRectRgn(0, 0, width_, height_));
    TsSkinModel& model = manager->Model();
    CutMaskCorners(region.Get(), model, skinData_->FrameMaskIndex, width_, height_, true);
    if (model.IsValidSection(titleIndex_))
        CutMaskCorners(region.Get(), model, model.Sections[static_cast<std::size_t>(titleIndex_)].FrameMask, width_,
                       height_, false);
    if (SetWindowRgn(handle_, region.Get(), Visible())) region.Release();
}

void TvlDialogWnd::PaintClient(HDC dc) {
    if (!RenderFrame()) return;
    RECT client;
    GetClientRect(handle_, &client);
    POINT origin{0, 0};
    ClientToScreen(handle_, &origin);
    BitBlt(dc, 0, 0, client.right, client.bottom, Bitmap32DC(*skinData_->CacheBitmap), origin.x - windowRect_.left,
           origin.y - windowRect_.top, SRCCOPY);
}

}  // namespace pakmole
