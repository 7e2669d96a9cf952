#pragma once
// Pictures of a button: what the screen shows of a window, what the skin
// itself paints for "BUTTON" in a state, and how two of them differ outside
// and inside the box where the caption lies.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/data/Bitmap32.h"
#include "skin/render/BgSource.h"

namespace pakmole {
class TsSkinManager;
}

namespace pakmole::test {

TBitmap32 GrabWindow(HWND window);
TBitmap32 GrabScreen(const RECT& screenRect);
// The skin's painting of a section of the given size at position in its
// parent, over behind (what the parent shows there).
TBitmap32 SectionPicture(const TsSkinManager& manager, const char* section, int width, int height, POINT position,
                         int state, const TBgSource& behind);
// The same over the parent's colour (a platform colour value).
TBitmap32 SkinSectionPicture(const TsSkinManager& manager, const char* section, int width, int height,
                             POINT position, int state, int32_t behindColor);
// The same for "BUTTON".
TBitmap32 SkinButtonPicture(const TsSkinManager& manager, int width, int height, POINT position, int state,
                            int32_t behindColor);
// The disabled look: 40 percent of the normal look over the colour behind.
TBitmap32 DisabledButtonPicture(const TsSkinManager& manager, int width, int height, POINT position,
                                int32_t behindColor, const char* section = "BUTTON");
// Pixels that differ in colour where counted holds; pictures of other sizes differ everywhere.
int CountDifferences(const TBitmap32& a, const TBitmap32& b, const std::function<bool(int x, int y)>& counted);
int FrameDifferences(const TBitmap32& a, const TBitmap32& b);
// The frame differences between the window on the screen and expected, once
// they reach 0 or timeoutMs pass (paints and fades take their time).
int SettledFrameDifferences(HWND window, const TBitmap32& expected, int timeoutMs = 2000);
int CaptionDifferences(const TBitmap32& a, const TBitmap32& b);

// A window picture's four frame corners against the skin's own bitmap of the
// section's "BORDERSMASK" in a state, read from the loaded skin's pixels
// without its painting: a corner pixel that is not the key colour (and, in a
// record with a mask band, whose mask is black) shows exactly, whatever lies
// behind. How many such pixels there were and how many of them the picture
// shows otherwise; pixels inside skipped are left out.
struct CornerCheck {
    int checked = 0;
    int wrong = 0;
};
CornerCheck CornersFromTheSkinsBitmap(const TsSkinManager& manager, const char* section, int state,
                                      const TBitmap32& shown, const std::vector<RECT>& skipped = {});
// The box around the pixels where picture differs from the bare skin (its
// ink: caption, glyph), leaving out the pixels inside left; right is -1 when
// there is none.
RECT InkBox(const TBitmap32& picture, const TBitmap32& skin, const RECT& left = RECT{});
// With PAKMOLE_SHOTS naming a folder, writes the picture there as name.bmp
// (32 bits, top-down), for looking at what a test saw; otherwise nothing.
void SaveShot(const TBitmap32& picture, const char* name);
// Moves the pointer with the system's input and waits until it is there.
void MovePointer(POINT screen);
// Presses or lets go of the left mouse button with the system's input.
void PressPointer(bool down);

}  // namespace pakmole::test
