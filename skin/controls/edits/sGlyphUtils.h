#pragma once
// The built-in glyph list of the edit buttons: five strips read from the
// program's data resources "SF", "SR", "SD", "SE", "SC" (indexes 0 to 4), each
// three 16 x 16 glyphs (normal, hot, pressed) side by side.
#include "skin/controls/adapters/sAlphaImageList.h"

namespace pakmole {

constexpr int kBuiltInGlyphCount = 3;

// Made on first use, freed when the program ends. A strip missing from the
// resources leaves its index and those after it out of the list.
const TsAlphaImageList& BuiltInGlyphs();

}  // namespace pakmole
