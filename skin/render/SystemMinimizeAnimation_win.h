#pragma once
// The system's own minimize and restore animation (SPI_GETANIMATION /
// SPI_SETANIMATION), switched off while it lives and put back as it was
// afterwards: while the skin moves a window's picture to the taskbar and
// back, the system must not animate the same window a second time.
#include <windows.h>

namespace pakmole {

class TSystemMinimizeAnimationOff {
public:
    TSystemMinimizeAnimationOff();
    ~TSystemMinimizeAnimationOff();
    TSystemMinimizeAnimationOff(const TSystemMinimizeAnimationOff&) = delete;
    TSystemMinimizeAnimationOff& operator=(const TSystemMinimizeAnimationOff&) = delete;

private:
    bool switchedOff_ = false;
};

// The system's setting now (true: windows animate when minimized).
bool SystemMinimizeAnimation();

// Test seam: called instead of SystemParametersInfoA for the setting (null:
// the system's again). Wine keeps no animation setting of its own.
using TSystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
void ReplaceSystemParametersInfo(TSystemParametersInfoFunction replacement);

}  // namespace pakmole
