#pragma once
// A 5 x 7 pixel capital font for the labels of the preview sheet.
#include <cstdint>
#include <string>

#include "tools/emberline/Image24.h"

namespace pakmole::emberline {

// Lower-case letters are drawn as capitals; unknown characters as a box.
void DrawLabel(Image24& target, int x, int y, const std::string& text, uint32_t rgb, int scale = 1);
int LabelWidth(const std::string& text, int scale = 1);
inline constexpr int kLabelHeight = 7;

}  // namespace pakmole::emberline
