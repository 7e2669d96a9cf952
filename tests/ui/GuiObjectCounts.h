#pragma once
// How many GDI and USER objects this process holds, for leak checks.
#include <windows.h>

namespace pakmole::test {

struct GuiObjectCounts {
    int Gdi = 0;
    int User = 0;
};

// GetGuiResources where the system answers it. Wine answers 0: there every
// handle number of the process's tables is asked for its object instead
// (Wine takes a handle without its generation word as any generation).
GuiObjectCounts CountGuiObjects();

}  // namespace pakmole::test
