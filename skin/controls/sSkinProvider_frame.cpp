// The provider's picture of the whole window: frame and caption strip from
// the skin, the icon, the caption text with its glow and the title buttons,
// composed once into the cache and copied to the non-client area; and the
// window region cut from the key-coloured corners of the frame masks.
#include <algorithm>
#include <utility>

#include "skin/controls/sMaskRegion.h"
#include "skin/controls/sSkinProvider.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinEffects.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/SkinText_win.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"

namespace pakmole {

namespace {

// GetWindowDC / ReleaseDC: the whole window, frame included.
class WholeWindowDC {
public:
    explicit WholeWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WholeWindowDC() { ReleaseDC(window_, dc_); }
    WholeWindowDC(const WholeWindowDC&) = delete;
    WholeWindowDC& operator=(const WholeWindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

TsFrameStyle FrameStyleOf(TFormBorderStyle style) {
    switch (style) {
    case TFormBorderStyle::bsNone: return TsFrameStyle::fsNone;
    case TFormBorderStyle::bsSingle: return TsFrameStyle::fsSingle;
    case TFormBorderStyle::bsSizeable: return TsFrameStyle::fsSizeable;
    case TFormBorderStyle::bsDialog: return TsFrameStyle::fsDialog;
    case TFormBorderStyle::bsToolWindow: return TsFrameStyle::fsToolWindow;
    }
    return TsFrameStyle::fsSizeable;
}

}  // namespace

void TsSkinProvider::SetDrawNonClientArea(bool on) {
    if (on == drawNonClient_) return;
    drawNonClient_ = on;
    InvalidateFrame();
}

void TsSkinProvider::SetShowAppIcon(bool on) {
    if (on == showAppIcon_) return;
    showAppIcon_ = on;
    InvalidateFrame();
}

bool TsSkinProvider::PaintsFrame() const {
    return link_ && drawNonClient_ && form_->HandleAllocated() && skinData_->Skinned() && !skinData_->PaintSuspended &&
           form_->BorderStyle() != TFormBorderStyle::bsNone && !IsDestroying();
}

TsFrameFacts TsSkinProvider::FrameFacts() const {
    const HWND h = form_->Handle();
    RECT window;
    GetWindowRect(h, &window);
    const LONG style = GetWindowLongA(h, GWL_STYLE);
    TsFrameFacts f;
    f.Width = window.right - window.left;
    f.Height = window.bottom - window.top;
    f.Style = FrameStyleOf(form_->BorderStyle());
    const TBorderIcons icons = form_->BorderIcons();
    f.SystemMenu = (icons & biSystemMenu) != 0 && (style & WS_SYSMENU) != 0;
    f.Minimize = (icons & biMinimize) != 0;
    f.Maximize = (icons & biMaximize) != 0;
    f.Help = (icons & biHelp) != 0;
    HMENU sysMenu = f.SystemMenu ? GetSystemMenu(h, FALSE) : nullptr;
    f.SysMenuHasClose = sysMenu && GetMenuState(sysMenu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
    f.State = IsIconic(h) ? TsFrameState::wsMinimized : IsZoomed(h) ? TsFrameState::wsMaximized : TsFrameState::wsNormal;
    const TApplication* app = Application();
    f.MainForm = app && app->MainForm() == form_;
    f.ThickFrame = (style & WS_THICKFRAME) != 0;
    f.FrameWidth = FrameWidthOf(f.ThickFrame, (style & WS_BORDER) != 0, GetSystemMetrics(SM_CXFRAME),
                                GetSystemMetrics(SM_CXDLGFRAME));
    f.CaptionHeight = CaptionHeightOf((style & WS_CAPTION) == WS_CAPTION, f.Iconic(), f.Style,
                                      GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CYSMCAPTION));
    f.IconWanted = showAppIcon_;
    return f;
}

void TsSkinProvider::UpdateLayout() {
    TsSkinManager* manager = SkinManager();
    if (!manager) return;
    titleIndex_ = manager->FindSection("FORMTITLE");
    captionIndex_ = manager->FindSection("CAPTION");
    layout_ = LayoutCaption(FrameFacts(), TitleMetricsOf(manager->Model()), TitleMasksOf(manager->Model()));
}

const TBitmap32* TsSkinProvider::WindowImage() {
    if (!PaintsFrame() || !RenderFrame()) return nullptr;
    return skinData_->CacheBitmap.get();
}

bool TsSkinProvider::RenderFrame() {
    if (!frameStale_ && skinData_->CacheBitmap && !skinData_->CacheBitmap->Empty()) return true;
    TsSkinManager* manager = SkinManager();
    if (!manager) return false;
    UpdateLayout();
    const TsFrameFacts facts = FrameFacts();
    if (facts.Width <= 0 || facts.Height <= 0) return false;
    TsSkinModel& model = manager->Model();
    const int32_t mainColor = manager->Palette()[pcMainColor];
    auto& image = skinData_->CacheBitmap;
    if (!image || image->Width() != facts.Width || image->Height() != facts.Height)
        image = std::make_unique<TBitmap32>(facts.Width, facts.Height);

    const TsGeneralData& form = skinData_->Section();
    const int formState = std::min(formActive_ ? 1 : 0, std::max(0, form.States - 1));
    TBgSource behind;
    behind.Color = mainColor;
    PaintControl(skinData_->PaintData(), behind, false, *image, TPoint32{0, 0},
                 TRect32{0, 0, facts.Width, facts.Height}, formState);

    if (model.IsValidSection(titleIndex_)) {
        const TsGeneralData& title = model.Sections[static_cast<std::size_t>(titleIndex_)];
        TsControlPaintData strip;
        strip.Skin = &model;
        strip.SectionIndex = titleIndex_;
        strip.FrameMaskIndex = title.FrameMask;
        const TBitmap32 under(*image);
        PaintControl(strip, BgSourceOfBitmap(&under, 0, 0), false, *image, TPoint32{0, 0},
                     TRect32{0, 0, facts.Width, layout_.StripBottom},
                     std::min(formActive_ ? 1 : 0, std::max(0, title.States - 1)));
    }
    if (layout_.IconShown) PaintIcon(*image);

    bool anyButton = false;
    for (const TsTitleButtonPlace& b : layout_.Buttons) anyButton = anyButton || b.Shown;
    const int titleBar = model.FindMask(skinData_->SectionIndex, skinData_->SkinSection(), "TITLEBAR");
    if (anyButton && model.IsValidMask(titleBar)) {
        const int border = model.MaskMarginLeft(titleBar);
        const TBitmap32 under(*image);
        PaintFrameMask(*image, TRect32{facts.Width - layout_.RowWidth - 2 * border, 0, facts.Width, layout_.StripBottom},
                       0, model.Masks[static_cast<std::size_t>(titleBar)], false, BgSourceOfBitmap(&under, 0, 0));
    }
    PaintCaptionText(*image);

    stripBg_ = TBitmap32(facts.Width, std::max(1, layout_.StripBottom));
    CopyPixels(stripBg_, 0, 0, stripBg_.Width(), stripBg_.Height(), *image, 0, 0);
    for (int i = 0; i < tbCount; ++i) PaintTitleButton(*image, i);
    frameStale_ = false;
    return true;
}

void TsSkinProvider::PaintIcon(TBitmap32& image) {
    HICON icon = form_->Icon();
    if (!icon) {
        if (TApplication* app = Application(); app && app->Handle())
            icon = reinterpret_cast<HICON>(SendMessageA(app->Handle(), WM_GETICON, ICON_SMALL, 0));
    }
    if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    const TRect32 r = layout_.IconRect;
    // GDI leaves the alpha of what it draws at 0: every pixel the icon
    // changed becomes opaque, the others keep what they were.
    const TBitmap32 before(image);
    HDC dc = Bitmap32DC(image);
    if (!dc) return;
    DrawIconEx(dc, r.Left, r.Top, icon, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
    GdiFlush();
    for (int y = std::max(0, r.Top); y < std::min(r.Bottom, image.Height()); ++y)
        for (int x = std::max(0, r.Left); x < std::min(r.Right, image.Width()); ++x) {
            const uint32_t was = before.Pixel(x, y), now = image.Pixel(x, y);
            image.Pixel(x, y) = (now & 0xFFFFFF) == (was & 0xFFFFFF) ? was : (now | 0xFF000000u);
        }
}

void TsSkinProvider::PaintCaptionText(TBitmap32& image) {
    TsSkinManager* manager = SkinManager();
    HDC dc = Bitmap32DC(image);
    if (!dc || !manager) return;
    if (!captionFont_.Get()) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        captionFont_.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
    }
    const std::string text = form_->Caption();
    SelectedObject font(dc, captionFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    RECT measure{0, 0, 0, 0};
    DrawTextLine(dc, text, measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int textHeight = measure.bottom - measure.top;
    RECT rect{layout_.TextRect.Left, layout_.Centre - textHeight / 2, layout_.TextRect.Right,
              layout_.Centre - textHeight / 2 + textHeight};
    if (rect.right <= rect.left) return;
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    const int section = captionIndex_ >= 0 ? captionIndex_ : titleIndex_;
    TsSkinModel& model = manager->Model();
    if (model.IsValidSection(titleIndex_)) {
        const TsGeneralData& title = model.Sections[static_cast<std::size_t>(titleIndex_)];
        const int size = formActive_ ? title.HotGlowSize : title.GlowSize;
        const int32_t color = formActive_ ? title.HotGlowColor : title.GlowColor;
        if (size > 0 && (GlowSwitchedOn() || model.SkinData.Version > 7.5))
            PaintGlowText(image, &text, rect, &captionGlow_[formActive_ ? 1 : 0], color, size, 15, flags,
                          captionFont_.Get());
    }
    WriteSectionText(dc, &text, form_->Enabled(), manager, formActive_ ? 1 : 0, section, flags, rect);
    GdiFlush();
}

void TsSkinProvider::PaintButtonLook(TBitmap32& target, TPoint32 at, int button, int state, const TBgSource& bg) {
    const TsTitleButtonPlace& b = layout_.Buttons[static_cast<std::size_t>(button)];
    TsSkinManager* manager = SkinManager();
    if (!b.Shown || !b.Mask.Found || !manager) return;
    TsSkinModel& model = manager->Model();
    const int index = model.FindMask(model.KnownIndexes.GlobalInfo, "GLOBALINFO", b.MaskName);
    if (!model.IsValidMask(index)) return;
    const int mode = !formActive_ && state == 0 ? miFaded : miNormal;
    PaintMaskImage(target, at, state, bg, model.Masks[static_cast<std::size_t>(index)], mode);
}

void TsSkinProvider::PaintTitleButton(TBitmap32& image, int button) {
    const TsTitleButtonPlace& b = layout_.Buttons[static_cast<std::size_t>(button)];
    if (!b.Shown) return;
    // Behind the button lies the caption strip as it was before any button.
    CopyPixels(image, b.Rect.Left, b.Rect.Top, b.Rect.Width(), b.Rect.Height(), stripBg_, b.Rect.Left, b.Rect.Top);
    // A fading button keeps its resting look in the window; the fade shows the new one over it.
    const int state = AnimatesButtons() ? 0 : buttonState_[static_cast<std::size_t>(button)];
    PaintButtonLook(image, TPoint32{b.Rect.Left, b.Rect.Top}, button, state, BgSourceOfBitmap(&stripBg_, 0, 0));
}

bool TsSkinProvider::AnimatesButtons() const {
    TsSkinManager* manager = SkinManager();
    return manager && manager->Effects().AllowGlowing() && form_->HandleAllocated() && !GetParent(form_->Handle());
}

void TsSkinProvider::AnimateButton(int button, int state) {
    auto& animation = animations_[static_cast<std::size_t>(button)];
    // While the button is held its fade window stays up, the resting look
    // included: the system may have given it the press, and its release
    // would be lost with the window.
    if (state == 0 && pressedButton_ != button) {
        if (animation) animation->Leave(10);
        return;
    }
    const TRect32 r = layout_.Buttons[static_cast<std::size_t>(button)].Rect;
    if (r.Width() <= 0 || r.Height() <= 0) return;
    if (!animation)
        animation = std::make_unique<TvlSBAnimation>(form_->Handle(), [this, button] {
            POINT cursor;
            GetCursorPos(&cursor);
            return TitleButtonOfHit(HitTestScreen(cursor)) == button;
        });
    TBitmap32 picture(r.Width(), r.Height());
    CopyPixels(picture, 0, 0, r.Width(), r.Height(), stripBg_, r.Left, r.Top);
    PaintButtonLook(picture, TPoint32{0, 0}, button, state, BgSourceOfBitmap(&stripBg_, r.Left, r.Top));
    RECT window;
    GetWindowRect(form_->Handle(), &window);
    animation->Enter(std::move(picture), POINT{window.left + r.Left, window.top + r.Top}, state == 1 ? 10 : 1);
}

void TsSkinProvider::CopyFrameToWindow() {
    const TBitmap32* image = skinData_->CacheBitmap.get();
    if (!image || image->Empty()) return;
    const HWND h = form_->Handle();
    WholeWindowDC dc(h);
    RECT window, client;
    GetWindowRect(h, &window);
    GetClientRect(h, &client);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    BitBlt(dc.Get(), 0, 0, image->Width(), image->Height(), Bitmap32DC(*image), 0, 0, SRCCOPY);
}

void TsSkinProvider::CopyButtonToWindow(int button) {
    const TBitmap32* image = skinData_->CacheBitmap.get();
    if (!image || image->Empty()) return;
    const TRect32 r = layout_.Buttons[static_cast<std::size_t>(button)].Rect;
    WholeWindowDC dc(form_->Handle());
    BitBlt(dc.Get(), r.Left, r.Top, r.Width(), r.Height(), Bitmap32DC(*image), r.Left, r.Top, SRCCOPY);
}

void TsSkinProvider::UpdateRegion() {
    if (!regionStale_ || !PaintsFrame()) return;
    TsSkinManager* manager = SkinManager();
    if (!manager) return;
    regionStale_ = false;
    const HWND h = form_->Handle();
    RECT window;
    GetWindowRect(h, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    RegionHandle region(CreateRectRgn(0, 0, width, height));
    if (IsZoomed(h) && !GetParent(h)) {
        const int fw = FrameFacts().FrameWidth;
        SetRectRgn(region.Get(), fw, fw, width - fw, height - fw);
    } else {
        TsSkinModel& model = manager->Model();
        CutMaskCorners(region.Get(), model, skinData_->FrameMaskIndex, width, height, true);
        if (model.IsValidSection(titleIndex_))
            CutMaskCorners(region.Get(), model, model.Sections[static_cast<std::size_t>(titleIndex_)].FrameMask, width,
                           height, false);
    }
    if (SetWindowRgn(h, region.Get(), IsWindowVisible(h))) region.Release();
}

void TsSkinProvider::InvalidateFrame() {
    frameStale_ = true;
    regionStale_ = true;
    captionGlow_ = {};
    if (!form_->HandleAllocated()) return;
    if (PaintsFrame()) {
        UpdateRegion();
    } else if (link_) {
        SetWindowRgn(form_->Handle(), nullptr, IsWindowVisible(form_->Handle()));
    }
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TsSkinProvider::ForgetFrame() {
    for (auto& animation : animations_) animation.reset();
    skinData_->CacheBitmap.reset();
    stripBg_ = TBitmap32();
    captionGlow_ = {};
    buttonState_ = {};
    hotButton_ = pressedButton_ = -1;
    frameStale_ = regionStale_ = true;
}

void TsSkinProvider::CallUnseen(const TWndMethod& previous, TMessage& m) {
    const HWND h = form_->Handle();
    const LONG style = GetWindowLongA(h, GWL_STYLE);
    if ((style & WS_VISIBLE) != 0) SetWindowLongA(h, GWL_STYLE, style & ~WS_VISIBLE);
    previous(m);
    if ((style & WS_VISIBLE) != 0) SetWindowLongA(h, GWL_STYLE, GetWindowLongA(h, GWL_STYLE) | WS_VISIBLE);
    frameStale_ = true;
    if (IsWindowVisible(h) && RenderFrame()) CopyFrameToWindow();
}

}  // namespace pakmole
