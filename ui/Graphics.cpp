#include "ui/Graphics.h"

#include <windows.h>

namespace pakmole {

uint32_t ColorToRGB(TColor color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return static_cast<uint32_t>(color) & 0xFFFFFF;
}

}  // namespace pakmole
