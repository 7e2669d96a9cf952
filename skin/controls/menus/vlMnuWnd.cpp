#include "skin/controls/menus/vlMnuWnd.h"

#include "skin/controls/menus/sSkinableMenus.h"
#include "skin/controls/state/sMaskRegion.h"
#include "skin/data/Bitmap32_win.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/sSkinManager.h"
#include "skin/render/WindowOpacity_win.h"
#include "ui/GdiHandles.h"

namespace pakmole {

TvlMnuWnd::TvlMnuWnd(HWND window, TsSkinableMenus* engine)
    : TvlScrollWnd(window, false, "MAINMENU", engine->Manager(), nullptr), engine_(engine) {}

TvlMnuWnd* TvlMnuWnd::ForWindow(HWND window) {
    return window ? dynamic_cast<TvlMnuWnd*>(TvlMainWnd::FromWindow(window)) : nullptr;
}

void TvlMnuWnd::PictureBuilt(TMenuItem* firstItem) {
    pictureItem_ = firstItem;
    regionSet_ = false;
}

void TvlMnuWnd::ForgetPicture() {
    picture_ = TBitmap32();
    pictureItem_ = nullptr;
}

bool TvlMnuWnd::PictureFits() const {
    RECT bounds;
    GetWindowRect(handle_, &bounds);
    return !picture_.Empty() && picture_.Width() == bounds.right - bounds.left &&
           picture_.Height() == bounds.bottom - bounds.top;
}

void TvlMnuWnd::CopyFrame() {
    if (!PictureFits()) return;
    FrameDC dc(handle_);
    RECT window, client;
    GetWindowRect(handle_, &window);
    GetClientRect(handle_, &client);
    MapWindowPoints(handle_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    BitBlt(dc.Get(), 0, 0, picture_.Width(), picture_.Height(), Bitmap32DC(picture_), 0, 0, SRCCOPY);
}

void TvlMnuWnd::ApplyRegion() {
    if (regionSet_ || !PictureFits()) return;
    regionSet_ = true;
    TsSkinModel& model = engine_->Manager()->Model();
    const int menu = model.FindSection("MAINMENU");
    if (!model.IsValidSection(menu)) return;
    RegionHandle region(CreateRectRgn(0, 0, picture_.Width(), picture_.Height()));
    CutMaskCorners(region.Get(), model, model.Sections[static_cast<std::size_t>(menu)].FrameMask, picture_.Width(),
                   picture_.Height(), true);
    if (SetWindowRgn(handle_, region.Get(), TRUE)) region.Release();
}

void TvlMnuWnd::SetOpacity() {
    const uint8_t alpha = engine_->Manager()->MenuSupport().AlphaBlend;
    SetWindowOpacity(handle_, alpha != 255, alpha);
}

void TvlMnuWnd::HandleMessage(TMessage& m) {
    if (m.Msg == SKM_COMMAND && SkinCommandCode(m.WParam) == SKC_ISSKINNED) {
        m.Result = 1;
        return;
    }
    // A menu the engine does not draw keeps the platform's look.
    if (!TsSkinableMenus::MenuFlag() || !engine_->Active()) {
        TvlScrollWnd::HandleMessage(m);
        if (m.Msg == WM_NCDESTROY) {
            ForgetPicture();
            TsSkinableMenus::FreeGoneAdapters(this);
        }
        return;
    }
    switch (m.Msg) {
    case WM_ERASEBKGND: {
        if (engine_->PopupPicture(handle_, pictureItem_)) {
            POINT origin{0, 0};
            RECT window;
            GetWindowRect(handle_, &window);
            ClientToScreen(handle_, &origin);
            RECT client;
            GetClientRect(handle_, &client);
            BitBlt(reinterpret_cast<HDC>(m.WParam), 0, 0, client.right, client.bottom, Bitmap32DC(picture_),
                   origin.x - window.left, origin.y - window.top, SRCCOPY);
        }
        m.Result = 1;
        return;
    }
    case WM_NCPAINT:
        engine_->PopupPicture(handle_, pictureItem_);
        ApplyRegion();
        CopyFrame();
        SetOpacity();
        m.Result = 0;
        return;
    case WM_WINDOWPOSCHANGING: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
        // The window stays unseen until its first frame is the skin's,
        // whatever its opacity will be then.
        if ((pos->flags & SWP_SHOWWINDOW) && !IsWindowVisible(handle_)) SetWindowOpacity(handle_, true, 0);
        break;
    }
    case WM_DESTROY:
    case WM_NCDESTROY: {
        TvlScrollWnd::HandleMessage(m);
        TsSkinableMenus::ClearPictures();
        ForgetPicture();
        // The skin's picture of this window goes with it; this adapter object
        // itself is freed when the next popup comes or the engine goes.
        if (skinData_ && skinData_->CacheBitmap) *skinData_->CacheBitmap = TBitmap32();
        if (m.Msg == WM_NCDESTROY) TsSkinableMenus::FreeGoneAdapters(this);
        bool anyLeft = false;
        for (TvlMnuWnd* other : TsSkinableMenus::Adapters())
            if (other != this && !other->Destroyed() && IsWindow(other->Handle())) {
                anyLeft = true;
                RedrawWindow(other->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
            }
        if (!anyLeft) TsSkinableMenus::MenuFlag() = false;
        return;
    }
    default:
        break;
    }
    TvlScrollWnd::HandleMessage(m);
}

}  // namespace pakmole
