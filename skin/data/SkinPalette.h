#pragma once
// The 28 palette colours of a skin, taken from "GLOBALINFO" and the "EDIT",
// "SELECTION" and "MENUITEM" sections once the sections are read.
#include "skin/data/SkinModel.h"

namespace pakmole {

class TIniText;
class SystemColors;

void FillSkinPalette(TsSkinModel& model, const TIniText& options, const SystemColors& colors);

}  // namespace pakmole
