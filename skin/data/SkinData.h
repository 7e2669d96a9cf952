#pragma once
// Global data of a loaded skin, filled from its "GLOBALINFO" section.
#include <cstdint>
#include <string>

namespace pakmole {

struct TsSkinData {
    std::string ImageFolder;  // image file names are relative to it; ends with a delimiter or is empty
    bool SkinApplied = false;
    double Version = 0;
    std::string Author;
    std::string Description;
    int32_t Shadow1Color = 0;
    int16_t Shadow1Offset = 0;
    int16_t Shadow1Blur = -1;
    int16_t Shadow1Transparency = 0;
    int16_t FrameBorderWidth = 4;
    int16_t TitleBarHeight = 30;
    int16_t TitleBarMaxHeight = 0;
    int16_t FormOffset = 0;
    int16_t AlignOffset = 0;
    int16_t CenterOffset = 0;
    int16_t BorderMode = 0;
    int16_t TitleButtonSpace = 0;
    int16_t TitleButtonVAlign = 0;
    int16_t TitleButtonRight = 0;
    int16_t TitleButtonLeft = 0;
    int16_t TitleButtonTop = 0;
    int16_t TitleIconsKeepHue = 0;  // 0 none, 1 all title icons, other values the close icons only
    int16_t TitleCloseGlow = 0;
    int16_t TitleCloseGlowMargin = 0;
    int16_t TitleMaxGlow = 0;
    int16_t TitleMaxGlowMargin = 0;
    int16_t TitleMinGlow = 0;
    int16_t TitleMinGlowMargin = 0;
    bool AeroBlur = false;
};

}  // namespace pakmole
