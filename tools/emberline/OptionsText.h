#pragma once
#include <cstddef>
#include <string>

namespace pakmole::emberline {

// Options.dat of Emberline: CR LF lines, sections in file order, each
// section's plain keys followed by its mask records.
std::string BuildOptionsText();

}  // namespace pakmole::emberline
