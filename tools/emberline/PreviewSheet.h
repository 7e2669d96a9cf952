#pragma once
// The designer's review sheet: a mock of the main window in the skin, the
// controls in their states, and every piece of the bitmaps enlarged with its
// mask name and state count.
#include "tools/emberline/Image24.h"

namespace pakmole::emberline {

Image24 RenderPreviewSheet();

}  // namespace pakmole::emberline
