#pragma once
// A window seen through at one alpha for all its pixels (layered), or
// plainly again: what the window animations and the skinned popups use to
// keep a window unseen, or half seen, while its picture stands in for it.
#include <windows.h>

namespace pakmole {

// layered: the window becomes layered at alpha; otherwise it loses the
// layered style (and alpha plays no part).
void SetWindowOpacity(HWND window, bool layered, BYTE alpha = 255);

}  // namespace pakmole
