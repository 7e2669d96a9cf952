// The provider's picture of the whole window: frame and caption strip from
// the skin, the icon, the caption text with its glow and the title buttons,
// composed once into the cache and copied to the non-client area; and the
// window region cut from the key-coloured corners of the frame masks.
#include <algorithm>
#include <utility>

#include "skin/controls/frame/sFramePaint.h"
#include "skin/controls/provider/sSkinProvider.h"
#include "skin/controls/state/sMaskRegion.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/sSkinEffects.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/BgQuery_win.h"
#include "skin/render/Blend.h"
#include "skin/render/ControlPaint.h"
#include "skin/render/MaskPainter.h"
#include "skin/render/PixelCopy.h"
#include "skin/render/SkinText_win.h"
#include "ui/Application.h"
#include "ui/CustomForm.h"

namespace pakmole {

namespace {

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
    skinData_->ProviderDrawsFrame = on;
    InvalidateFrame();
}

void TsSkinProvider::SetShowAppIcon(bool on) {
    if (on == showAppIcon_) return;
    showAppIcon_ = on;
    InvalidateFrame();
}

void TsSkinProvider::SetCaptionAlignment(TAlignment alignment) {
    if (alignment == captionAlignment_) return;
    captionAlignment_ = alignment;
    InvalidateFrame();
}

void TsSkinProvider::SetTitleIcon(const TsTitleIcon& icon) {
    titleIcon_ = icon;
    InvalidateFrame();
}

void TsSkinProvider::SetGripMode(TsGripMode mode) {
    if (mode == gripMode_) return;
    gripMode_ = mode;
    InvalidateFrame();
    if (form_->HandleAllocated()) InvalidateRect(form_->Handle(), nullptr, TRUE);
}

POINT TsSkinProvider::ClientOrigin() const {
    POINT origin{0, 0};
    RECT window{};
    ClientToScreen(form_->Handle(), &origin);
    GetWindowRect(form_->Handle(), &window);
    return POINT{origin.x - window.left, origin.y - window.top};
}

RECT TsSkinProvider::GripRect() const {
    TsSkinManager* manager = SkinManager();
    if (gripMode_ != gmRightBottom || !manager || !form_->HandleAllocated() || !skinData_->Skinned()) return RECT{};
    const TsSkinModel& skin = manager->Model();
    const int grip = skin.KnownIndexes.GripImage;
    if (!skin.IsValidMask(grip)) return RECT{};
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(grip)];
    RECT client{};
    GetClientRect(form_->Handle(), &client);
    const POINT origin = ClientOrigin();
    const int right = origin.x + client.right, bottom = origin.y + client.bottom;
    return RECT{right - mask.StateWidth(), bottom - mask.StateHeight(), right, bottom};
}

void TsSkinProvider::PaintGrip(TBitmap32& image) {
    const RECT r = GripRect();
    if (IsRectEmpty(&r)) return;
    const TsSkinModel& skin = SkinManager()->Model();
    const TBitmap32 under(image);
    PaintMaskImage(image, TPoint32{r.left, r.top}, 0, BgSourceOfBitmap(&under, 0, 0),
                   skin.Masks[static_cast<std::size_t>(skin.KnownIndexes.GripImage)], miNormal);
}

bool TsSkinProvider::EraseClient(HDC dc) {
    const TBitmap32* image = WindowImage();
    if (!image || !dc) return false;
    RECT client{};
    GetClientRect(form_->Handle(), &client);
    const POINT origin = ClientOrigin();
    BitBlt(dc, 0, 0, client.right, client.bottom, Bitmap32DC(*image), origin.x, origin.y, SRCCOPY);
    return true;
}

void TsSkinProvider::AnswerBackground(TBgQuery& query) {
    // Behind the children lies the client part of the window image; the
    // form's own colour only while the skin paints no frame. The offsets
    // are added to: a see-through child passes the question on with its
    // own position already in them.
    if (const TBitmap32* image = WindowImage()) {
        const POINT origin = ClientOrigin();
        query.BgKind = bgkBitmap;
        query.Bitmap = image;
        query.OffsetX += origin.x;
        query.OffsetY += origin.y;
        return;
    }
    query.BgKind = bgkColor;
    query.Color = form_->Color();
    query.Bitmap = nullptr;
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
    f.IconWanted = showAppIcon_ && titleIcon_.Visible;
    f.IconWidth = titleIcon_.Width;
    f.IconHeight = titleIcon_.Height;
    for (int i = 0; i < titleButtons_.Count(); ++i)
        f.UserButtons.push_back({titleButtons_.Items(i).Visible, titleButtons_.Items(i).Enabled});
    return f;
}

void TsSkinProvider::UpdateLayout() {
    TsSkinManager* manager = SkinManager();
    if (!manager) return;
    titleIndex_ = manager->FindSection("FORMTITLE");
    captionIndex_ = manager->FindSection("CAPTION");
    layout_ = LayoutCaption(FrameFacts(), TitleMetricsOf(manager->Model()), TitleMasksOf(manager->Model()));
    userButtonState_.resize(layout_.UserButtons.size(), 0);
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

    PaintTitleStrip(*image, model, titleIndex_, layout_.StripBottom, formActive_);
    if (layout_.IconShown) PaintIcon(*image);

    bool anyButton = false;
    for (const TsTitleButtonPlace& b : layout_.Buttons) anyButton = anyButton || b.Shown;
    for (const TsTitleButtonPlace& b : layout_.UserButtons) anyButton = anyButton || b.Shown;
    const int titleBar = model.FindMask(skinData_->SectionIndex, skinData_->SkinSection(), "TITLEBAR");
    if (anyButton && model.IsValidMask(titleBar)) {
        const int border = model.MaskMarginLeft(titleBar);
        const TBitmap32 under(*image);
        PaintFrameMask(*image, TRect32{facts.Width - layout_.RowWidth - 2 * border, 0, facts.Width, layout_.StripBottom},
                       0, model.Masks[static_cast<std::size_t>(titleBar)], false, BgSourceOfBitmap(&under, 0, 0));
    }
    PaintCaptionText(*image);
    PaintGrip(*image);

    stripBg_ = TBitmap32(facts.Width, std::max(1, layout_.StripBottom));
    CopyPixels(stripBg_, 0, 0, stripBg_.Width(), stripBg_.Height(), *image, 0, 0);
    for (int i = 0; i < tbCount + static_cast<int>(layout_.UserButtons.size()); ++i) PaintTitleButton(*image, i);
    frameStale_ = false;
    return true;
}

void TsSkinProvider::PaintIcon(TBitmap32& image) {
    if (!titleIcon_.Glyph.Empty()) {
        const TRect32 r = layout_.IconRect;
        TBitmap32 stretched(r.Width(), r.Height());
        StretchPixels(stretched, 0, 0, r.Width(), r.Height(), titleIcon_.Glyph, 0, 0, titleIcon_.Glyph.Width(),
                      titleIcon_.Glyph.Height());
        for (int y = 0; y < stretched.Height(); ++y)
            for (int x = 0; x < stretched.Width(); ++x) {
                const int tx = r.Left + x, ty = r.Top + y;
                const uint32_t p = stretched.Pixel(x, y);
                // The key colour shows the caption strip; every other pixel is opaque.
                if ((p & 0xFFFFFF) == 0xFF00FF || tx < 0 || ty < 0 || tx >= image.Width() || ty >= image.Height())
                    continue;
                image.Pixel(tx, ty) = p | 0xFF000000u;
            }
        return;
    }
    HICON icon = form_->Icon();
    if (!icon) {
        if (TApplication* app = Application(); app && app->Handle())
            icon = reinterpret_cast<HICON>(SendMessageA(app->Handle(), WM_GETICON, ICON_SMALL, 0));
    }
    if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    PaintOpaqueIcon(image, layout_.IconRect, icon);
}

void TsSkinProvider::PaintCaptionText(TBitmap32& image) {
    TsSkinManager* manager = SkinManager();
    HDC dc = Bitmap32DC(image);
    if (!dc || !manager) return;
    if (!captionFont_.Get()) captionFont_.Reset(CreateCaptionFont());
    const std::string caption = addedTitle_.ShowMainCaption() ? form_->Caption() : std::string();
    TsCaptionLine line = CaptionLineOf(dc, caption, captionFont_.Get(), layout_);
    const TsCaptionAlign align = captionAlignment_ == TAlignment::taRightJustify ? TsCaptionAlign::caRight
                                 : captionAlignment_ == TAlignment::taCenter     ? TsCaptionAlign::caCenter
                                                                                 : TsCaptionAlign::caLeft;
    const TsCaptionSpan span =
        AlignCaption(line.Rect.left, line.Rect.right, line.TextWidth, AddedTitleWidth(dc), align);
    line.Rect.left = span.Left;
    line.Rect.right = span.Right;
    line.TitleIndex = titleIndex_;
    line.CaptionIndex = captionIndex_;
    line.Active = formActive_;
    line.Enabled = form_->Enabled();
    line.HeldGlow = &captionGlow_[formActive_ ? 1 : 0];
    if (!caption.empty()) PaintCaptionLine(image, *manager, line);
    // After the caption as written: a caption cut short ends at the bound.
    PaintAddedTitle(image, std::min<int>(span.Left + line.TextWidth, layout_.TextRect.Right) + 4);
}

int TsSkinProvider::AddedTitleWidth(HDC dc) {
    if (addedTitle_.Text().empty()) return 0;
    SelectedObject font(dc, addedTitle_.Font().Handle());
    return TextWidth(dc, addedTitle_.Text());
}

void TsSkinProvider::PaintAddedTitle(TBitmap32& image, int left) {
    const std::string& text = addedTitle_.Text();
    TsSkinManager* manager = SkinManager();
    HDC dc = Bitmap32DC(image);
    if (text.empty() || !dc || !manager || left >= layout_.TextRect.Right) return;
    SelectedObject font(dc, addedTitle_.Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    RECT measure{0, 0, 0, 0};
    DrawTextLine(dc, text, measure, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int height = measure.bottom - measure.top, top = layout_.Centre - height / 2;
    RECT r{left, top, layout_.TextRect.Right, top + height};
    const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    const TColor color = addedTitle_.Font().Color();
    if (color == clNone || color == clWindowText) {
        const int section = captionIndex_ >= 0 ? captionIndex_ : titleIndex_;
        WriteSectionText(dc, &text, form_->Enabled(), manager, formActive_ ? 1 : 0, section, flags, r);
    } else {
        auto rgb = static_cast<int32_t>(ColorToRGB(color));
        // An inactive form's added title leans half-way toward the strip's inactive text colour.
        if (!formActive_ && manager->IsValidSection(titleIndex_))
            rgb = Mix(rgb, manager->Model().Sections[static_cast<std::size_t>(titleIndex_)].Props[0].FontColor, 0.5);
        SetTextColor(dc, static_cast<COLORREF>(rgb));
        DrawTextLine(dc, text, r, flags);
    }
    GdiFlush();
}

const TsTitleButtonPlace& TsSkinProvider::PlaceOf(int button) const {
    if (button < tbCount) return layout_.Buttons[static_cast<std::size_t>(button)];
    return layout_.UserButtons.at(static_cast<std::size_t>(button - tbCount));
}

int& TsSkinProvider::StateOf(int button) {
    if (button < tbCount) return buttonState_[static_cast<std::size_t>(button)];
    return userButtonState_.at(static_cast<std::size_t>(button - tbCount));
}

int TsSkinProvider::TitleButtonState(int button) const {
    if (button < tbCount) return buttonState_[static_cast<std::size_t>(button)];
    const auto i = static_cast<std::size_t>(button - tbCount);
    return i < userButtonState_.size() ? userButtonState_[i] : 0;
}

void TsSkinProvider::PaintButtonLook(TBitmap32& target, TPoint32 at, int button, int state, const TBgSource& bg) {
    if (button >= tbCount) {
        PaintUserButton(target, at, button - tbCount, state, bg);
        return;
    }
    const TsTitleButtonPlace& b = layout_.Buttons[static_cast<std::size_t>(button)];
    TsSkinManager* manager = SkinManager();
    if (!b.Shown || !b.Mask.Found || !manager) return;
    PaintTitleMask(target, at, manager->Model(), b.MaskName, state, !formActive_ && state == 0, bg);
}

void TsSkinProvider::PaintUserButton(TBitmap32& target, TPoint32 at, int index, int state, const TBgSource& bg) {
    const TsTitleButtonPlace& b = layout_.UserButtons.at(static_cast<std::size_t>(index));
    const TsTitleButton& button = titleButtons_.Items(index);
    TsSkinManager* manager = SkinManager();
    if (!b.Shown || !manager) return;
    if (button.UseSkinData && b.Mask.Found)
        PaintTitleMask(target, at, manager->Model(), b.MaskName, state,
                       (!formActive_ || !button.Enabled) && state == 0, bg);
    const TBitmap32& glyph = button.Glyph;
    if (glyph.Empty()) return;
    // Centred, one pixel right and down while pressed.
    const int shift = state == 2 ? 1 : 0;
    const int left = at.X + (b.Rect.Width() - glyph.Width()) / 2 + shift;
    const int top = at.Y + (b.Rect.Height() - glyph.Height()) / 2 + shift;
    bool hasAlpha = false;
    for (int y = 0; y < glyph.Height() && !hasAlpha; ++y)
        for (int x = 0; x < glyph.Width() && !hasAlpha; ++x) hasAlpha = (glyph.Pixel(x, y) >> 24) != 0;
    const uint32_t clear = glyph.Pixel(0, glyph.Height() - 1) & 0xFFFFFF;
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x) {
            const int tx = left + x, ty = top + y;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
            const uint32_t s = glyph.Pixel(x, y);
            uint32_t& d = target.Pixel(tx, ty);
            if (!hasAlpha) {
                // Without alpha the bottom-left pixel's colour is see-through.
                if ((s & 0xFFFFFF) != clear) d = s | 0xFF000000u;
                continue;
            }
            // Premultiplied, as the skin's 32-bit images are.
            const uint32_t a = s >> 24;
            uint32_t out = 0xFF000000u;
            for (int c = 0; c < 24; c += 8) {
                const uint32_t sc = (s >> c) & 0xFF, dc = (d >> c) & 0xFF;
                out |= std::min<uint32_t>(255, sc + dc * (255 - a) / 255) << c;
            }
            d = out;
        }
}

void TsSkinProvider::PaintTitleButton(TBitmap32& image, int button) {
    const TsTitleButtonPlace& b = PlaceOf(button);
    if (!b.Shown) return;
    // Behind the button lies the caption strip as it was before any button.
    CopyPixels(image, b.Rect.Left, b.Rect.Top, b.Rect.Width(), b.Rect.Height(), stripBg_, b.Rect.Left, b.Rect.Top);
    // A fading button keeps its resting look in the window; the fade shows the new one over it.
    const int state = AnimatesButtons() && button < tbCount ? 0 : StateOf(button);
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
    if (const TBitmap32* image = skinData_->CacheBitmap.get()) CopyNonClientArea(form_->Handle(), *image);
}

void TsSkinProvider::PrintWindowTo(TMessage& m, const TWndMethod& previous) {
    if ((m.LParam & PRF_NONCLIENT) == 0 || !PaintsFrame() || !RenderFrame()) {
        previous(m);
        return;
    }
    // The skin's frame, then the client area as the form paints it, moved to where the frame leaves it.
    auto dc = reinterpret_cast<HDC>(m.WParam);
    const HWND h = form_->Handle();
    CopyNonClientAreaTo(dc, h, *skinData_->CacheBitmap);
    const RECT client = ClientInWindow(h);
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, client.left, client.top, nullptr);
    IntersectClipRect(dc, 0, 0, client.right - client.left, client.bottom - client.top);
    TMessage clientPart{WM_PRINT, m.WParam, m.LParam & ~static_cast<LPARAM>(PRF_NONCLIENT), 0};
    previous(clientPart);
    m.Result = 0;
}

void TsSkinProvider::CopyButtonToWindow(int button) {
    const TBitmap32* image = skinData_->CacheBitmap.get();
    if (!image || image->Empty()) return;
    const TRect32 r = PlaceOf(button).Rect;
    FrameDC dc(form_->Handle());
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
    userButtonState_.clear();
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
