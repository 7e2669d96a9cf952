#pragma once
// Builds the skin model from a skin's options and images: master bitmap, mask
// records, textures, sections, palette, colour adjustments, known indexes.
#include <functional>
#include <string>

#include "skin/data/SkinModel.h"

namespace pakmole {

class TIniText;
class TSkinFileSource;
class SystemColors;

struct TsSkinLoadSettings {
    // INI text merged into the skin (the manager's common sections); may be empty.
    std::string CommonSections;
    int HueOffset = 0;
    int Saturation = 0;
    const SystemColors* Colors = nullptr;  // the classic defaults when none
    // Default "FORMOFFSET": the platform's sizing-frame width.
    int SizingFrameWidth = 4;
    // Called with the skin's version before the images are read and again once
    // the global data is read, so the manager can tell about unsupported versions.
    std::function<void(double version)> CheckVersion;
};

// Rebuilds the whole model. The global data's ImageFolder must be set before.
// Fails with the first error met (a number that must be one is not, a record
// that cannot be, an image that cannot be read); the model is then partly built.
void LoadSkinModel(TsSkinModel& model, const TIniText& options, const TSkinFileSource& files,
                   const TsSkinLoadSettings& settings);

}  // namespace pakmole
