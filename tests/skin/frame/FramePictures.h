#pragma once
// What the skin itself paints for a window's frame: the form's and the
// caption strip's sections and the title buttons in given states, without
// icon and caption text; and comparisons of a screen picture with it.
#include <windows.h>

#include <array>

#include "skin/controls/frame/sFrameLayout.h"
#include "skin/data/Bitmap32.h"

namespace pakmole {
class TsSkinManager;
}

namespace pakmole::test {

// The frame facts of a window of another process, as a form provider sees them.
TsFrameFacts FactsOfWindow(HWND window, TsFrameStyle style, bool mainForm);
TsTitleLayout LayoutWith(const TsSkinManager& manager, const TsFrameFacts& facts);

TBitmap32 SkinFramePicture(const TsSkinManager& manager, const TsFrameFacts& facts, bool active,
                           const std::array<int, tbCount>& buttonStates);

// Differences inside rect (window coordinates).
int DifferencesIn(const TBitmap32& a, const TBitmap32& b, const TRect32& rect);
// Differences over the frame outside the client area, the icon and the
// caption text's band, counting only points inside the window's region.
int FrameDifferencesOf(HWND window, const TBitmap32& screen, const TBitmap32& expected, const TsTitleLayout& layout);

}  // namespace pakmole::test
