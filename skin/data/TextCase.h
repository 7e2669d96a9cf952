#pragma once
// Upper-casing as the skin files need it: ASCII letters only, so a name
// compares the same whatever the locale.
#include <string>
#include <string_view>

namespace pakmole {

std::string UpperCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pakmole
