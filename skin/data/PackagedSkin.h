#pragma once
// Loading a skin model straight from package bytes, as the skin manager does
// for an internal skin: the bytes are borrowed and stay with their owner.
#include "skin/data/SkinLoader.h"

namespace pakmole {

class TStream;

// Unpacks the package, reads its "Options.dat" and builds the model. Fails
// when the package is unusable or holds no options file.
void LoadPackagedSkin(TsSkinModel& model, TStream& package, const TsSkinLoadSettings& settings);

}  // namespace pakmole
