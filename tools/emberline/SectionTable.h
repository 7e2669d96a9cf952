#pragma once
// The sections of Emberline's options text with their plain keys, in file
// order. Mask keys are added from the mask table when the text is written.
#include <string>
#include <utility>
#include <vector>

namespace pakmole::emberline {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

struct SkinSection {
    std::string name;
    KeyValues keys;
};

const std::vector<SkinSection>& EmberlineSections();

// A colour 0xRRGGBB written as the skin's decimal value (red in the low byte).
std::string ColourValue(unsigned rgb);

}  // namespace pakmole::emberline
