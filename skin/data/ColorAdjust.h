#pragma once
// Hue rotation and saturation change of single colours. Pixels are
// 0xAARRGGBB, colour values 0x00BBGGRR; the high byte is never changed.
#include <cstdint>

namespace pakmole {

// Rotates the hue of a pixel by offset degrees (not reduced modulo 360).
uint32_t ShiftHue(int offset, uint32_t pixel);
// The same for a colour value, whose red and blue bytes are the other way round.
int32_t ShiftHueColor(int offset, int32_t color);
// Pushes each colour byte away from (amount > 0) or toward (amount < 0) the
// average of the three; -100 gives grey. Works for both layouts.
uint32_t ChangeSaturation(int amount, uint32_t value);

}  // namespace pakmole
