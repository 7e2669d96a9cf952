#include "skin/manager/WinSystemColors.h"

#include <windows.h>

namespace pakmole {

int32_t TWinSystemColors::SysColor(int index) const {
    // COLORREF keeps red in the low byte, as skins do.
    return static_cast<int32_t>(GetSysColor(index) & 0xFFFFFFu);
}

const SystemColors& WinSystemColors() {
    static const TWinSystemColors colors;
    return colors;
}

}  // namespace pakmole
