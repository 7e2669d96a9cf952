#pragma once
// Section and mask indexes that controls ask for often, looked up once per load.
#include <array>
#include <cstdint>

namespace pakmole {

struct TsKnownIndexes {
    int16_t GlobalInfo = -1;
    int16_t ExtBorderMask = -1;
    std::array<int16_t, 4> TabSection{-1, -1, -1, -1};
    std::array<int16_t, 4> TabFrame{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBtnSection{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBtnFrame{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBtnPattern{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBtnHotPattern{-1, -1, -1, -1};
    std::array<int16_t, 11> TitleIcon{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBtnGlyph{-1, -1, -1, -1};
    std::array<int16_t, 2> SliderSection{-1, -1};
    std::array<int16_t, 2> SliderFrame{-1, -1};
    std::array<int16_t, 2> SliderGlyph{-1, -1};
    std::array<int16_t, 4> SliderPattern{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBarSection{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBarFrame{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBarPattern{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollBarHotPattern{-1, -1, -1, -1};
    std::array<int16_t, 9> CheckMask{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int32_t ComboBtnSection = -1;
    int32_t ComboBtnFrame = -1;
    int32_t ComboBtnPattern = -1;
    int32_t ComboBtnHotPattern = -1;
    int32_t ComboGlyph = -1;
    int32_t GripImage = -1;
    int32_t GripHorz = -1;
    int32_t GripVert = -1;
    int32_t WebButtonSection = -1;
};

}  // namespace pakmole
