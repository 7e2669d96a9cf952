#pragma once
// Colours in the platform's form: red in the low byte; 0xFF0000nn stands for
// the system colour nn and is resolved before use.
#include <cstdint>

namespace pakmole {

using TColor = int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clBtnFace = clSystemColor | 15;       // COLOR_BTNFACE
constexpr TColor clWindow = clSystemColor | 5;         // COLOR_WINDOW
constexpr TColor clWindowText = clSystemColor | 8;     // COLOR_WINDOWTEXT
constexpr TColor clBtnText = clSystemColor | 18;       // COLOR_BTNTEXT
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clNone = 0x1FFFFFFF;

// The RGB value of a colour, system colours looked up now.
uint32_t ColorToRGB(TColor color);

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace pakmole
