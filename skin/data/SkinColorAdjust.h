#pragma once
// Recolouring of a whole loaded skin: its bitmaps and every colour value of
// the model. Key and grey pixels and the high byte are never changed.
namespace pakmole {

class TsSkinModel;

// Rotates every hue by offset degrees (nothing when 0). Title-bar icons kept
// by the skin's "BIKEEPHUE" keep their pixels.
void AdjustSkinHue(TsSkinModel& model, int offset);
// Changes the saturation by amount, first reduced modulo 101 (nothing when 0).
void AdjustSkinSaturation(TsSkinModel& model, int amount);

}  // namespace pakmole
