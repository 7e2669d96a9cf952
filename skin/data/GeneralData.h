#pragma once
// One section of a skin: the look of one kind of control in its normal and
// hot states.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pakmole {

struct TsGradient {
    int32_t GradStart = 0;
    int32_t GradEnd = 0;
    uint8_t GradPercent = 0;
    int32_t GradMode = 0;  // 0 vertical, 1 horizontal, 2 four-corner; only the first segment's counts
};

using TsGradArray = std::vector<TsGradient>;
// A section's gradient and its state records refer to one array, so a colour
// change made through either is seen through both.
using TsSharedGradient = std::shared_ptr<TsGradArray>;

struct TsGenState {
    int32_t Color = 0;
    int32_t FontColor = 0;
    int32_t TCLeft = -1;
    int32_t TCTop = -1;
    int32_t TCRight = -1;
    int32_t TCBottom = -1;
    int32_t GradientPercent = 0;
    std::string GradientData;
    TsSharedGradient Gradient = std::make_shared<TsGradArray>();
    int32_t ImagePercent = 0;
    int32_t PatternMask = 0;  // texture record index, -1 when none
    int32_t GlowColor = 0;
    uint8_t GlowSize = 0;
    int32_t Transparency = 0;
};

using TsProps = std::array<TsGenState, 2>;  // 0 normal, 1 hot

struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;
    int32_t States = 3;
    TsProps Props;
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    bool ShowFocus = false;
    int32_t Glow = 0;
    int32_t GlowMargin = 0;
    int32_t FrameMask = -1;
    int32_t CornerTopLeft = -1;
    int32_t CornerTopRight = -1;
    int32_t CornerBottomLeft = -1;
    int32_t CornerBottomRight = -1;
    int32_t PatternIndex = -1;

    int32_t Color = 0xFFFFFF;
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    std::string GradientData = " ";
    TsSharedGradient Gradient = std::make_shared<TsGradArray>();
    int32_t ImagePercent = 0;
    int32_t FontColor = 0;
    int32_t TCLeft = -1;
    int32_t TCTop = -1;
    int32_t TCRight = -1;
    int32_t TCBottom = -1;

    int32_t HotColor = 0xFFFFFF;
    int32_t HotTransparency = 0;
    int32_t HotGradientPercent = 0;
    std::string HotGradientData;
    TsSharedGradient HotGradient = std::make_shared<TsGradArray>();
    int32_t HotImagePercent = 0;
    int32_t HotFontColor = 0;
    int32_t HotTCLeft = -1;
    int32_t HotTCTop = -1;
    int32_t HotTCRight = -1;
    int32_t HotTCBottom = -1;

    bool FadingEnabled = false;
    int32_t FadingIterations = 5;
    int32_t HotGlowColor = 0xFFFFFF;
    int32_t GlowColor = 0xFFFFFF;
    uint8_t HotGlowSize = 0;
    uint8_t GlowSize = 0;
};

}  // namespace pakmole
