#include "tests/ui/GuiObjectCounts.h"

namespace pakmole::test {

GuiObjectCounts CountGuiObjects() {
    GuiObjectCounts counts;
    counts.Gdi = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    counts.User = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    if (counts.Gdi > 0 && counts.User > 0) return counts;
    counts = {};
    for (ULONG_PTR index = 1; index < 0x10000; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++counts.Gdi;
    // USER handles are even numbers from 0x20 on.
    for (ULONG_PTR index = 0x20; index < 0x10000; index += 2)
        if (IsWindow(reinterpret_cast<HWND>(index)) || IsMenu(reinterpret_cast<HMENU>(index))) ++counts.User;
    return counts;
}

}  // namespace pakmole::test
