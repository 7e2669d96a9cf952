#pragma once
// Gradient descriptions ("GRADIENTDATA"): integers separated by ";" (runs of
// ";" count as one), five per segment: start colour; end colour; percent;
// mode; a value read past. Left-over values are ignored.
#include <string_view>
#include <vector>

#include "skin/data/GeneralData.h"

namespace pakmole {

// Fails with the number-conversion error when a value of a whole segment is
// not an integer; values outside whole segments are never read.
TsGradArray ParseGradient(std::string_view data);

// The description's values, split as the parser splits them.
std::vector<std::string_view> GradientWords(std::string_view data);

}  // namespace pakmole
