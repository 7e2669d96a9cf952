#pragma once
// TvlMnuWnd: the adapter of a popup menu's window ("#32768"). While the menu
// engine draws the menu's items it keeps the popup's picture, paints the
// window's frame and background from it, cuts the window's corners to the
// skin's and sets the popup's opacity; for a menu the engine does not draw
// it is a plain scroll-window adapter.
#include <windows.h>

#include "skin/controls/adapters/vlScrollWnd.h"
#include "skin/data/Bitmap32.h"

namespace pakmole {

class TsSkinableMenus;
class TMenuItem;

class TvlMnuWnd : public TvlScrollWnd {
public:
    TvlMnuWnd(HWND window, TsSkinableMenus* engine);
    std::string ClassName() const override { return "TvlMnuWnd"; }
    bool MenuWindow() const override { return true; }

    // The adapter of a popup window (null when it has none).
    static TvlMnuWnd* ForWindow(HWND window);

    void HandleMessage(TMessage& message) override;

    // The popup's picture, the window's size; kept until a popup goes.
    TBitmap32& Picture() { return picture_; }
    TMenuItem* PictureItem() const { return pictureItem_; }
    void PictureBuilt(TMenuItem* firstItem);
    void ForgetPicture();

private:
    bool PictureFits() const;
    // The frame ring around the client area, from the picture.
    void CopyFrame();
    void ApplyRegion();
    void SetOpacity();

    TsSkinableMenus* engine_;
    TBitmap32 picture_;
    TMenuItem* pictureItem_ = nullptr;
    bool regionSet_ = false;
};

}  // namespace pakmole
