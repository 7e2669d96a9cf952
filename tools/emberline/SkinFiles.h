#pragma once
// Renders the three files of the built-in skin, all from code and tables.
#include <string>
#include <vector>

#include "tools/emberline/Image24.h"

namespace pakmole::emberline {

struct SkinFile {
    std::string name;
    std::vector<unsigned char> bytes;
};

Image24 RenderMaster();
Image24 RenderButtonHuge();

// Options.dat, ButtonHuge.bmp and Master.bmp, in the order they are packed.
std::vector<SkinFile> BuildEmberlineFiles();

}  // namespace pakmole::emberline
