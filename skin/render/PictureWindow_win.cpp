#include "skin/render/PictureWindow_win.h"

#include "skin/data/Bitmap32_win.h"
#include "ui/GdiHandles.h"
#include "ui/WindowClasses.h"

namespace pakmole {

namespace {

const char* const kPictureClass = "TvlPictureWindow";
constexpr DWORD kPictureExStyle = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

LRESULT CALLBACK PictureProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Whatever lies under the picture keeps the mouse.
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

bool TvlPictureWindow::Create(HWND owner) {
    if (window_) return true;
    RegisterControlClass(kPictureClass, "", 0, PictureProcedure);
    above_ = owner;
    window_ = CreateWindowExA(kPictureExStyle, kPictureClass, "", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                              ModuleInstance(), nullptr);
    return window_ != nullptr;
}

void TvlPictureWindow::Free() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

void TvlPictureWindow::Show(const TBitmap32& picture, POINT at, uint8_t alpha, bool perPixel) {
    if (!window_ || picture.Empty()) return;
    HWND after = HWND_TOP;
    if (above_ && !IsWindow(above_)) {
        above_ = nullptr;  // the window it stood over is gone
    } else if (above_ && (GetWindowLongA(above_, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        after = HWND_TOPMOST;
    } else if (above_) {
        HWND previous = GetWindow(above_, GW_HWNDPREV);
        if (previous && previous != window_) after = previous;
    }
    SetWindowPos(window_, after, at.x, at.y, picture.Width(), picture.Height(), SWP_NOACTIVATE);
    WindowDC screen(nullptr);
    POINT origin{0, 0};
    SIZE size{picture.Width(), picture.Height()};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, static_cast<BYTE>(perPixel ? AC_SRC_ALPHA : 0)};
    UpdateLayeredWindow(window_, screen.Get(), &at, &size, Bitmap32DC(picture), &origin, 0, &blend, ULW_ALPHA);
    if (!IsWindowVisible(window_)) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void TvlPictureWindow::TakeRegionOf(HWND window) {
    if (!window_) return;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) == ERROR) {
        DeleteObject(region);
        region = nullptr;
    }
    // The window owns the region from here on.
    SetWindowRgn(window_, region, FALSE);
}

void TvlPictureWindow::Hide() {
    if (window_) ShowWindow(window_, SW_HIDE);
}

}  // namespace pakmole
