#pragma once
// Pictures of a skinned edit with a button: the skin's own painting of "EDIT"
// and of "SPEEDBUTTON_SMALL" over it, and the parts of a window picture they
// are compared on (the frame ring, the button outside its glyph, the glyph,
// the text).
#include <windows.h>

#include "skin/data/Bitmap32.h"

namespace pakmole {
class TsSkinManager;
}

namespace pakmole::test {

// The edit's window size, its place in the parent, and its button's box in
// window coordinates.
struct EditGeometry {
    int Width = 0, Height = 0;
    POINT Position{};
    RECT Button{};
};
// Read from the windows on the screen: the edit and its parent.
EditGeometry EditGeometryOf(HWND edit);

// "EDIT" in a state over the parent's colour, and the button's look of a
// state laid over that picture at the button's place.
TBitmap32 SkinEditPicture(const TsSkinManager& manager, const EditGeometry& edit, int state, int32_t behindColor);
TBitmap32 SkinEditButtonPicture(const TsSkinManager& manager, const EditGeometry& edit, const TBitmap32& editPicture,
                                int state);

// The 16 x 16 glyph square centred in the button.
RECT GlyphBox(const EditGeometry& edit);
// Where the text goes: inside the frame, before the button.
RECT TextBox(const EditGeometry& edit);

// Pixels that differ (colour only) in the frame ring two pixels wide.
int RingDifferences(const TBitmap32& a, const TBitmap32& b);
// Pixels that differ in the button's box outside its glyph square.
int ButtonDifferences(const TBitmap32& a, const TBitmap32& b, const EditGeometry& edit);
// Pixels that differ inside area.
int AreaDifferences(const TBitmap32& a, const TBitmap32& b, const RECT& area);
// The mean distance (sum of the three channel differences) of the area's
// pixels from a colour (red in the low byte).
double MeanDistance(const TBitmap32& picture, const RECT& area, int32_t color);
// Pixels of the area whose three channels are not all equal.
int ColouredPixels(const TBitmap32& picture, const RECT& area);

}  // namespace pakmole::test
