#pragma once
// The pieces of a skinned window frame that the form provider and the frame
// adapter of platform dialogs paint alike: the caption strip, the title
// icon, the caption text with its glow, a title button's picture, the copy
// of the frame to the window, and the window region cut from the skin's
// key-coloured corners.
#include <windows.h>

#include <string>
#include <utility>

#include "skin/controls/frame/sFrameLayout.h"
#include "skin/controls/state/sMaskRegion.h"
#include "skin/data/Bitmap32.h"
#include "skin/data/SkinModel.h"
#include "skin/render/BgSource.h"
#include "skin/render/GlowMask.h"
#include "skin/render/MaskPainter.h"

namespace pakmole {

class TsSkinManager;

// The caption strip's section with its own frame mask over the top band.
void PaintTitleStrip(TBitmap32& image, const TsSkinModel& model, int titleIndex, int stripBottom, bool active);

// The icon at rect; GDI leaves alpha 0 where it draws, so every pixel the
// icon changed becomes opaque and the others keep what they were.
void PaintOpaqueIcon(TBitmap32& image, const TRect32& rect, HICON icon);

struct TsCaptionLine {
    std::string Text;
    RECT Rect{};
    UINT Flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    HFONT Font = nullptr;
    int TitleIndex = -1;    // the strip's section: its glow
    int CaptionIndex = -1;  // "CAPTION" when the skin has it: its colours
    bool Active = true;
    bool Enabled = true;
    TGlowMask* HeldGlow = nullptr;  // kept between paints when given
};

// The caption of a laid-out title: text and font, its rectangle the text's
// height centred on the caption's middle between the layout's text bounds.
// dc measures (its font is left as it was).
TsCaptionLine CaptionLineOf(HDC dc, const std::string& text, HFONT font, const TsTitleLayout& layout);

// The caption text, its glow laid first when the strip's state has one.
void PaintCaptionLine(TBitmap32& image, TsSkinManager& manager, const TsCaptionLine& line);

// A title button's mask from "GLOBALINFO" in state at point.
void PaintTitleMask(TBitmap32& target, TPoint32 at, const TsSkinModel& model, const std::string& maskName, int state,
                    bool faded, const TBgSource& bg);

// The caption font of the system's non-client metrics.
HFONT CreateCaptionFont();

// The non-client part of the window's picture copied to the window.
void CopyNonClientArea(HWND window, const TBitmap32& image);
// The same into dc, which stands for the whole window (a print).
void CopyNonClientAreaTo(HDC dc, HWND window, const TBitmap32& image);
// The client area in window coordinates.
RECT ClientInWindow(HWND window);

}  // namespace pakmole
