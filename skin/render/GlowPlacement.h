#pragma once
// Where the glow window of a control lies: the glow picture is the control's
// rectangle grown by the glow mask's margins less the section's glow margin,
// cut to the part of the control that can be seen.
#include <cstdint>

#include "skin/data/MaskData.h"

namespace pakmole {

struct TGlowPlacement {
    int32_t FullWidth = 0;   // the whole glow picture
    int32_t FullHeight = 0;
    TRect32 Shown;           // the part of it that is shown, in its own coordinates
    int32_t Left = 0;        // screen position of the shown part
    int32_t Top = 0;
};

// control: the control in screen coordinates; visible: the part of it that
// can be seen, in the control's own coordinates; margin: the section's GLOWMARGIN.
TGlowPlacement PlaceGlow(const TRect32& control, const TRect32& visible, const TsMaskData& mask, int32_t margin);

}  // namespace pakmole
